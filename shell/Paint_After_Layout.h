#pragma once

#include <wx/event.h>

class wxWindow;

/// Holds the painting of a window's frame back while the window handles a
/// change of its size, and lets the frame be painted once afterwards. The
/// pane managers and notebooks paint at once after each step of a layout,
/// and on this toolkit a tab strip painting at once paints the whole frame:
/// a frame growing to its maximised size was painted first in its old
/// layout, then again for each pane laid out.
class Paint_After_Layout : public wxEvtHandler
{
public:
    /// Comes before all of window's event handlers for as long as it lives,
    /// so the window's pane manager must be given the window first.
    explicit Paint_After_Layout(wxWindow* window);
    ~Paint_After_Layout() override;
    Paint_After_Layout(const Paint_After_Layout&) = delete;
    Paint_After_Layout& operator=(const Paint_After_Layout&) = delete;

    bool ProcessEvent(wxEvent& event) override;

private:
    wxWindow* m_pWindow;
};
