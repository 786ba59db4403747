#pragma once

// What the class report gathers for its overview page while its tables are
// written row by row: per pupil a line per record, never the entries.

#include "report/Session_Summary.h"

#include <map>
#include <vector>
#include <wx/string.h>

struct Session_Line
{
    wxString File, Date;
    Session_Summary Summary;  ///< without its answers
};

struct Pupil_Overview
{
    wxString Name;
    std::vector<Session_Line> Sessions;
    std::vector<Item_Time> Items;     ///< all runs together, in the order first met
    int Selftest_Questions = -1;      ///< the last self-test that ended
    int Selftest_Right = -1;
    int Simulation_Logs = 0;
    size_t Simulation_Entries = 0;
    std::vector<std::pair<wxString, wxString>> Ratings;  ///< topic and rating, of the last answers file
};

struct Exercise_Overview
{
    wxString Source, Theme;  ///< the theme only when a course was given
    int Checks = 0, Right = 0, Solutions = 0, Pupils = 0;
};

/// A file under the class folder that gave no rows, or not all of them.
struct Passed_File
{
    wxString File, Reason;
    bool Failure = false;  ///< a record, or what might be one, that could not be read
};

struct Class_Overview
{
    wxString Folder, Course_Path;
    std::vector<wxString> Courses;  ///< the course titles the logs name
    std::vector<Pupil_Overview> Pupils;
    std::vector<wxString> Item_Order;  ///< the course's order when one was given, then as first met
    std::vector<Exercise_Overview> Exercises;
    std::vector<Passed_File> Passed;
    int Unknown_Lines = 0;
};
