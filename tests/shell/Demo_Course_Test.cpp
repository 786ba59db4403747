// The staged demo course in a real main window: every theme shows the pages
// its keys promise, every link and picture works, and a pupil who goes
// through it with "Nächstes Thema" unlocks the reflection aid. A slip in the
// course otherwise only shows in front of a class.

#include "activities/CSim_Glossar.h"
#include "common/Text_Codec.h"
#include "shell/CSim_Config.h"
#include "shell/CSim_Frame.h"
#include "shell/CSim_Theme.h"
#include "shell/CSim_Themes.h"
#include "shell/Command_Ids.h"
#include "tests/support/Frame_Fixture.h"
#include "tests/support/Gui_Helpers.h"
#include "tests/support/Html_Inspection.h"

#include <cstdlib>
#include <regex>
#include <wx/dir.h>
#include <wx/filename.h>
#include <wx/filesys.h>
#include <wx/html/htmlwin.h>
#include <wx/image.h>
#include <wx/timer.h>
#include <wx/uri.h>

namespace
{
    const wxString COURSE = CORVENA_STAGE_DIR "/course/";

    // The content pane of a window that is not maximised, and the tasks pane.
    const int CONTENT_WIDTH = 520;
    const int TASKS_WIDTH = 230;

    std::vector<wxString> Picture_Sources(const wxString& html)
    {
        std::vector<wxString> sources;
        const std::string text(html.utf8_str());
        const std::regex src("src=\"([^\"]+)\"", std::regex::icase);
        for (auto it = std::sregex_iterator(text.begin(), text.end(), src); it != std::sregex_iterator(); ++it)
            sources.push_back(wxString::FromUTF8((*it)[1].str()));
        return sources;
    }
}

class Demo_Course_Window : public Frame_Fixture
{
protected:
    void SetUp() override
    {
        // The course records into the pupil's home: here a directory of the test.
        const char* home = getenv("HOME");
        m_Old_Home = home ? home : "";
        m_Home.Make_Dir("home");
        setenv("HOME", m_Home.File_Str("home").c_str(), 1);

        ASSERT_TRUE(wxFileName::FileExists(COURSE + "themen.ini"));
        Write_Ini("THEMES=" + std::string((COURSE + "themen.ini").utf8_str()) + "\nDOLOG=0\n");
        Make_Frame();
        ASSERT_NE(m_pFrame, nullptr);
        m_pThemes = m_pFrame->Get_Themes();
        ASSERT_NE(m_pThemes->Get_Glossar(), nullptr);
    }

    void TearDown() override
    {
        Frame_Fixture::TearDown();
        setenv("HOME", m_Old_Home.c_str(), 1);
    }

    // Checks one theme and its children against their groups of the theme file.
    void Check_Theme(CSim_Theme* theme, CSim_Config& config)
    {
        SCOPED_TRACE(theme->Get_Name().utf8_str().data());
        wxArrayString tabs;
        for (size_t i = 0; i < theme->GetPageCount(); i++)
            tabs.push_back(theme->GetPageText(i));
        EXPECT_EQ(tabs.Index("Problem"), wxNOT_FOUND);
        EXPECT_NE(tabs.Index("Inhalt"), wxNOT_FOUND);
        EXPECT_EQ(tabs.Index("Simulation") != wxNOT_FOUND, config.Exists("Simulation"));
        EXPECT_EQ(tabs.Index("Selbsttest") != wxNOT_FOUND, config.Exists("Exercises"));
        EXPECT_FALSE(theme->Get_Tasks().empty());
        m_nSimulations += theme->Get_Simulation() != nullptr;
        m_nExercises += theme->Get_Exercise() != nullptr;
        m_nHints += !theme->Get_Hint().empty();

        wxString content;
        ASSERT_TRUE(config.Read_File("Content", &content));
        Check_Links(Page_Links(theme->Get_Content()), wxFileName(content).GetPath());
        wxString text;
        ASSERT_TRUE(Read_Course_Text(content, text));
        for (const wxString& src : Picture_Sources(text))
            Check_Picture(wxFileName(src, wxPATH_UNIX).IsAbsolute() ? src : wxFileName(content).GetPath() + "/" + src,
                          CONTENT_WIDTH);

        // The tasks pane has no base location: its pictures and links must
        // have been made absolute.
        wxHtmlWindow tasks(m_pFrame);
        tasks.SetPage(theme->Get_Tasks());
        Check_Links(Page_Links(&tasks), wxEmptyString);
        for (const wxString& src : Picture_Sources(theme->Get_Tasks()))
        {
            EXPECT_TRUE(wxFileName(src).IsAbsolute()) << src.utf8_str().data();
            Check_Picture(src, TASKS_WIDTH);
        }

        const wxString path = config.Get_Path();
        wxString group;
        long cookie;
        int child = 0;
        for (bool more = config.Get_First_Group(&group, &cookie); more; more = config.Get_Next_Group(&group, &cookie))
        {
            config.Set_Path(group);
            ASSERT_LT(child, theme->Get_Child_Count());
            Check_Theme(theme->Get_Child(child++), config);
            config.Set_Path(path);
        }
        EXPECT_EQ(child, theme->Get_Child_Count());
    }

