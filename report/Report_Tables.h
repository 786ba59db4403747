#pragma once

// The CSV tables of the class report, written row by row as the records
// are read, in the cells the plot export writes: ";" between fields, a
// decimal comma, Windows-1252, a header row.

#include "report/Record_Reader.h"

#include <cstdio>
#include <string>
#include <vector>
#include <wx/string.h>

struct Session_Summary;

/// One CSV file.
class Csv_Table
{
public:
    ~Csv_Table();
    /// Creates the file with its header row; false when it cannot be made.
    bool Open(const wxString& path, const std::vector<const char*>& columns);
    void Row(const std::vector<std::string>& cells);
    /// False when any write failed (a full disk).
    bool Close();

private:
    FILE* m_File = nullptr;
    bool m_bFailed = false;
};

class Report_Tables
{
public:
    /// Creates the six tables in dir; false with errno set when one cannot be made.
    bool Open(const wxString& dir);
    void Add_Session(const wxString& pupil, const wxString& file, const Activity_Log& log,
                     const Session_Summary& summary);
    void Add_Simulation(const wxString& pupil, const wxString& file, const Simulation_Log& log);
    void Add_Reflection(const wxString& pupil, const wxString& file, const Reflection_Answers& answers);
    bool Close();

private:
    Csv_Table m_Sessions, m_Themes, m_Answers, m_Simulations, m_Reflections, m_Entries;
};

/// The table files, in the order the page lists them.
extern const char* const Report_Table_Files[6];
