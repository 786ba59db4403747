#pragma once

// Reads back the three records the program leaves for the teacher: the
// activity log of the main window, the log of a simulation window and the
// reflection answers, as they were written, in Windows-1252 or in UTF-8,
// with LF or CR LF line ends.

#include <string>
#include <vector>
#include <wx/string.h>

enum class Record_Kind
{
    None,
    Activity_Log,
    Simulation_Log,
    Reflection_Answers
};

/// What the first lines of a file say it is; head holds at least its first
/// four lines (or the whole file).
Record_Kind Recognise_Record(const std::string& head);

/// When a record of that kind begins, from its head, as "YYYY-MM-DD
/// HH:MM:SS" (or what of it the head gives): runs sort by it.
std::string Record_Start(const std::string& head, Record_Kind kind);

/// The text of a record's bytes: CR LF as one line feed, UTF-8 or
/// Windows-1252 as the bytes are.
wxString Decode_Record(std::string bytes);

struct Activity_Entry
{
    wxString Time;     ///< "HH:MM:SS"
    long Seconds = 0;  ///< the time since the entry before
    wxString Text;
};

struct Activity_Log
{
    wxString Course;  ///< the course title of line 1
    wxString Date;    ///< the date of line 3, as written
    std::vector<Activity_Entry> Entries;
    std::vector<size_t> Bad_Lines;  ///< 1-based numbers of lines that are no entry
};

struct Simulation_Entry
{
    wxString Time, Activity, Value;
};

struct Simulation_Log
{
    wxString Date;
    std::vector<Simulation_Entry> Entries;
    std::vector<size_t> Bad_Lines;
};

struct Reflection_Topic
{
    int Number = 0;
    wxString Topic, Rating, Explanation;
};

struct Reflection_Answers
{
    std::vector<Reflection_Topic> Topics;
    std::vector<size_t> Bad_Lines;  ///< where the topics stop following their form
};

/// Each reads the decoded text of a record of its kind; false when its
/// header is not that kind's. Lines that cannot be read are noted and
/// passed over.
bool Read_Activity_Log(const wxString& text, Activity_Log* log);
bool Read_Simulation_Log(const wxString& text, Simulation_Log* log);
bool Read_Reflection_Answers(const wxString& text, Reflection_Answers* answers);

/// A clock time "HH:MM:SS" as seconds since midnight; false for anything else.
bool Parse_Clock_Time(const wxString& text, long* seconds);

/// Seconds as "HH:MM:SS", the hours going on beyond 24.
wxString Format_Seconds(long seconds);
