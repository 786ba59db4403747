#include "activities/CSim_Glossar.h"

#include "activities/Glossary_Builder.h"

#include <wx/html/htmlwin.h>
#include <wx/log.h>

CSim_Glossar::CSim_Glossar(wxWindow* parent, const wxString& file)
    : wxAuiNotebook(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                    wxAUI_NB_SCROLL_BUTTONS | wxAUI_NB_WINDOWLIST_BUTTON)
{
    Glossary_Builder builder;
    if (!builder.Read_Entries(file))
        return;
    builder.Build_Pages();

    // A picture a body names but that cannot be loaded shows as a broken
    // image, not as an error box.
    wxLogNull quiet;
    for (const wxString& page : builder.Get_Pages())
    {
        if (page.length() <= 1)
            continue;
        wxHtmlWindow* html = new wxHtmlWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                              wxHW_SCROLLBAR_AUTO, "htmlWindow");
        AddPage(html, Glossary_Builder::Page_Label(page), false);
        m_Unshown.push_back("<html><body>" + Glossary_Builder::Page_Html(page) + "</body></html>");
    }
    // A page is laid out when the pupil first turns to it: at start only
    // the first one, which the notebook shows.
    Bind(wxEVT_AUINOTEBOOK_PAGE_CHANGED, &CSim_Glossar::On_Page_Changed, this);
    if (!m_Unshown.empty())
        Get_Html_Page(0);
}

wxHtmlWindow* CSim_Glossar::Get_Html_Page(size_t index)
{
    wxHtmlWindow* html = index < m_Unshown.size() ? dynamic_cast<wxHtmlWindow*>(GetPage(index)) : nullptr;
    if (html && !m_Unshown[index].empty())
    {
        wxLogNull quiet;
        html->SetPage(m_Unshown[index]);
        m_Unshown[index].clear();
    }
    return html;
}

void CSim_Glossar::On_Page_Changed(wxAuiNotebookEvent& event)
{
    if (event.GetSelection() >= 0)
        Get_Html_Page(size_t(event.GetSelection()));
    event.Skip();
}

CSim_Glossar::~CSim_Glossar()
{
    // Frozen, the notebook does not lay out and show each following page
    // in turn: a thousand pages go in seconds instead of a minute.
    Freeze();
    while (GetPageCount() > 0)
        DeletePage(0);
}

bool CSim_Glossar::Has_Pages() const
{
    return GetPageCount() > 0;
}

void CSim_Glossar::Set_Font_Offset(int offset)
{
    if (!Has_Pages())
        return;
    int sizes[7];
    Glossary_Builder::Font_Sizes(offset, sizes);
    // Setting the fonts lays the page out again and reloads its pictures.
    wxLogNull quiet;
    for (size_t i = 0; i < GetPageCount(); i++)
        if (wxHtmlWindow* html = dynamic_cast<wxHtmlWindow*>(GetPage(i)))
            html->SetFonts(wxEmptyString, wxEmptyString, sizes);
}
