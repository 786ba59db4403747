#include "checker/Html_References.h"

#include <cwctype>

namespace
{
    bool Is_Space(wxUniChar c)
    {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
    }

    bool Is_Name_End(wxUniChar c)
    {
        return Is_Space(c) || c == '=' || c == '>' || c == '/';
    }

    // The character entities a course page is likely to hold in a file name.
    wxString Decode_Entities(const wxString& value)
    {
        if (!value.Contains("&"))
            return value;
        // The entities course pages use: markup characters, the Latin-1 letters
        // (umlauts) and a few typographic signs, as the HTML window knows them.
        static const struct { const char* Name; unsigned Char; } named[] = {
            {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''},
            {"ndash", 0x2013}, {"mdash", 0x2014}, {"bdquo", 0x201E}, {"ldquo", 0x201C},
            {"rdquo", 0x201D}, {"hellip", 0x2026}, {"euro", 0x20AC}, {"rarr", 0x2192},
            {"nbsp", 0xA0}, {"iexcl", 0xA1}, {"cent", 0xA2}, {"pound", 0xA3}, {"curren", 0xA4},
            {"yen", 0xA5}, {"brvbar", 0xA6}, {"sect", 0xA7}, {"uml", 0xA8}, {"copy", 0xA9},
            {"ordf", 0xAA}, {"laquo", 0xAB}, {"not", 0xAC}, {"shy", 0xAD}, {"reg", 0xAE},
            {"macr", 0xAF}, {"deg", 0xB0}, {"plusmn", 0xB1}, {"sup2", 0xB2}, {"sup3", 0xB3},
            {"acute", 0xB4}, {"micro", 0xB5}, {"para", 0xB6}, {"middot", 0xB7}, {"cedil", 0xB8},
            {"sup1", 0xB9}, {"ordm", 0xBA}, {"raquo", 0xBB}, {"frac14", 0xBC}, {"frac12", 0xBD},
            {"frac34", 0xBE}, {"iquest", 0xBF}, {"Agrave", 0xC0}, {"Aacute", 0xC1}, {"Acirc",
            0xC2}, {"Atilde", 0xC3}, {"Auml", 0xC4}, {"Aring", 0xC5}, {"AElig", 0xC6},
            {"Ccedil", 0xC7}, {"Egrave", 0xC8}, {"Eacute", 0xC9}, {"Ecirc", 0xCA}, {"Euml",
            0xCB}, {"Igrave", 0xCC}, {"Iacute", 0xCD}, {"Icirc", 0xCE}, {"Iuml", 0xCF}, {"ETH",
            0xD0}, {"Ntilde", 0xD1}, {"Ograve", 0xD2}, {"Oacute", 0xD3}, {"Ocirc", 0xD4},
            {"Otilde", 0xD5}, {"Ouml", 0xD6}, {"times", 0xD7}, {"Oslash", 0xD8}, {"Ugrave",
            0xD9}, {"Uacute", 0xDA}, {"Ucirc", 0xDB}, {"Uuml", 0xDC}, {"Yacute", 0xDD},
            {"THORN", 0xDE}, {"szlig", 0xDF}, {"agrave", 0xE0}, {"aacute", 0xE1}, {"acirc",
            0xE2}, {"atilde", 0xE3}, {"auml", 0xE4}, {"aring", 0xE5}, {"aelig", 0xE6},
            {"ccedil", 0xE7}, {"egrave", 0xE8}, {"eacute", 0xE9}, {"ecirc", 0xEA}, {"euml",
            0xEB}, {"igrave", 0xEC}, {"iacute", 0xED}, {"icirc", 0xEE}, {"iuml", 0xEF}, {"eth",
            0xF0}, {"ntilde", 0xF1}, {"ograve", 0xF2}, {"oacute", 0xF3}, {"ocirc", 0xF4},
            {"otilde", 0xF5}, {"ouml", 0xF6}, {"divide", 0xF7}, {"oslash", 0xF8}, {"ugrave",
            0xF9}, {"uacute", 0xFA}, {"ucirc", 0xFB}, {"uuml", 0xFC}, {"yacute", 0xFD},
            {"thorn", 0xFE}, {"yuml", 0xFF}
        };
        wxString out;
        size_t i = 0;
        while (i < value.length())
        {
            size_t semi = value[i] == '&' ? value.find(';', i) : wxString::npos;
            if (semi == wxString::npos || semi - i > 10)
            {
                out += value[i++];
                continue;
            }
            wxString name = value.substr(i + 1, semi - i - 1);
            bool done = false;
            unsigned long code;
            if (name.StartsWith("#x", nullptr) || name.StartsWith("#X", nullptr))
                done = name.Mid(2).ToULong(&code, 16);
            else if (name.StartsWith("#"))
                done = name.Mid(1).ToULong(&code, 10);
            if (done && code > 0 && code < 0x110000)
                out += wxUniChar(code);
            else
            {
                done = false;
                for (const auto& entity : named)
                    if (name == entity.Name)
                    {
                        out += wxUniChar(entity.Char);
                        done = true;
                    }
            }
            if (!done)
            {
                out += value[i++];
                continue;
            }
            i = semi + 1;
        }
        return out;
    }
}

std::vector<Html_Reference> Find_Html_References(const wxString& html)
{
    std::vector<Html_Reference> found;
    const std::wstring text = html.ToStdWstring();
    const size_t n = text.size();
    size_t i = 0;
    int line = 1;
    size_t counted = 0;  // line holds the line of position counted
    auto line_at = [&](size_t pos) {
        for (; counted < pos && counted < n; counted++)
            if (text[counted] == L'\n')
                line++;
        return line;
    };

    while (i < n)
    {
        if (text[i] != L'<')
        {
            i++;
            continue;
        }
        if (text.compare(i, 4, L"<!--") == 0)
        {
            size_t end = text.find(L"-->", i + 4);
            i = end == std::wstring::npos ? n : end + 3;
            continue;
        }
        // The tag name, then its attributes up to the closing ">".
        size_t p = i + 1;
        if (p >= n || !(iswalpha(text[p])))
        {
            i++;
            continue;
        }
        while (p < n && !Is_Name_End(text[p]))
            p++;
        while (p < n && text[p] != L'>')
        {
            if (Is_Space(text[p]) || text[p] == L'/')
            {
                p++;
                continue;
            }
            size_t name_start = p;
            while (p < n && !Is_Name_End(text[p]))
                p++;
            wxString name(text.substr(name_start, p - name_start));
            if (p == name_start)
            {
                p++;
                continue;
            }
            size_t q = p;
            while (q < n && Is_Space(text[q]))
                q++;
            if (q >= n || text[q] != L'=')
                continue;
            q++;
            while (q < n && Is_Space(text[q]))
                q++;
            size_t value_start, value_end;
            if (q < n && (text[q] == L'"' || text[q] == L'\''))
            {
                wchar_t quote = text[q];
                value_start = q + 1;
                value_end = text.find(quote, value_start);
                if (value_end == std::wstring::npos)
                    value_end = n;
                p = value_end < n ? value_end + 1 : n;
            }
            else
            {
                value_start = q;
                value_end = q;
                while (value_end < n && !Is_Space(text[value_end]) && text[value_end] != L'>')
                    value_end++;
                p = value_end;
            }
            name.MakeLower();
            if (name == "href" || name == "src")
            {
                Html_Reference reference;
                reference.Attribute = name;
                reference.Value = Decode_Entities(wxString(text.substr(value_start, value_end - value_start)));
                reference.Line = line_at(name_start);
                found.push_back(reference);
            }
        }
        i = p < n ? p + 1 : n;
    }
    return found;
}
