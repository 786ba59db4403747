#include "shell/Html_Page.h"
#include "shell/Navigation_Tree.h"
#include "shell/Paint_After_Layout.h"

#include "tests/support/Gui_Helpers.h"

#include <gtest/gtest.h>
#include <cstring>
#include <memory>
#include <wx/dcclient.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/utils.h>

namespace
{
    wxString Long_Page(const wxString& word)
    {
        wxString html;
        for (int i = 0; i < 200; i++)
            html << "<p>" << word << " " << i << "</p>";
        return html;
    }

    // A missing picture fails the test at its conversion.
    bool Changed(const wxBitmap& before, const wxBitmap& after)
    {
        const wxImage x = before.ConvertToImage(), y = after.ConvertToImage();
        return x.GetSize() != y.GetSize() || memcmp(x.GetData(), y.GetData(), x.GetWidth() * x.GetHeight() * 3) != 0;
    }

    void Paint(wxWindow* window, bool own_refresh = true)
    {
        (own_refresh ? window : window->GetParent())->Refresh();
        window->GetParent()->Update();
        Process_Events();
    }
}

TEST(Html_Page, Keeps_A_Picture_Only_While_The_Page_Stays_As_It_Was_Painted)
{
    std::unique_ptr<wxFrame> frame(new wxFrame(nullptr, wxID_ANY, "Seiten", wxDefaultPosition, wxSize(900, 500)));
    wxBoxSizer* sizer = new wxBoxSizer(wxHORIZONTAL);
    std::vector<Html_Page*> pages;
    for (size_t i = 0; i <= Kept_Picture::Most_Kept; i++)
    {
        pages.push_back(new Html_Page(frame.get(), wxSize(200, 400), wxHW_SCROLLBAR_AUTO));
        pages.back()->SetPage(Long_Page("Seite"));
        sizer->Add(pages.back(), 1, wxEXPAND);
    }
    frame->SetSizer(sizer);
    frame->Show();

    // The others wait hidden, or they would take the first page's picture.
    Html_Page* page = pages.front();
    for (Html_Page* other : pages)
        other->Show(other == page);
    Paint(page);
    // A new text, and a scrolled view, are painted anew.
    page->SetPage(Long_Page("Neu"));
    EXPECT_FALSE(page->Get_Picture().IsOk());
    Paint(page);
    const wxBitmap top = page->Get_Picture();
    page->Scroll(0, 10);
    Paint(page, false);
    EXPECT_TRUE(Changed(top, page->Get_Picture()));

    // Only so many pictures are kept; the page painted longest ago gives its up.
    for (Html_Page* each : pages)
        each->Show(), Paint(each);
    EXPECT_FALSE(pages.front()->Get_Picture().IsOk());
    EXPECT_TRUE(pages[1]->Get_Picture().IsOk() && pages.back()->Get_Picture().IsOk());
}

TEST(Navigation_Tree, A_Changed_Tree_Is_Painted_Anew)
{
    std::unique_ptr<wxFrame> frame(new wxFrame(nullptr, wxID_ANY, "Baum", wxDefaultPosition, wxSize(300, 300)));
    Navigation_Tree* tree = new Navigation_Tree(frame.get(), wxSize(260, 250), wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT);
    const wxTreeItemId root = tree->AddRoot("Kurs");
    tree->AppendItem(root, "Thema");
    frame->Show();
    Process_Events();
    Paint(tree);
    const wxBitmap before = tree->Get_Picture();
    tree->Expand(root);
    Process_Events();
    Paint(tree, false);
    EXPECT_TRUE(Changed(before, tree->Get_Picture()));
}

// A pane manager paints a pane at once as it lays it out: guarded, the
// pane is painted after the layout instead, and still painted.
TEST(Paint_After_Layout, A_Pane_Is_Painted_Once_Its_Frame_Is_Laid_Out)
{
    std::unique_ptr<wxFrame> frame(new wxFrame(nullptr, wxID_ANY, "Fenster"));
    wxPanel* pane = new wxPanel(frame.get());
    int paints = 0;
    pane->Bind(wxEVT_PAINT, [&](wxPaintEvent&) { wxPaintDC dc(pane); paints++; });
    const auto painted = [&] {
        paints = 0;
        for (int wait = 0; wait < 100 && paints == 0; wait++, wxMilliSleep(10))
            Process_Events();
    };
    frame->Show();
    painted();
    Paint_After_Layout guard(frame.get());
    frame->Bind(wxEVT_SIZE, [&](wxSizeEvent&) { pane->Refresh(); pane->Update(); });
    paints = 0;
    wxSizeEvent size(frame->GetSize());
    frame->ProcessWindowEvent(size);
    EXPECT_EQ(paints, 0);
    painted();
    EXPECT_GT(paints, 0);
}
