#include "shell/Paint_After_Layout.h"

#include "tests/support/Gui_Helpers.h"

#include <gtest/gtest.h>
#include <memory>
#include <wx/dcclient.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/utils.h>

// A pane manager paints a pane at once as it lays it out; with the layout
// guarded, the pane is painted after the layout, and still painted.
TEST(Paint_After_Layout, A_Pane_Is_Painted_Once_Its_Frame_Is_Laid_Out)
{
    std::unique_ptr<wxFrame> frame(new wxFrame(nullptr, wxID_ANY, "Fenster", wxDefaultPosition, wxSize(300, 200)));
    wxPanel* pane = new wxPanel(frame.get());
    int paints = 0;
    pane->Bind(wxEVT_PAINT, [&](wxPaintEvent&) { wxPaintDC dc(pane); paints++; });
    frame->Show();
    Process_Events();

    Paint_After_Layout guard(frame.get());
    int layouts = 0, paints_in_layout = 0;
    frame->Bind(wxEVT_SIZE, [&](wxSizeEvent& event) {
        const int before = paints;
        pane->Refresh();
        pane->Update();
        paints_in_layout += paints - before;
        layouts++;
        event.Skip();
    });
    paints = 0;
    frame->SetSize(wxSize(500, 400));
    for (int wait = 0; wait < 100 && (layouts == 0 || paints == 0); wait++)
    {
        wxMilliSleep(10);
        Process_Events();
    }
    ASSERT_GT(layouts, 0);
    EXPECT_EQ(paints_in_layout, 0);
    EXPECT_GT(paints, 0);
}
