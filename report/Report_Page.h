#pragma once

#include <wx/string.h>

struct Class_Overview;

/// Writes the overview page a teacher opens in a browser: one German HTML
/// page that needs nothing but the charts and tables beside it. False with
/// errno set when it cannot be written.
bool Write_Report_Page(const Class_Overview& overview, const wxString& path);
