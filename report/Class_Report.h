#pragma once

#include <cstdio>
#include <wx/string.h>

/// What a class report reads and where it goes.
struct Report_Request
{
    wxString Folder;  ///< the class folder, searched through for records
    wxString Course;  ///< a theme file or "sim_corvena.ini"; may be empty
    wxString Out;     ///< empty: "Auswertung" in the class folder
};

struct Report_Result
{
    enum Status
    {
        Complete = 0,   ///< every file was read or recognised as no record
        Unread = 1,     ///< some record could not be read; the report is written
        Not_Written = 2 ///< the class folder, the course or the report folder failed
    };

    Status What = Complete;
    wxString Out;      ///< the report folder
    wxString Message;  ///< one German line: what was written, or why nothing was
};

/// The report folder for a request: its Out, or "Auswertung" in the class folder.
wxString Report_Folder(const Report_Request& request);

/// True when path holds a report written earlier (which a new one replaces).
bool Is_Earlier_Report(const wxString& path);

/// Reads every record below the class folder and writes the report: the
/// tables, the overview page and its charts. The report folder appears
/// whole or not at all; an earlier report there is replaced, a folder
/// holding anything else is left alone.
Report_Result Write_Class_Report(const Report_Request& request);

/// Writes the report for the command line: the line goes to out, or to
/// err when nothing was written. Returns the status.
int Report_Class(const Report_Request& request, FILE* out, FILE* err);
