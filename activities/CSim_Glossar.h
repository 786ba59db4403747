#pragma once

#include <memory>
#include <optional>
#include <vector>
#include <wx/aui/auibook.h>

class wxHtmlWindow;
class Paint_After_Layout;

/// The glossary ("Lexikon"): a notebook of HTML pages built from one glossary
/// file, one page per initial character and one per "*" entry. Page labels
/// are the keys by which "glossar://" links reach a page. The file is read
/// at once; the notebook and its pages are made when the glossary is first
/// opened or a link turns to one of its pages (Make_Pages).
class CSim_Glossar : public wxAuiNotebook
{
public:
    /// Reads the glossary file and gathers its pages; without a readable
    /// file or without entries there are none.
    CSim_Glossar(wxWindow* parent, const wxString& file);
    /// Deletes the pages before the notebook itself goes.
    virtual ~CSim_Glossar();

    /// The glossary has at least one page.
    bool Has_Pages() const;

    /// Makes the notebook, hidden, with a page for each, unless it is made
    /// already. Before, the glossary is no window of its parent.
    void Make_Pages();
    bool Is_Made() const { return m_bMade; }

    /// Sets the HTML font sizes of every page to the base sizes plus offset
    /// (none below 4 points).
    void Set_Font_Offset(int offset);

    /// The page at index, laid out (pages are laid out when first shown,
    /// or here when asked for before); null before Make_Pages.
    wxHtmlWindow* Get_Html_Page(size_t index);

private:
    /// Gives a page the font sizes of the offset set, if one is.
    void Apply_Font_Sizes(wxHtmlWindow* html) const;
    void On_Page_Changed(wxAuiNotebookEvent& event);

    wxWindow* m_pOwner;
    bool m_bMade;
    std::vector<wxString> m_Labels;
    std::vector<wxString> m_Unshown;  // page texts, emptied once laid out
    std::optional<int> m_Font_Offset;
    std::unique_ptr<Paint_After_Layout> m_pPaint_After_Layout;
};
