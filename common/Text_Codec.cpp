#include "common/Text_Codec.h"

#include <clocale>
#include <cstdio>
#include <cstring>
#include <langinfo.h>
#include <sys/stat.h>

namespace
{
    // Windows-1252 bytes 0x80 to 0x9F. The five bytes the code page leaves
    // undefined map to the C1 control of the same value, as Windows does.
    const wchar_t s_High[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };

    bool Is_Valid_UTF8(const std::string& s, bool& non_ascii)
    {
        non_ascii = false;
        size_t i = 0, n = s.size();
        while (i < n)
        {
            unsigned char c = s[i];
            if (c < 0x80) { i++; continue; }
            non_ascii = true;
            size_t len;
            unsigned min;
            unsigned cp;
            if ((c & 0xE0) == 0xC0) { len = 2; cp = c & 0x1F; min = 0x80; }
            else if ((c & 0xF0) == 0xE0) { len = 3; cp = c & 0x0F; min = 0x800; }
            else if ((c & 0xF8) == 0xF0) { len = 4; cp = c & 0x07; min = 0x10000; }
            else return false;
            if (i + len > n) return false;
            for (size_t k = 1; k < len; k++)
            {
                unsigned char cc = s[i + k];
                if ((cc & 0xC0) != 0x80) return false;
                cp = (cp << 6) | (cc & 0x3F);
            }
            if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
                return false;
            i += len;
        }
        return true;
    }

    wxString Decode_Windows_1252(const std::string& bytes)
    {
        std::wstring w;
        w.reserve(bytes.size());
        for (unsigned char c : bytes)
            w.push_back(c >= 0x80 && c < 0xA0 ? s_High[c - 0x80] : wchar_t(c));
        return wxString(w);
    }
}

wxString Decode_Course_Text(const std::string& bytes)
{
    if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
    {
        std::string rest = bytes.substr(3);
        bool non_ascii;
        if (Is_Valid_UTF8(rest, non_ascii))
            return wxString::FromUTF8(rest.data(), rest.size());
        return Decode_Windows_1252(rest);
    }
    bool non_ascii;
    if (Is_Valid_UTF8(bytes, non_ascii) && non_ascii)
        return wxString::FromUTF8(bytes.data(), bytes.size());
    return Decode_Windows_1252(bytes);
}

std::string Encode_Windows_1252(const wxString& text)
{
    std::string out;
    out.reserve(text.length());
    for (wxString::const_iterator it = text.begin(); it != text.end(); ++it)
    {
        wxUniChar::value_type c = (*it).GetValue();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        {
            out.push_back(char(c));
            continue;
        }
        char mapped = '?';
        for (int k = 0; k < 32; k++)
            if (wxUniChar::value_type(s_High[k]) == c)
            {
                mapped = char(0x80 + k);
                break;
            }
        out.push_back(mapped);
    }
    return out;
}

void Squeeze_CRLF(std::string& bytes)
{
    size_t out = 0;
    for (size_t i = 0; i < bytes.size(); i++)
    {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            continue;
        bytes[out++] = bytes[i];
    }
    bytes.resize(out);
}

bool Read_File_Bytes(const wxString& path, std::string& bytes)
{
    if (path.empty())
        return false;
    FILE* f = fopen(path.fn_str(), "rb");
    if (!f)
        return false;
    struct stat st;
    if (fstat(fileno(f), &st) != 0 || S_ISDIR(st.st_mode))
    {
        fclose(f);
        return false;
    }
    std::string data;
    char buffer[65536];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, f)) > 0)
        data.append(buffer, got);
    bool ok = !ferror(f);
    fclose(f);
    if (ok)
        bytes.swap(data);
    return ok;
}

bool Read_Course_Text(const wxString& path, wxString& text)
{
    std::string bytes;
    if (!Read_File_Bytes(path, bytes))
        return false;
    Squeeze_CRLF(bytes);
    text = Decode_Course_Text(bytes);
    return true;
}

void Use_UTF8_Character_Locale()
{
    const char* set = setlocale(LC_CTYPE, "");
    if (set && strcmp(nl_langinfo(CODESET), "UTF-8") == 0)
        return;
    if (!setlocale(LC_CTYPE, "C.UTF-8"))
        setlocale(LC_CTYPE, "C.utf8");
}
