#include "shell/Kept_Picture.h"

#include <algorithm>
#include <gtk/gtk.h>
#include <vector>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/graphics.h>
#include <wx/scrolwin.h>

namespace
{
    // The pictures kept, the one painted last first.
    std::vector<Kept_Picture*> s_Kept;

    void Forget(Kept_Picture* picture)
    {
        s_Kept.erase(std::remove(s_Kept.begin(), s_Kept.end(), picture), s_Kept.end());
    }
}

Kept_Picture::Kept_Picture(wxWindow* window, wxScrollHelperBase* scroller, std::function<void(wxDC&)> draw,
                           std::function<bool()> can_keep)
    : m_pWindow(window), m_pScroller(scroller), m_Draw(std::move(draw)), m_Can_Keep(std::move(can_keep))
{
    // A bound handler comes before the window's own, which is not reached
    // unless this one lets it.
    m_pWindow->Bind(wxEVT_PAINT, &Kept_Picture::On_Paint, this);
}

Kept_Picture::~Kept_Picture()
{
    m_pWindow->Unbind(wxEVT_PAINT, &Kept_Picture::On_Paint, this);
    Forget(this);
}

void Kept_Picture::Drop()
{
    m_Picture = wxBitmap();
    Forget(this);
}

void Kept_Picture::On_Paint(wxPaintEvent& event)
{
    const wxSize size = m_pWindow->GetClientSize();
    const bool new_size = !m_Picture.IsOk() || m_Picture.GetLogicalSize() != size;
    const bool stale = new_size || m_View != m_pScroller->GetViewStart();
    // A picture is made only of the whole window.
    if (!m_Can_Keep() || size.x <= 0 || size.y <= 0 ||
        (stale && m_pWindow->GetUpdateRegion().Contains(wxRect(size)) != wxInRegion))
    {
        Drop();
        event.Skip();
        return;
    }
    if (stale)
    {
        if (new_size)
            m_Picture.CreateWithDIPSize(size, m_pWindow->GetContentScaleFactor());
        Make();
    }
    wxPaintDC dc(m_pWindow);
    dc.DrawBitmap(m_Picture, 0, 0);
}

void Kept_Picture::Make()
{
    m_View = m_pScroller->GetViewStart();
    {
        wxMemoryDC dc(m_Picture);
        // Letters as on the screen: the picture's drawing takes the
        // screen's font settings (smoothing, hinting), not the defaults.
        if (wxGraphicsContext* context = dc.GetGraphicsContext())
            if (GdkScreen* screen = gdk_screen_get_default())
                if (const cairo_font_options_t* options = gdk_screen_get_font_options(screen))
                    cairo_set_font_options(static_cast<cairo_t*>(context->GetNativeContext()), options);
        dc.SetBackground(wxBrush(m_pWindow->GetBackgroundColour()));
        dc.Clear();
        m_Draw(dc);
    }
    Forget(this);
    s_Kept.insert(s_Kept.begin(), this);
    if (s_Kept.size() > Most_Kept)
        s_Kept.back()->Drop();
}
