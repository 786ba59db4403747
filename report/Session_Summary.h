#pragma once

#include "report/Record_Reader.h"

#include <vector>
#include <wx/string.h>

struct Course_Items;

/// The time spent on one item of the course (a theme, "Lexikon", the
/// self-test or the reflection aid) in one run.
struct Item_Time
{
    wxString Item;
    int Visits = 0;
    long Seconds = 0;
};

/// An answer the program judged: a wrong box or a passed check of an
/// exercise page, or a question of the self-test.
struct Judged_Answer
{
    wxString Time;
    bool Selftest = false;
    wxString Source;   ///< the exercise file's name, or "Selbsttest"
    wxString Text;     ///< the wrong answer's label, or the question
    bool Right = false;
    int Percent = -1;  ///< share of the question's time; self-test only
};

/// How one exercise page went in one run.
struct Exercise_Tally
{
    wxString Source;
    int Checks = 0;
    int Right = 0;      ///< passed checks, not counting those after the solution was shown
    int Solutions = 0;  ///< times the solution was shown
};

/// What one activity log says about its run.
struct Session_Summary
{
    wxString Begin, End;     ///< times of the first and the last entry
    long Seconds = 0;        ///< all durations together
    bool Finished = false;   ///< the last entry is "Aufzeichnung beendet"
    int Checks = 0;          ///< exercise pages checked
    int Checks_Right = 0;    ///< checks passed without the solution shown before
    int Solutions = 0;
    int Selftest_Runs = 0;
    int Selftest_Questions = -1;  ///< of the last run that ended; -1: none ended
    int Selftest_Right = -1;
    int Reflections_Closed = 0;
    int Unknown_Lines = 0;   ///< entries that name nothing of the given course
    std::vector<Item_Time> Items;  ///< in the order first met
    std::vector<Judged_Answer> Answers;
    std::vector<Exercise_Tally> Exercises;
};

/// The row label of the time spent in the self-test and in the reflection aid.
extern const char* const Selftest_Item;
extern const char* const Reflection_Item;
/// The root theme's label when no course is given.
extern const char* const Start_Item;

/// Follows the run entry by entry. Without a course every entry that is
/// none of the program's own texts opens a stay on an item; with one, only
/// the course's labels do.
Session_Summary Summarise_Session(const Activity_Log& log, const Course_Items* course);
