#pragma once

#include <map>
#include <vector>
#include <wx/string.h>

/// What a course tells the report about its activity logs: the labels its
/// navigation tree shows, in the tree's order, and which theme shows which
/// exercise file.
struct Course_Items
{
    wxString Title;
    wxString Root;                           ///< the label of the root theme
    std::vector<wxString> Labels;            ///< every theme, root first, and "Lexikon"
    std::map<wxString, wxString> Exercises;  ///< exercise file name -> its theme

    bool Is_Item(const wxString& label) const;
};

/// Reads the course at path (a theme file or a "sim_corvena.ini" naming
/// one) as the program builds its tree; false when it cannot be read.
bool Read_Course_Items(const wxString& path, Course_Items* items);
