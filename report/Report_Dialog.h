#pragma once

#include <wx/string.h>

/// The class report for teachers who start it from the desktop's menu: a
/// folder dialog chooses the class folder, the report is written (after
/// asking before an earlier one is replaced) and opened in the browser;
/// what goes wrong is said in a message box. Returns the report's status
/// (0 also when the teacher cancels).
int Run_Report_Dialog(const wxString& course);
