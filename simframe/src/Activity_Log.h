#pragma once

#include <string>
#include <wx/arrstr.h>
#include <wx/datetime.h>
#include <wx/string.h>

// The text of a simulation activity log and the rule that folds a rapid
// series of one activity into a single line. All formatting of the record
// is here, so that how and when it reaches the disk can change on its own.

/// The header block: title, the date of date, column headings and an empty
/// line.
wxString Activity_Log_Header(const wxDateTime& date);

/// One activity line: time "%H:%M:%S", activity and value, tab-separated,
/// ending in a newline. Neither text is escaped.
wxString Activity_Log_Line(const wxDateTime& time, const wxString& activity, const wxString& value);

/// True when bytes found at a log's place are an earlier run to keep: a
/// log with at least one activity line, or anything that is no such log at
/// all. A log with only its header is no run.
bool Holds_Activity_Lines(const std::string& bytes);

/// What the process last logged, in any simulation window.
struct Activity_Merge_State
{
    bool bStarted = false;   ///< set on the first report of the process
    wxString Last_Activity;  ///< empty until something was logged
    wxDateTime Last_Time;
};

/// True when the line for activity at now replaces the window's last line
/// instead of following it: the process's last logged activity is the same
/// (case matters), it came less than two whole seconds before now, and the
/// window's last line is itself a line of this activity. last_line_activity
/// is the activity of the window's last line, or null when the window has
/// no activity line after its header.
bool Replaces_Last_Line(const Activity_Merge_State& state, const wxString& activity,
                        const wxDateTime& now, const wxString* last_line_activity);
