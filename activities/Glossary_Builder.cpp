#include "activities/Glossary_Builder.h"

#include "common/Text_Codec.h"
#include "shell/Link_Rewriting.h"

#include <algorithm>
#include <wx/filename.h>

const char* const Glossary_Builder::PATH_MARKER = "GLOSSAR_PATH";

namespace
{
    // Replaces every occurrence in one pass; wxString::Replace may move the
    // tail of the string once per occurrence.
    void Replace_All(wxString& text, const wxString& from, const wxString& to)
    {
        size_t found = text.find(from);
        if (found == wxString::npos)
            return;
        wxString out;
        out.reserve(text.length() + to.length());
        size_t start = 0;
        while (found != wxString::npos)
        {
            out.append(text, start, found - start);
            out += to;
            start = found + from.length();
            found = text.find(from, start);
        }
        out.append(text, start, wxString::npos);
        text.swap(out);
    }

    // Moves pos past the next occurrence of c, or to the end of the text;
    // false when there is no c.
    bool Skip_Past(const wxString& text, size_t& pos, wxUniChar c)
    {
        size_t found = text.find(c, pos);
        pos = found == wxString::npos ? text.length() : found + 1;
        return found != wxString::npos;
    }

    // Appends the characters before the next c (or up to the end) and moves
    // pos past that c; false when there is no c.
    bool Append_Until(const wxString& text, size_t& pos, wxUniChar c, wxString& out)
    {
        size_t found = text.find(c, pos);
        size_t end = found == wxString::npos ? text.length() : found;
        out.append(text, pos, end - pos);
        pos = found == wxString::npos ? text.length() : found + 1;
        return found != wxString::npos;
    }
}

bool Glossary_Builder::Read_Entries(const wxString& path)
{
    m_Entries.clear();
    m_Cut = Cut_Entry();
    std::string bytes;
    if (!Read_File_Bytes(path, bytes))
        return false;
    // Bodies refer to files beside the glossary with absolute paths,
    // whatever the working directory.
    wxFileName name(path);
    name.MakeAbsolute();
    name.Normalize(wxPATH_NORM_DOTS | wxPATH_NORM_ABSOLUTE);
    return Read_Entries_From_Bytes(std::move(bytes), name.GetPath(wxPATH_GET_VOLUME));
}

bool Glossary_Builder::Read_Entries_From_Bytes(std::string bytes, const wxString& directory)
{
    m_Entries.clear();
    m_Cut = Cut_Entry();
    Squeeze_CRLF(bytes);
    const wxString text = Decode_Course_Text(bytes);
    const wxString marker(PATH_MARKER);
    size_t pos = 0;
    wxString entry;
    while (pos < text.length())
    {
        char missing;
        bool read = Read_Entry(text, pos, entry, &missing);
        if (missing)
            m_Cut = {entry, missing};
        if (!read)
            continue;
        Replace_All(entry, marker, directory);
        m_Entries.push_back(entry);
    }
    if (m_Entries.empty())
        return false;
    Sort_By_Bytes(m_Entries);
    return true;
}

bool Glossary_Builder::Read_Entry(const wxString& text, size_t& pos, wxString& entry, char* missing)
{
    entry.clear();
    if (missing)
        *missing = 0;
    if (pos >= text.length())
        return false;
    // Text after the last entry holds no "<": it starts no entry, so the end
    // of the file cuts nothing short there.
    const bool opened = text.find('<', pos) != wxString::npos;
    char cut = 0;
    Skip_Past(text, pos, '<');
    if (!Append_Until(text, pos, '>', entry))
        cut = '>';
    entry += ':';
    if (!cut)
    {
        if (!Skip_Past(text, pos, '{'))
            cut = '{';
        else if (!Append_Until(text, pos, '}', entry))
            cut = '}';
    }
    for (wxString::iterator it = entry.begin(); it != entry.end(); ++it)
        if (*it == '\n')
            *it = ' ';
    if (missing && opened)
        *missing = cut;
    return entry.length() > 1;
}

void Glossary_Builder::Build_Pages()
{
    m_Pages.clear();
    wxString page;
    bool has_initial = false;
    wxUniChar initial;
    for (const wxString& entry : m_Entries)
    {
        if (entry.empty())
            continue;
        const wxUniChar first = entry[0];
        const bool own_page = first == '*';
        size_t colon = entry.find(':');
        if (colon == wxString::npos)
            colon = entry.length();
        const wxString title = entry.substr(0, colon);
        const wxString heading = own_page ? title.substr(1) : title;

        if (has_initial && first == initial && !own_page)
            page += "<hr>";
        else
        {
            if (page.length() > 1)
                m_Pages.push_back(std::move(page));
            initial = first;
            has_initial = true;
            page = own_page ? heading : wxString(first);
            page += ':';
        }
        page += "<h4>";
        page += heading;
        page += "</h4><p>";
        page.append(entry, std::min(colon + 1, entry.length()), wxString::npos);
        page += "</p>";
    }
    if (page.length() > 1)
        m_Pages.push_back(std::move(page));
    Sort_By_Bytes(m_Pages);
}

wxString Glossary_Builder::Page_Label(const wxString& page)
{
    return page.BeforeFirst(':');
}

wxString Glossary_Builder::Page_Html(const wxString& page)
{
    return page.AfterFirst(':');
}

void Glossary_Builder::Font_Sizes(int offset, int sizes[7])
{
    // The same sizes as the content pages get.
    Html_Font_Sizes(offset, sizes);
}

void Glossary_Builder::Sort_By_Bytes(std::vector<wxString>& texts)
{
    std::vector<std::pair<std::string, size_t>> keys;
    keys.reserve(texts.size());
    for (size_t i = 0; i < texts.size(); i++)
        keys.emplace_back(Encode_Windows_1252(texts[i]), i);
    // std::string compares its bytes as unsigned char; texts whose bytes are
    // equal (characters the code page lacks) keep their order.
    std::sort(keys.begin(), keys.end());
    std::vector<wxString> sorted;
    sorted.reserve(texts.size());
    for (const auto& key : keys)
        sorted.push_back(std::move(texts[key.second]));
    texts.swap(sorted);
}
