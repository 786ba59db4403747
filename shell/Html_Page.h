#pragma once

#include "shell/Kept_Picture.h"

#include <wx/html/htmlwin.h>

/// A course page or the tasks pane: an HTML window painted from its kept
/// picture while it is unchanged (its words are measured and drawn one by
/// one otherwise). A page with a background image paints as before.
class Html_Page : public wxHtmlWindow
{
public:
    Html_Page(wxWindow* parent, const wxSize& size, long style);

    void Refresh(bool erase_background = true, const wxRect* rect = nullptr) override;
    void SetHTMLBackgroundImage(const wxBitmapBundle& image) override;

    const wxBitmap& Get_Picture() const { return m_Picture.Get(); }

private:
    void Draw(wxDC& dc);

    bool m_bBackground_Image;
    Kept_Picture m_Picture;
};
