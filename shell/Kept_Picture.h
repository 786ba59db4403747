#pragma once

#include <functional>
#include <wx/bitmap.h>
#include <wx/gdicmn.h>

class wxDC;
class wxPaintEvent;
class wxScrollHelperBase;
class wxWindow;

/// The picture of a window's last painting, copied whenever the window is
/// painted unchanged. The toolkit paints a window again whenever anything
/// around it changes: a pane laid out, the frame growing to its maximised
/// size, a scroll bar fading in. A window drawn item by item (an HTML page
/// word by word, a tree with the theme's expander buttons) is then drawn
/// anew each time. The window changes only when it asks to be painted again
/// (its Refresh drops the picture), is scrolled or changes its size; any
/// other painting of the whole window copies the picture. A part of the
/// window (a strip scrolled into view) is painted by the window as before.
class Kept_Picture
{
public:
    /// draw paints the whole window into a DC as its own painting does;
    /// can_keep says whether it may (else the window paints as before).
    Kept_Picture(wxWindow* window, wxScrollHelperBase* scroller, std::function<void(wxDC&)> draw,
                 std::function<bool()> can_keep);
    ~Kept_Picture();
    Kept_Picture(const Kept_Picture&) = delete;
    Kept_Picture& operator=(const Kept_Picture&) = delete;

    void Drop();
    const wxBitmap& Get() const { return m_Picture; }

    /// How many windows keep a picture at most; the one painted longest
    /// ago gives its picture up first.
    static constexpr size_t Most_Kept = 3;

private:
    void On_Paint(wxPaintEvent& event);
    void Make();

    wxWindow* m_pWindow;
    wxScrollHelperBase* m_pScroller;
    std::function<void(wxDC&)> m_Draw;
    std::function<bool()> m_Can_Keep;
    wxBitmap m_Picture;
    wxPoint m_View;
};
