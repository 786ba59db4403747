#include "shell/Html_Page.h"
#include "shell/Navigation_Tree.h"

#include "tests/support/Gui_Helpers.h"

#include <gtest/gtest.h>
#include <cstring>
#include <memory>
#include <wx/frame.h>
#include <wx/sizer.h>

namespace
{
    wxString Long_Page(const wxString& word)
    {
        wxString html;
        for (int i = 0; i < 200; i++)
            html << "<p>" << word << " " << i << "</p>";
        return html;
    }

    bool Same_Picture(const wxBitmap& a, const wxBitmap& b)
    {
        const wxImage x = a.ConvertToImage(), y = b.ConvertToImage();
        return x.GetSize() == y.GetSize() && memcmp(x.GetData(), y.GetData(), x.GetWidth() * x.GetHeight() * 3) == 0;
    }

    void Paint(wxWindow* window)
    {
        window->Refresh();
        window->Update();
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
    Process_Events();

    Html_Page* page = pages.front();
    for (size_t i = 1; i < pages.size(); i++)
        pages[i]->Hide();
    Paint(page);
    ASSERT_TRUE(page->Get_Picture().IsOk());
    // A new text, and a scrolled view, are painted anew.
    page->SetPage(Long_Page("Neu"));
    EXPECT_FALSE(page->Get_Picture().IsOk());
    Paint(page);
    const wxBitmap top = page->Get_Picture();
    page->Scroll(0, 10);
    Process_Events();
    // Painted as the frame around it is, without the page asking.
    frame->Refresh();
    frame->Update();
    Process_Events();
    ASSERT_TRUE(page->Get_Picture().IsOk());
    EXPECT_FALSE(Same_Picture(top, page->Get_Picture()));

    // Only so many pictures are kept; the page painted longest ago gives its up.
    for (Html_Page* each : pages)
    {
        each->Show();
        Paint(each);
    }
    EXPECT_FALSE(pages.front()->Get_Picture().IsOk());
    for (size_t i = 1; i < pages.size(); i++)
        EXPECT_TRUE(pages[i]->Get_Picture().IsOk()) << i;
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
    ASSERT_TRUE(tree->Get_Picture().IsOk());
    const wxBitmap before = tree->Get_Picture();
    tree->Expand(root);
    Process_Events();
    // Painted as the frame around it is, without the tree asking.
    frame->Refresh();
    frame->Update();
    ASSERT_TRUE(tree->Get_Picture().IsOk());
    EXPECT_FALSE(Same_Picture(before, tree->Get_Picture()));
}
