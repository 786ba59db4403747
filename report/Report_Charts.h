#pragma once

// The pictures of the overview page, drawn into images in memory and
// saved as PNG: no display is needed, so the report runs in a terminal.

#include <wx/string.h>

struct Class_Overview;

extern const char* const Time_Chart_File;
extern const char* const Selftest_Chart_File;

/// One bar per pupil, made of the time spent on each item of the course.
bool Draw_Time_Chart(const Class_Overview& overview, const wxString& path);

/// One bar per pupil: the questions of the last self-test that ended,
/// right ones green, wrong ones red.
bool Draw_Selftest_Chart(const Class_Overview& overview, const wxString& path);
