#pragma once

#include <vector>
#include <wx/aui/auibook.h>

class wxHtmlWindow;

/// The glossary ("Lexikon"): a notebook of HTML pages built from one glossary
/// file, one page per initial character and one per "*" entry. Page labels
/// are the keys by which "glossar://" links reach a page.
class CSim_Glossar : public wxAuiNotebook
{
public:
    /// Builds all pages from the glossary file; without a readable file or
    /// without entries the notebook stays empty.
    CSim_Glossar(wxWindow* parent, const wxString& file);
    /// Deletes the pages before the notebook itself goes.
    virtual ~CSim_Glossar();

    /// The notebook has at least one page.
    bool Has_Pages() const;

    /// Sets the HTML font sizes of every page to the base sizes plus offset
    /// (none below 4 points).
    void Set_Font_Offset(int offset);

    /// The page at index, laid out (pages are laid out when first shown,
    /// or here when asked for before).
    wxHtmlWindow* Get_Html_Page(size_t index);

private:
    void On_Page_Changed(wxAuiNotebookEvent& event);

    std::vector<wxString> m_Unshown;  // page texts, emptied once laid out
};
