#pragma once

#include "shell/Kept_Picture.h"

#include <wx/treectrl.h>

/// The navigation tree, painted from its kept picture while it is
/// unchanged: the theme's expander buttons cost the toolkit an icon lookup
/// each time they are drawn.
class Navigation_Tree : public wxTreeCtrl
{
public:
    Navigation_Tree(wxWindow* parent, const wxSize& size, long style);

    void Refresh(bool erase_background = true, const wxRect* rect = nullptr) override;

    const wxBitmap& Get_Picture() const { return m_Picture.Get(); }

private:
    void Draw(wxDC& dc);

    Kept_Picture m_Picture;
};
