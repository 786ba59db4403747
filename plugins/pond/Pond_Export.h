#pragma once

// What the pond plots export, without a window: the values of both runs as
// a CSV file that a German spreadsheet opens by double-click, and the path
// a save dialog's answer stands for.

#include <string>
#include <vector>
#include <wx/string.h>

/// One group of a values export (the capacity or a species): its column
/// title and its series of the current and of the reference run.
struct Pond_Export_Series
{
    wxString Name;
    const std::vector<double>* pCurrent;
    const std::vector<double>* pReference;
};

/// The title suffix of the reference columns.
extern const char* const Pond_Reference_Suffix;

/// The CSV file of a plot as Windows-1252 bytes, fields separated by ";",
/// lines ending in "\n". A header row: time_title, the current series'
/// names, then the same names with Pond_Reference_Suffix. Then one row per
/// point i < n: the time i * dt, every current value, every reference
/// value. A series shorter than n leaves its later cells empty.
std::string Pond_Values_Csv(const wxString& time_title, double dt, int n,
                            const std::vector<Pond_Export_Series>& series);

/// The file a save dialog chose, from its directory and file name: ext is
/// added to a name without an extension. Empty when the name is empty.
wxString Pond_Export_Path(const wxString& directory, const wxString& file, const wxString& ext);