    // A glossary link names a glossary page; any other link a file beside
    // the page (dir) or given by its full URL.
    void Check_Links(const std::vector<wxString>& links, const wxString& dir)
    {
        for (const wxString& link : links)
        {
            SCOPED_TRACE(link.utf8_str().data());
            if (link.Lower().StartsWith("glossar://"))
            {
                EXPECT_TRUE(m_pThemes->Show_Glossar_Entry(link.Mid(10)));
                m_nGlossary_Links++;
                continue;
            }
            wxString file = link.StartsWith("file:") ? wxFileSystem::URLToFileName(link).GetFullPath()
                                                     : dir + "/" + wxURI::Unescape(link);
            EXPECT_TRUE(wxFileName::FileExists(file));
        }
    }

    void Check_Picture(const wxString& file, int max_width)
    {
        SCOPED_TRACE(file.utf8_str().data());
        ASSERT_TRUE(wxFileName::FileExists(file));
        EXPECT_LT(wxFileName::GetSize(file), wxULongLong(40 * 1024));
        wxImage image;
        ASSERT_TRUE(image.LoadFile(file));
        EXPECT_LE(image.GetWidth(), max_width);
        m_nPictures++;
    }

    // The timer of the main window, one second per tick, until it stops.
    void Serve_TimeOut()
    {
        for (int s = 0; m_pFrame->Get_Timer()->IsRunning() && s < 3600; s++)
        {
            wxTimerEvent event(*m_pFrame->Get_Timer());
            m_pFrame->ProcessWindowEvent(event);
        }
    }

    CSim_Theme* Current_Theme() { return m_pFrame->Get_Theme(m_pFrame->Get_Current_Item()); }

    std::string m_Old_Home;
    Temp_Dir m_Home;
    CSim_Themes* m_pThemes = nullptr;
    int m_nSimulations = 0, m_nExercises = 0, m_nHints = 0, m_nPictures = 0, m_nGlossary_Links = 0;
};

TEST_F(Demo_Course_Window, Every_Theme_Shows_Its_Pages_Links_And_Pictures)
{
    CSim_Config config(COURSE + "themen.ini");
    config.Set_Path("/Themes");
    Check_Theme(m_pThemes->Get_Root(), config);
    EXPECT_EQ(m_nSimulations, 3);
    EXPECT_EQ(m_nExercises, 4);
    EXPECT_GE(m_nHints, 1);
    EXPECT_GT(m_nPictures, 0);
    EXPECT_GE(m_nGlossary_Links, 20);

    // The glossary's own pages link among themselves and show their pictures.
    CSim_Glossar* glossar = m_pThemes->Get_Glossar();
    for (size_t i = 0; i < glossar->GetPageCount(); i++)
    {
        wxHtmlWindow* page = dynamic_cast<wxHtmlWindow*>(glossar->GetPage(i));
        ASSERT_NE(page, nullptr);
        Check_Links(Page_Links(page), wxEmptyString);
    }
    EXPECT_NE(m_pThemes->Get_Selftest(), nullptr);
    EXPECT_NE(m_pThemes->Get_Reflections(), nullptr);
}

TEST_F(Demo_Course_Window, A_Pupil_Going_Through_Unlocks_The_Reflection_Aid_And_Records_At_Home)
{
    wxTreeCtrl* tree = m_pFrame->Get_Tree();
    int themes = 1, timed = 0;
    while (m_pFrame->Get_Current_Item() != m_pFrame->Get_Glossar_Item())
    {
        SCOPED_TRACE(tree->GetItemText(m_pFrame->Get_Current_Item()).utf8_str().data());
        ASSERT_NE(Current_Theme(), nullptr);
        if (Current_Theme()->Get_TimeOut() > 0)
        {
            EXPECT_FALSE(m_pFrame->Is_Reflections_Open());
            EXPECT_FALSE(Is_Enabled(ID_NEXT_THEME));
            timed++;
            Serve_TimeOut();
        }
        ASSERT_TRUE(Is_Enabled(ID_NEXT_THEME));
        const wxTreeItemId next = m_pFrame->Get_Next_Item();
        ASSERT_TRUE(next.IsOk());
        CSim_Theme* theme = m_pFrame->Get_Theme(next);
        if (theme && !theme->Get_Hint().empty())
        {
            wxString hint, caption;
            wxTEST_DIALOG(Command(ID_NEXT_THEME), Expect_Message(wxOK, &hint, &caption));
            EXPECT_EQ(caption, "Hinweis");
            EXPECT_EQ(hint, theme->Get_Hint());
        }
        else
            Command(ID_NEXT_THEME);
        ASSERT_EQ(m_pFrame->Get_Current_Item(), next);
        themes += theme != nullptr;
    }
    EXPECT_EQ(themes, 10);
    EXPECT_GE(timed, 2);
    // The last timed theme before "Lexikon" opened the reflection aid.
    EXPECT_TRUE(m_pFrame->Is_Reflections_Open());
    EXPECT_TRUE(Is_Enabled(ID_REFLECTIONS));

    // Records go to the pupil's folder, which the program makes, never into
    // the course.
    Destroy_Frame();
    const wxString records = m_Home.File("home/Sim-Corvena/");
    for (const char* name : {"reflexion_antworten.txt", "rotfedern_allein.log", "hecht_rotfeder.log", "drei_arten.log"})
        EXPECT_TRUE(wxFileName::FileExists(records + name)) << name;
    wxArrayString course_files;
    wxDir::GetAllFiles(COURSE, &course_files);
    for (const wxString& file : course_files)
        EXPECT_FALSE(file.EndsWith(".log") || file.EndsWith("antworten.txt")) << file.utf8_str().data();
}
