#include "common/Csv_Cells.h"

#include "common/Text_Codec.h"

#include <charconv>
#include <cmath>
#include <limits>

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
}

std::string Csv_Number(double value)
{
    if (!std::isfinite(value))
        return std::string();
    char buffer[Number_Room];
    const std::to_chars_result r =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    return r.ec == std::errc() ? With_Comma(buffer, r.ptr) : std::string();
}

std::string Csv_Short_Number(double value)
{
    if (!std::isfinite(value))
        return std::string();
    // Rounded to 15 significant digits first, which every decimal of that
    // length survives: 3 * 0.1 is 0.30000000000000004 in binary, and its
    // cell says 0,3.
    char buffer[Number_Room];
    std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                                           std::numeric_limits<double>::digits10);
    if (r.ec != std::errc() || std::from_chars(buffer, r.ptr, value).ec != std::errc())
        return std::string();
    r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return r.ec == std::errc() ? With_Comma(buffer, r.ptr) : std::string();
}

std::string Csv_Text(const wxString& text)
{
    std::string bytes = Encode_Windows_1252(text);
    if (bytes.find_first_of(";\"\r\n") == std::string::npos)
        return bytes;
    std::string quoted = "\"";
    for (char c : bytes)
    {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}
