#include "plugins/pond/Pond_Export.h"

#include "common/Csv_Cells.h"

#include <wx/filename.h>

const char* const Pond_Reference_Suffix = " (Ausgangsfunktion)";

namespace
{
    void Add_Value(std::string& row, const std::vector<double>* values, int i)
    {
        row += ';';
        if (values && size_t(i) < values->size())
            row += Csv_Number((*values)[i]);
    }
}

std::string Pond_Values_Csv(const wxString& time_title, double dt, int n,
                            const std::vector<Pond_Export_Series>& series)
{
    std::string text = Csv_Text(time_title);
    for (const Pond_Export_Series& s : series)
        text += ';' + Csv_Text(s.Name);
    for (const Pond_Export_Series& s : series)
        text += ';' + Csv_Text(s.Name + Pond_Reference_Suffix);
    text += '\n';

    for (int i = 0; i < n; i++)
    {
        std::string row = Csv_Short_Number(i * dt);
        for (const Pond_Export_Series& s : series)
            Add_Value(row, s.pCurrent, i);
        for (const Pond_Export_Series& s : series)
            Add_Value(row, s.pReference, i);
        text += row;
        text += '\n';
    }
    return text;
}

wxString Pond_Export_Path(const wxString& directory, const wxString& file, const wxString& ext)
{
    if (file.empty())
        return wxString();
    wxFileName name(directory, file);
    if (!ext.empty() && !name.HasExt())
        name.SetExt(ext);
    return name.GetFullPath();
}
