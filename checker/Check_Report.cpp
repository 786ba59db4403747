#include "checker/Check_Report.h"

#include <algorithm>
#include <wx/filename.h>

Check_Report::Check_Report(const wxString& directory) : m_Directory(directory)
{
}

size_t Check_Report::File_Index(const wxString& file)
{
    std::vector<wxString>::iterator it = std::find(m_Files.begin(), m_Files.end(), file);
    if (it != m_Files.end())
        return size_t(it - m_Files.begin());
    m_Files.push_back(file);
    return m_Files.size() - 1;
}

void Check_Report::Note_File(const wxString& file)
{
    File_Index(file);
}

void Check_Report::Add(const wxString& file, const wxString& where, const wxString& text)
{
    wxString line = Show(file);
    if (!where.empty())
        line << " " << where;
    line << ": " << text;
    Problem problem = {File_Index(file), line};
    for (const Problem& known : m_Problems)
        if (known.Line == line)
            return;
    m_Problems.push_back(problem);
}

wxString Check_Report::Show(const wxString& path) const
{
    wxFileName name(path);
    if (!name.IsAbsolute() || m_Directory.empty())
        return path;
    // Files outside the course keep their full path: "../../usr/lib/..."
    // would send a teacher looking in the wrong place.
    name.MakeRelativeTo(m_Directory);
    wxString shown = name.GetFullPath();
    if (shown == ".." || shown.StartsWith("../"))
        return path;
    return shown.empty() ? wxString(".") : shown;
}

std::vector<wxString> Check_Report::Lines() const
{
    std::vector<Problem> sorted = m_Problems;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Problem& a, const Problem& b) { return a.File < b.File; });
    std::vector<wxString> lines;
    for (const Problem& problem : sorted)
        lines.push_back(problem.Line);
    return lines;
}

wxString Check_Report::Summary(const wxString& checked) const
{
    wxString count;
    if (m_Problems.empty())
        count = "keine Probleme gefunden.";
    else if (m_Problems.size() == 1)
        count = "1 Problem gefunden.";
    else
        count = wxString::Format("%d Probleme gefunden.", int(m_Problems.size()));
    return wxString::FromUTF8("Geprüft: ") + checked + wxString::FromUTF8(" – ") + count;
}
