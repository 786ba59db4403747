#include "shell/Html_Page.h"

#include <algorithm>
#include <gtk/gtk.h>
#include <vector>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/graphics.h>
#include <wx/html/htmlcell.h>

namespace
{
    // The pages holding a picture, the one painted last first.
    std::vector<Html_Page*> s_Holders;
}

Html_Page::Html_Page(wxWindow* parent, const wxSize& size, long style)
    : wxHtmlWindow(parent, wxID_ANY, wxDefaultPosition, size, style, "htmlWindow"), m_bBackground_Image(false)
{
    // A bound handler comes before the class's own, which is not reached.
    Bind(wxEVT_PAINT, &Html_Page::On_Paint, this);
}

Html_Page::~Html_Page()
{
    Drop_Picture();
}

void Html_Page::Refresh(bool erase_background, const wxRect* rect)
{
    Drop_Picture();
    wxHtmlWindow::Refresh(erase_background, rect);
}

void Html_Page::SetHTMLBackgroundImage(const wxBitmapBundle& image)
{
    // A page with a background picture is painted by the toolkit itself.
    m_bBackground_Image = image.IsOk();
    wxHtmlWindow::SetHTMLBackgroundImage(image);
}

void Html_Page::On_Paint(wxPaintEvent& event)
{
    const wxSize size = GetClientSize();
    if (m_bBackground_Image || !GetInternalRepresentation() || size.x <= 0 || size.y <= 0)
    {
        Drop_Picture();
        event.Skip();
        return;
    }
    if (!m_Picture.IsOk() || m_Picture.GetLogicalSize() != size || m_Picture_View != GetViewStart())
    {
        // A part of the page (a strip scrolled into view, a selection) is
        // painted by the toolkit as before; a picture is only made of the
        // whole page.
        if (GetUpdateRegion().Contains(wxRect(size)) != wxInRegion)
        {
            Drop_Picture();
            event.Skip();
            return;
        }
        Keep_Picture();
    }
    wxPaintDC dc(this);
    dc.DrawBitmap(m_Picture, 0, 0);
}

void Html_Page::Keep_Picture()
{
    const wxSize size = GetClientSize();
    if (!m_Picture.IsOk() || m_Picture.GetLogicalSize() != size)
        m_Picture.CreateWithDIPSize(size, GetContentScaleFactor());
    m_Picture_View = GetViewStart();
    {
        // As the toolkit paints a page: the background, then the cells
        // from the top of the view to its bottom, the selection marked.
        wxMemoryDC dc(m_Picture);
        // Letters as on the screen: the picture's drawing takes the
        // screen's font settings (smoothing, hinting), not the defaults.
        if (wxGraphicsContext* context = dc.GetGraphicsContext())
            if (GdkScreen* screen = gdk_screen_get_default())
                if (const cairo_font_options_t* options = gdk_screen_get_font_options(screen))
                    cairo_set_font_options(static_cast<cairo_t*>(context->GetNativeContext()), options);
        dc.SetBackground(wxBrush(GetBackgroundColour()));
        dc.Clear();
        PrepareDC(dc);
        dc.SetMapMode(wxMM_TEXT);
        dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
        dc.SetLayoutDirection(GetLayoutDirection());
        wxHtmlRenderingInfo info;
        wxDefaultHtmlRenderingStyle style(this);
        info.SetSelection(m_selection);
        info.SetStyle(&style);
        const int top = m_Picture_View.y * wxHTML_SCROLL_STEP;
        GetInternalRepresentation()->Draw(dc, 0, 0, top, top + size.y, info);
    }
    s_Holders.erase(std::remove(s_Holders.begin(), s_Holders.end(), this), s_Holders.end());
    s_Holders.insert(s_Holders.begin(), this);
    if (s_Holders.size() > Pictures_Kept)
        s_Holders.back()->Drop_Picture();
}

void Html_Page::Drop_Picture()
{
    m_Picture = wxBitmap();
    s_Holders.erase(std::remove(s_Holders.begin(), s_Holders.end(), this), s_Holders.end());
}
