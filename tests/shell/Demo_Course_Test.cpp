// The staged demo course in a real main window: every icon is the program's
// own, every theme loads without a problem page, every page shows text and
// every control can be reached.

#include "activities/CSim_Reflections.h"
#include "activities/CSim_Selftest.h"
#include "shell/CSim_Frame.h"
#include "shell/CSim_Themes.h"
#include "shell/Icon_Art_Provider.h"
#include "tests/support/Frame_Fixture.h"
#include "tests/support/Gui_Helpers.h"
#include "tests/support/Html_Inspection.h"

#include <cstdlib>
#include <functional>
#include <set>
#include <wx/image.h>
#include <wx/html/htmlwin.h>

class Demo_Course_Window : public Frame_Fixture
{
protected:
    // The course records into the pupil's home: here a directory of the test.
    void SetUp() override
    {
        m_Old_Home = getenv("HOME") ? getenv("HOME") : "";
        setenv("HOME", m_Home.Path_Str().c_str(), 1);
    }

    void TearDown() override
    {
        Frame_Fixture::TearDown();
        setenv("HOME", m_Old_Home.c_str(), 1);
    }

    Temp_Dir m_Home;
    std::string m_Old_Home;
};

namespace
{
    // Notes which identifiers the program asked its own icons for, and
    // which of them have no drawing.
    class Recording_Provider : public Icon_Art_Provider
    {
    public:
        using Icon_Art_Provider::Icon_Art_Provider;
        std::set<wxString> Drawn, Missing;

    protected:
        wxBitmapBundle CreateBitmapBundle(const wxArtID& id, const wxArtClient& client, const wxSize& size) override
        {
            wxBitmapBundle bundle = Icon_Art_Provider::CreateBitmapBundle(id, client, size);
            if (client == wxART_OTHER)
                (bundle.IsOk() ? Drawn : Missing).insert(id);
            return bundle;
        }
    };

    // How many pixels of a bitmap are visible, and how many of them coloured.
    std::pair<int, int> Inked_And_Coloured(const wxBitmap& bitmap)
    {
        const wxImage image = bitmap.ConvertToImage();
        int inked = 0, coloured = 0;
        for (int y = 0; y < image.GetHeight(); y++)
            for (int x = 0; x < image.GetWidth(); x++)
                if (!image.HasAlpha() || image.GetAlpha(x, y) > 0)
                {
                    inked++;
                    coloured += image.GetRed(x, y) != image.GetGreen(x, y) || image.GetGreen(x, y) != image.GetBlue(x, y);
                }
        return {inked, coloured};
    }
}

TEST_F(Demo_Course_Window, Every_Icon_Is_Drawn_For_The_Program_And_Greyed_When_Disabled)
{
    Recording_Provider* provider = new Recording_Provider(CORVENA_STAGE_DIR "/icons");
    wxArtProvider::Push(provider);
    Write_Ini("THEMES=" CORVENA_STAGE_DIR "/course/themen.ini\nDOLOG=0\n");
    Make_Frame();
    EXPECT_TRUE(provider->Missing.empty()) << *provider->Missing.begin();
    EXPECT_FALSE(provider->Drawn.empty());
    // At twice the size for a doubled screen scale, coloured; the disabled
    // look of the same size grey.
    for (const wxString& id : provider->Drawn)
    {
        SCOPED_TRACE(id.utf8_str().data());
        const wxBitmapBundle icon = wxArtProvider::GetBitmapBundle(id, wxART_OTHER, wxSize(32, 32));
        const auto normal = Inked_And_Coloured(icon.GetBitmap(wxSize(64, 64)));
        const auto disabled = Inked_And_Coloured(Disabled_Look(icon).GetBitmap(wxSize(64, 64)));
        EXPECT_GT(normal.second, 64 * 64 / 20);
        EXPECT_GT(disabled.first, normal.first * 9 / 10);
        EXPECT_EQ(disabled.second, 0);
    }
    Destroy_Frame();
    wxArtProvider::Delete(provider);
}

// On the screens of small school laptops every control of every page and
// dialog can be brought into view, in the window as the program shows it:
// each page of every theme and of the glossary, the self-test from its start
// through every question, and the reflection aid.
TEST_F(Demo_Course_Window, Every_Control_Can_Be_Reached_On_Small_Screens)
{
    Write_Ini("THEMES=" CORVENA_STAGE_DIR "/course/themen.ini\nDOLOG=0\n");
    Make_Frame();
    CSim_Selftest* selftest = m_pFrame->Get_Themes()->Get_Selftest();
    CSim_Reflections* reflections = m_pFrame->Get_Themes()->Get_Reflections();
    for (const wxSize& size : {wxSize(800, 600), wxSize(1024, 600), wxSize(1280, 720)})
    {
        const wxRect screen(size);
        auto expect_reachable = [&](wxWindow* window, const wxString& what) {
            Process_Events();
            EXPECT_EQ(Unreachable_Windows(window, screen).utf8_string(), "")
                << size.x << "x" << size.y << " " << what.utf8_string();
        };
        m_pFrame->SetSize(screen);
        // Every page, opened or not.
        std::function<void(wxTreeItemId)> make = [&](wxTreeItemId item) {
            m_pFrame->Make_Item_Window(item);
            wxTreeItemIdValue cookie;
            for (wxTreeItemId child = m_pFrame->Get_Tree()->GetFirstChild(item, cookie); child.IsOk();
                 child = m_pFrame->Get_Tree()->GetNextChild(item, cookie))
                make(child);
        };
        make(m_pFrame->Get_Tree()->GetRootItem());
        for (wxWindow* page : m_pFrame->Get_Pages())
        {
            for (wxWindow* other : m_pFrame->Get_Pages())
                m_pFrame->Get_Manager().GetPane(other).Show(other == page);
            m_pFrame->Get_Manager().Update();
            wxAuiNotebook* book = dynamic_cast<wxAuiNotebook*>(page);
            for (size_t i = 0; i < book->GetPageCount(); i++)
            {
                // A page is laid out when the pupil turns to it; no theme of the course fails to load.
                book->SetSelection(i);
                EXPECT_NE(book->GetPageText(i), "Problem");
                if (wxHtmlWindow* html = dynamic_cast<wxHtmlWindow*>(book->GetPage(i)))
                {
                    EXPECT_NE(Page_Text(html), "") << book->GetPageText(i).utf8_string();
                }
                expect_reachable(m_pFrame, book->GetPageText(i));
            }
        }
        selftest->SetSize(screen);
        Run_Modal(selftest, [&] {
            wxTEST_DIALOG(for (int question = 0; selftest->IsModal(); question++) {
                expect_reachable(selftest, wxString::Format("Selbsttest %d", question));
                Click_Button(selftest, "Weiter");
            }, Expect_Message(wxOK, nullptr));
        });
        reflections->SetSize(screen);
        Run_Modal(reflections, [&] {
            expect_reachable(reflections, "Reflektionshilfe");
            reflections->EndModal(wxID_CANCEL);
        });
    }
}
