#include "shell/Navigation_Tree.h"

#include <wx/dc.h>

Navigation_Tree::Navigation_Tree(wxWindow* parent, const wxSize& size, long style)
    : wxTreeCtrl(parent, wxID_ANY, wxDefaultPosition, size, style),
      m_Picture(this, this, [this](wxDC& dc) { Draw(dc); },
                // At a larger screen scale the labels come out of a picture
                // with their letters placed a little apart from where the
                // toolkit puts them: the tree paints itself there.
                [this] { return m_anchor != nullptr && GetContentScaleFactor() == 1; })
{
}

void Navigation_Tree::Refresh(bool erase_background, const wxRect* rect)
{
    m_Picture.Drop();
    wxTreeCtrl::Refresh(erase_background, rect);
}

void Navigation_Tree::Draw(wxDC& dc)
{
    // As the toolkit paints the tree: every shown item from the root down.
    PrepareDC(dc);
    dc.SetFont(m_normalFont);
    dc.SetPen(m_dottedPen);
    int y = 2;
    PaintLevel(m_anchor, dc, 0, y);
}
