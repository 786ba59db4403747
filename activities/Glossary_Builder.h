#pragma once

#include <string>
#include <vector>
#include <wx/string.h>

/// Reads a glossary file and gathers its entries into pages, without any
/// window, so the glossary's content can be built and checked on its own.
///
/// A glossary file is a sequence of entries "<title>" ... "{body}"; anything
/// outside the brackets is ignored. An entry is held as "title:body", a page
/// as "label:html". Ordinary entries share one page per initial character;
/// an entry whose title begins with "*" gets a page of its own.
class Glossary_Builder
{
public:
    /// The marker in titles and bodies that stands for the glossary file's
    /// directory.
    static const char* const PATH_MARKER;

    /// Reads the glossary file at path (CR LF counts as one line feed;
    /// Windows-1252 or UTF-8) into the sorted entry list. False when the file
    /// cannot be read or holds no entry; the list is then empty.
    bool Read_Entries(const wxString& path);

    /// Reads entries from the raw bytes of a glossary file; directory
    /// replaces the marker (given without a closing "/").
    bool Read_Entries_From_Bytes(std::string bytes, const wxString& directory);

    /// Reads the next entry of text from pos on, advancing pos. False at the
    /// end of the text or when title and body are both empty. Line feeds
    /// become blanks; the marker is left in place. When the text ends inside
    /// the entry (before its ">", "{" or "}"), *missing receives that
    /// character; otherwise it becomes 0.
    static bool Read_Entry(const wxString& text, size_t& pos, wxString& entry,
                           char* missing = nullptr);

    /// The entry of the last read that the end of the file cut short, kept
    /// or not: what it holds as read (title, colon, body so far) and the
    /// bracket the file ended before; Missing is 0 when the file ended
    /// between entries.
    struct Cut_Entry
    {
        wxString Entry;
        char Missing = 0;
    };
    const Cut_Entry& Get_Cut_Entry() const { return m_Cut; }

    /// Builds the sorted page list from the entry list.
    void Build_Pages();

    const std::vector<wxString>& Get_Entries() const { return m_Entries; }
    const std::vector<wxString>& Get_Pages() const { return m_Pages; }

    /// The tab label of a page string: the part before its first colon.
    static wxString Page_Label(const wxString& page);
    /// The HTML of a page string: the part after its first colon.
    static wxString Page_Html(const wxString& page);

    /// The seven HTML font sizes for a font offset, as content pages get them.
    static void Font_Sizes(int offset, int sizes[7]);

    /// Sorts texts by their Windows-1252 bytes, compared unsigned, whatever
    /// encoding the file had.
    static void Sort_By_Bytes(std::vector<wxString>& texts);

private:
    std::vector<wxString> m_Entries;
    std::vector<wxString> m_Pages;
    Cut_Entry m_Cut;
};
