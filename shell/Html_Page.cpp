#include "shell/Html_Page.h"

#include <wx/dc.h>
#include <wx/html/htmlcell.h>

Html_Page::Html_Page(wxWindow* parent, const wxSize& size, long style)
    : wxHtmlWindow(parent, wxID_ANY, wxDefaultPosition, size, style, "htmlWindow"), m_bBackground_Image(false),
      m_Picture(this, this, [this](wxDC& dc) { Draw(dc); },
                [this] { return !m_bBackground_Image && GetInternalRepresentation(); })
{
}

void Html_Page::Refresh(bool erase_background, const wxRect* rect)
{
    m_Picture.Drop();
    wxHtmlWindow::Refresh(erase_background, rect);
}

void Html_Page::SetHTMLBackgroundImage(const wxBitmapBundle& image)
{
    m_bBackground_Image = image.IsOk();
    wxHtmlWindow::SetHTMLBackgroundImage(image);
}

void Html_Page::Draw(wxDC& dc)
{
    // As the toolkit paints a page: the cells from the top of the view to
    // its bottom, the selection marked.
    PrepareDC(dc);
    dc.SetMapMode(wxMM_TEXT);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetLayoutDirection(GetLayoutDirection());
    wxHtmlRenderingInfo info;
    wxDefaultHtmlRenderingStyle style(this);
    info.SetSelection(m_selection);
    info.SetStyle(&style);
    const int top = GetViewStart().y * wxHTML_SCROLL_STEP;
    GetInternalRepresentation()->Draw(dc, 0, 0, top, top + GetClientSize().y, info);
}
