#include "plugins/pond/Pond_Export.h"

#include "common/Text_Codec.h"

#include <charconv>
#include <cmath>
#include <wx/filename.h>

const char* const Pond_Reference_Suffix = " (Ausgangsfunktion)";

namespace
{
    // Room for the largest double in fixed notation: 309 digits, a sign,
    // the comma and the decimals.
    constexpr size_t Number_Room = 400;

    std::string With_Comma(const char* first, const char* last)
    {
        std::string text(first, last);
        for (char& c : text)
            if (c == '.')
                c = ',';
        return text;
    }

    // A time in as few digits as read back to the same number: whole
    // steps stay whole ("12"), half steps get one decimal ("0,5").
    std::string Time_Cell(double time)
    {
        char buffer[Number_Room];
        const std::to_chars_result r =
            std::to_chars(buffer, buffer + sizeof buffer, time, std::chars_format::fixed);
        return r.ec == std::errc() ? With_Comma(buffer, r.ptr) : std::string();
    }

    // A header field that would break the row is quoted, its quotes doubled.
    std::string Header_Cell(const wxString& name)
    {
        std::string text = Encode_Windows_1252(name);
        if (text.find_first_of(";\"\r\n") == std::string::npos)
            return text;
        std::string quoted = "\"";
        for (char c : text)
        {
            if (c == '"')
                quoted += '"';
            quoted += c;
        }
        return quoted + '"';
    }

    void Add_Value(std::string& row, const std::vector<double>* values, int i)
    {
        row += ';';
        if (values && size_t(i) < values->size())
            row += Pond_Csv_Number((*values)[i]);
    }
}

std::string Pond_Csv_Number(double value)
{
    if (!std::isfinite(value))
        return std::string();
    char buffer[Number_Room];
    const std::to_chars_result r =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    return r.ec == std::errc() ? With_Comma(buffer, r.ptr) : std::string();
}

std::string Pond_Values_Csv(const wxString& time_title, double dt, int n,
                            const std::vector<Pond_Export_Series>& series)
{
    std::string text = Header_Cell(time_title);
    for (const Pond_Export_Series& s : series)
        text += ';' + Header_Cell(s.Name);
    for (const Pond_Export_Series& s : series)
        text += ';' + Header_Cell(s.Name + Pond_Reference_Suffix);
    text += '\n';

    for (int i = 0; i < n; i++)
    {
        std::string row = Time_Cell(i * dt);
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
