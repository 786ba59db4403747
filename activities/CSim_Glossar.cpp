#include "activities/CSim_Glossar.h"

#include "activities/Glossary_Builder.h"
#include "shell/Paint_After_Layout.h"

#include <wx/html/htmlwin.h>
#include <wx/log.h>

CSim_Glossar::CSim_Glossar(wxWindow* parent, const wxString& file)
    : wxAuiNotebook(), m_pOwner(parent), m_bMade(false)
{
    Glossary_Builder builder;
    if (!builder.Read_Entries(file))
        return;
    builder.Build_Pages();
    for (const wxString& page : builder.Get_Pages())
    {
        if (page.length() <= 1)
            continue;
        m_Labels.push_back(Glossary_Builder::Page_Label(page));
        m_Unshown.push_back("<html><body>" + Glossary_Builder::Page_Html(page) + "</body></html>");
    }
}

void CSim_Glossar::Make_Pages()
{
    if (m_bMade)
        return;
    m_bMade = true;
    Hide();
    Create(m_pOwner, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxAUI_NB_SCROLL_BUTTONS | wxAUI_NB_WINDOWLIST_BUTTON);
    m_pPaint_After_Layout = std::make_unique<Paint_After_Layout>(this);
    for (const wxString& label : m_Labels)
        AddPage(new wxHtmlWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxHW_SCROLLBAR_AUTO, "htmlWindow"),
                label, false);
    // A page is laid out when the pupil first turns to it: at first only
    // the one the notebook shows.
    Bind(wxEVT_AUINOTEBOOK_PAGE_CHANGED, &CSim_Glossar::On_Page_Changed, this);
    if (!m_Unshown.empty())
        Get_Html_Page(0);
}

wxHtmlWindow* CSim_Glossar::Get_Html_Page(size_t index)
{
    wxHtmlWindow* html = m_bMade && index < m_Unshown.size() ? dynamic_cast<wxHtmlWindow*>(GetPage(index)) : nullptr;
    if (html && !m_Unshown[index].empty())
    {
        // A picture a body names but that cannot be loaded shows as a
        // broken image, not as an error box.
        wxLogNull quiet;
        Apply_Font_Sizes(html);
        html->SetPage(m_Unshown[index]);
        m_Unshown[index].clear();
    }
    return html;
}

void CSim_Glossar::On_Page_Changed(wxAuiNotebookEvent& event)
{
    // Pages come on show one after the other as they are deleted.
    if (event.GetSelection() >= 0 && !IsBeingDeleted())
        Get_Html_Page(size_t(event.GetSelection()));
    event.Skip();
}

CSim_Glossar::~CSim_Glossar()
{
    if (!m_bMade)
        return;
    SendDestroyEvent();
    // Frozen, the notebook does not lay out and show each following page
    // in turn: a thousand pages go in seconds instead of a minute.
    Freeze();
    while (GetPageCount() > 0)
        DeletePage(0);
}

bool CSim_Glossar::Has_Pages() const
{
    return !m_Labels.empty();
}

void CSim_Glossar::Set_Font_Offset(int offset)
{
    // The same sizes again would only lay the pages out again.
    if (!Has_Pages() || m_Font_Offset == offset)
        return;
    m_Font_Offset = offset;
    if (!m_bMade)
        return;
    // Setting the fonts lays the page out again and reloads its pictures;
    // a page not laid out yet takes them when it is.
    wxLogNull quiet;
    for (size_t i = 0; i < GetPageCount(); i++)
        if (m_Unshown[i].empty())
            Apply_Font_Sizes(dynamic_cast<wxHtmlWindow*>(GetPage(i)));
}

void CSim_Glossar::Apply_Font_Sizes(wxHtmlWindow* html) const
{
    if (!html || !m_Font_Offset)
        return;
    int sizes[7];
    Glossary_Builder::Font_Sizes(*m_Font_Offset, sizes);
    html->SetFonts(wxEmptyString, wxEmptyString, sizes);
}
