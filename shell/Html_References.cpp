#include "shell/Html_References.h"

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
        static const struct { const char* Name; wxUniChar Char; } named[] = {
            {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", 0xA0},
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
                        out += entity.Char;
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
