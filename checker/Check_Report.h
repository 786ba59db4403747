#pragma once

#include <cstddef>
#include <vector>
#include <wx/string.h>

/// The problems a course check found, one line each, file by file in the
/// order the files were read, each file's problems in the order found.
class Check_Report
{
public:
    /// Paths are shown relative to directory (the directory of the checked
    /// file, with a trailing "/").
    explicit Check_Report(const wxString& directory);

    /// Notes that file is read now; it takes its place in the order.
    void Note_File(const wxString& file);

    /// Adds a problem of file at where (a group and key, a line; may be
    /// empty). The same problem given twice is kept once.
    void Add(const wxString& file, const wxString& where, const wxString& text);

    /// path as shown to the teacher: relative to the course directory when
    /// inside it, otherwise in full.
    wxString Show(const wxString& path) const;

    size_t Count() const { return m_Problems.size(); }

    /// The lines, in the report's order.
    std::vector<wxString> Lines() const;

    /// The last line: what was checked, and how many problems were found.
    wxString Summary(const wxString& checked) const;

private:
    struct Problem
    {
        size_t File;
        wxString Line;
    };

    size_t File_Index(const wxString& file);

    wxString m_Directory;
    std::vector<wxString> m_Files;
    std::vector<Problem> m_Problems;
};
