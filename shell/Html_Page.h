#pragma once

#include <wx/bitmap.h>
#include <wx/html/htmlwin.h>

/// An HTML page that keeps the picture of its last painting. The toolkit
/// paints a page again whenever anything around it changes: a pane laid out,
/// the frame growing to its maximised size, a scroll bar fading in. Each time
/// it measures and draws every word once more. The page itself changes only
/// when it asks to be painted again (a new text, a new layout, a selection),
/// is scrolled or changes its size; any other painting copies the picture.
class Html_Page : public wxHtmlWindow
{
public:
    Html_Page(wxWindow* parent, const wxSize& size, long style);
    ~Html_Page() override;

    void Refresh(bool erase_background = true, const wxRect* rect = nullptr) override;
    void SetHTMLBackgroundImage(const wxBitmapBundle& image) override;

    /// The picture the next painting of the whole page copies, if it is
    /// of the page as it is now; not valid if there is none.
    const wxBitmap& Get_Picture() const { return m_Picture; }

    /// How many pages keep a picture at most; the one painted longest ago
    /// gives its picture up first.
    static constexpr size_t Pictures_Kept = 3;

private:
    void On_Paint(wxPaintEvent& event);
    void Keep_Picture();
    void Drop_Picture();

    wxBitmap m_Picture;
    wxPoint m_Picture_View;
    bool m_bBackground_Image;
};
