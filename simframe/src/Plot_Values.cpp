#include "simframe/src/Plot_Values.h"

#include "common/Csv_Cells.h"
#include "tirsal/Plot_Export.h"

#include <wx/filename.h>

namespace
{
    const char* const Reference_Suffix = " (Ausgangsfunktion)";

    void Add_Value(std::string& row, const std::vector<double>* values, int i)
    {
        row += ';';
        if (values && size_t(i) < values->size())
            row += Csv_Number((*values)[i]);
    }
}

std::string Plot_Values_Csv(const wxString& time_title, double dt, int n,
                            const std::vector<Plot_Series>& series)
{
    std::string text = Csv_Text(time_title);
    for (const Plot_Series& s : series)
        text += ';' + Csv_Text(s.Name);
    for (const Plot_Series& s : series)
        if (s.pReference)
            text += ';' + Csv_Text(s.Name + Reference_Suffix);
    text += '\n';

    for (int i = 0; i < n; i++)
    {
        std::string row = Csv_Short_Number(i * dt);
        for (const Plot_Series& s : series)
            Add_Value(row, s.pCurrent, i);
        for (const Plot_Series& s : series)
            if (s.pReference)
                Add_Value(row, s.pReference, i);
        text += row;
        text += '\n';
    }
    return text;
}

wxString Export_File_Path(const wxString& directory, const wxString& file, const wxString& ext)
{
    if (file.empty())
        return wxString();
    wxFileName name(directory, file);
    if (!ext.empty() && !name.HasExt())
        name.SetExt(ext);
    return name.GetFullPath();
}
