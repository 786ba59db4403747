// The staged demo course in a real main window: every theme loads without a
// problem page, and every link of its pages and tasks leads somewhere. A slip
// in the course otherwise only shows in front of a class.

#include "activities/CSim_Glossar.h"
#include "activities/CSim_Reflections.h"
#include "activities/CSim_Selftest.h"
#include "shell/CSim_Frame.h"
#include "shell/CSim_Theme.h"
#include "shell/CSim_Themes.h"
#include "shell/Icon_Art_Provider.h"
#include "shell/Theme_Entry.h"
#include "tests/support/Frame_Fixture.h"
#include "tests/support/Gui_Helpers.h"
#include "tests/support/Html_Inspection.h"

#include <cstdlib>
#include <functional>
#include <set>
#include <wx/image.h>
#include <wx/filename.h>
#include <wx/filesys.h>
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

    void Check_Theme(Theme_Entry* entry)
    {
        SCOPED_TRACE(entry->Get_Name().utf8_str().data());
        CSim_Theme* theme = entry->Get_Theme();
        wxArrayString tabs;
        for (size_t i = 0; i < theme->GetPageCount(); i++)
            tabs.push_back(theme->GetPageText(i));
        EXPECT_EQ(tabs.Index("Problem"), wxNOT_FOUND);
        m_nSimulations += tabs.Index("Simulation") != wxNOT_FOUND && theme->Get_Simulation();
        m_nExercises += tabs.Index("Selbsttest") != wxNOT_FOUND && theme->Get_Exercise();
        ASSERT_NE(theme->Get_Content(), nullptr);
        Check_Links(theme->Get_Content());
        // The tasks pane has no base location: its links must have been made absolute.
        ASSERT_FALSE(entry->Get_Tasks().empty());
        wxHtmlWindow tasks(m_pFrame);
        tasks.SetPage(entry->Get_Tasks());
        Check_Links(&tasks);
        for (int i = 0; i < entry->Get_Child_Count(); i++)
            Check_Theme(entry->Get_Child(i));
    }

    // A glossary link names a glossary page; any other link a file, relative to the page's own place.
    void Check_Links(wxHtmlWindow* page)
    {
        for (const wxString& link : Page_Links(page))
        {
            SCOPED_TRACE(link.utf8_str().data());
            const bool glossary = link.Lower().StartsWith("glossar://");
            m_nGlossary_Links += glossary;
            if (glossary)
                EXPECT_TRUE(m_pFrame->Get_Themes()->Show_Glossar_Entry(link.Mid(10)));
            else
                EXPECT_TRUE(wxFileName::FileExists(wxFileSystem::URLToFileName(
                    link.StartsWith("file:") ? link : page->GetParser()->GetFS()->GetPath() + link).GetFullPath()));
        }
    }

    Temp_Dir m_Home;
    std::string m_Old_Home;
    int m_nSimulations = 0, m_nExercises = 0, m_nGlossary_Links = 0;
};

TEST_F(Demo_Course_Window, Every_Theme_Loads_And_Every_Link_Leads_Somewhere)
{
    Write_Ini("THEMES=" CORVENA_STAGE_DIR "/course/themen.ini\nDOLOG=0\n");
    Make_Frame();
    CSim_Themes* themes = m_pFrame->Get_Themes();
    ASSERT_TRUE(themes->Get_Glossar() && themes->Get_Selftest() && themes->Get_Reflections());
    Check_Theme(themes->Get_Root());
    EXPECT_EQ(m_nSimulations, 4);
    EXPECT_EQ(m_nExercises, 5);
    EXPECT_GE(m_nGlossary_Links, 20);
    // The glossary's own pages link among themselves.
    for (size_t i = 0; i < themes->Get_Glossar()->GetPageCount(); i++)
    {
        // Each page is laid out when the pupil turns to it.
        themes->Get_Glossar()->SetSelection(i);
        wxHtmlWindow* page = dynamic_cast<wxHtmlWindow*>(themes->Get_Glossar()->GetPage(i));
        EXPECT_NE(Page_Text(page), "");
        Check_Links(page);
    }
}

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
                book->SetSelection(i);
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
