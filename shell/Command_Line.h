#pragma once

#include <wx/arrstr.h>
#include <wx/string.h>

/// What the program was asked to do on its command line.
struct Command_Line
{
    enum Mode
    {
        Run,         ///< open the course (Start_File / Theme_File when set)
        Check,       ///< check the course at Path without opening a window
        New_Course,  ///< write the course template into the folder Path
        Report,      ///< report on the records under Path (none: ask for the folder)
        Help,        ///< explain the options
        Error        ///< the arguments make no sense; Message says why
    };

    Mode What = Run;
    bool bPreview = false;  ///< Run for the course's author: nothing locked, nothing recorded
    wxString Start_File;  ///< a "sim_corvena.ini" to read instead of the one beside the program
    wxString Theme_File;  ///< a theme file to open instead of the one THEMES names
    wxString Path;        ///< what --check checks, where --new-course writes, the class folder of --report
    wxString Course;      ///< --report: the course that names the themes
    wxString Out;         ///< --report: where the report goes
    wxString Message;

    /// Reads the arguments after the program name. A file given alone is a
    /// start file when it is named sim_corvena.ini or names THEMES at its
    /// top, and a theme file otherwise.
    static Command_Line Parse(const wxArrayString& args);

    /// True when the file at path is a start file: it is named
    /// sim_corvena.ini or names THEMES at its top.
    static bool Is_Start_File(const wxString& path);

    /// The text --help prints.
    static wxString Help_Text();
};
