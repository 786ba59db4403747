#include "shell/CSim_Theme.h"

#include "shell/CSim_Config.h"
#include "shell/CSim_Themes.h"
#include "shell/Command_Ids.h"
#include "shell/Exercise_Settings.h"
#include "tests/support/Gui_Helpers.h"
#include "tests/support/Html_Inspection.h"
#include "tests/support/Temp_Dir.h"

#include <climits>
#include <gtest/gtest.h>
#include <wx/filesys.h>
#include <wx/frame.h>
#include <wx/html/htmlwin.h>

class Theme : public testing::Test
{
protected:
    void SetUp() override
    {
        Init_Exercise_Settings();
        Set_Default_TimeOut(0);
        m_pParent = new wxFrame(nullptr, wxID_ANY, "Themen");
    }

    void TearDown() override
    {
        m_pParent->Destroy();
        Process_Events();
    }

    // Builds the theme of one group of a theme file written from text.
    CSim_Theme* Build(const std::string& text, const wxString& group = "/Themes")
    {
        m_Dir.Write("kurs/themen.ini", text);
        CSim_Config config(m_Dir.File("kurs/themen.ini"));
        config.Set_Path(group);
        CSim_Theme* theme = new CSim_Theme(m_pParent, config);
        EXPECT_EQ(config.Get_Path(), group);
        return theme;
    }

    static wxArrayString Tabs(CSim_Theme* theme)
    {
        wxArrayString tabs;
        for (size_t i = 0; i < theme->GetPageCount(); i++)
            tabs.push_back(theme->GetPageText(i));
        return tabs;
    }

    Temp_Dir m_Dir;
    wxFrame* m_pParent = nullptr;
};

TEST_F(Theme, Without_Any_Page_Shows_The_Problem_Page)
{
    CSim_Theme* theme = Build("[Themes]\nName=Weiher\nContent=fehlt.htm\nTasks=fehlt_auch.htm\n");
    ASSERT_EQ(Tabs(theme), wxArrayString(1, "Problem"));
    wxHtmlWindow* page = dynamic_cast<wxHtmlWindow*>(theme->GetPage(0));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->GetName(), "htmlWindow");
    EXPECT_EQ(Page_Text(page), "Weiher\nfehlerhafte Konfiguration");
    EXPECT_EQ(theme->GetId(), ID_THEME);
    EXPECT_TRUE(theme->Get_Tasks().empty());

    CSim_Theme* unnamed = Build("[Themes]\n");
    EXPECT_EQ(unnamed->Get_Name(), "Unbenannt");
    EXPECT_EQ(Page_Text(dynamic_cast<wxHtmlWindow*>(unnamed->GetPage(0))),
              "Unbenannt\nfehlerhafte Konfiguration");
}

TEST_F(Theme, Content_Page_Makes_Dot_Slash_Links_Absolute_And_Decodes_The_Course_Text)
{
    m_Dir.Write("kurs/seiten/teich.htm",
                "<html><body><h1>Gew\xE4sser</h1><a href=\"./blatt.pdf\">Blatt</a> "
                "<a href=\"../anderes.htm\">Anderes</a><img src=\"teich.png\"></body></html>");
    CSim_Theme* theme = Build("[Themes]\nName=Teich\nContent=seiten\\teich.htm\n");
    ASSERT_EQ(Tabs(theme), wxArrayString(1, "Inhalt"));
    ASSERT_NE(theme->Get_Content(), nullptr);
    EXPECT_EQ(theme->Get_Content()->GetName(), "htmlWindow");
    wxString dir = m_Dir.File("kurs/seiten");
    EXPECT_EQ(Page_Links(theme->Get_Content()),
              std::vector<wxString>({"file://" + dir + "/blatt.pdf", "../anderes.htm"}));
    EXPECT_TRUE(Page_Text(theme->Get_Content()).StartsWith(wxString::FromUTF8("Gewässer")));
    // The page keeps its own location, so the links it does not rewrite
    // still resolve against it.
    EXPECT_EQ(theme->Get_Content()->GetParser()->GetFS()->GetPath(), "file://" + dir + "/");
}

TEST_F(Theme, Content_That_Cannot_Be_Shown_Leaves_An_Empty_Page_Or_None)
{
    m_Dir.Make_Dir("kurs/ordner.htm");
    CSim_Theme* directory = Build("[Themes]\nName=Ordner\nContent=ordner.htm\n");
    EXPECT_EQ(Tabs(directory), wxArrayString(1, "Problem"));

    std::string binary;
    for (int i = 0; i < 70000; i++)
        binary.push_back(char((i * 131) % 256));
    m_Dir.Write("kurs/binaer.htm", binary);
    CSim_Theme* garbage = Build("[Themes]\nName=Binaer\nContent=binaer.htm\n");
    EXPECT_EQ(Tabs(garbage), wxArrayString(1, "Inhalt"));

    m_Dir.Write("kurs/text.txt", "Nur Text ohne HTML.");
    CSim_Theme* text = Build("[Themes]\nName=Text\nContent=text.txt\n");
    EXPECT_EQ(Tabs(text), wxArrayString(1, "Inhalt"));
    EXPECT_TRUE(Page_Text(text->Get_Content()).Contains("Nur Text ohne HTML."));
}

TEST_F(Theme, Tasks_Get_Their_Four_Rewrites)
{
    m_Dir.Write("kurs/t/aufgabe.htm",
                "<p><a href=\"./a.htm\">a</a><a href=\"../b.htm\">b</a>\r\n"
                "<img src=\"./b.png\"><img src=\"../c.png\"></p>");
    CSim_Theme* theme = Build("[Themes]\nName=Aufgabe\nTasks=t/aufgabe.htm\n");
    wxString dir = m_Dir.File("kurs/t");
    EXPECT_EQ(theme->Get_Tasks(), "<p><a href=\"file://" + dir + "/a.htm\">a</a><a href=\"file://" + dir
                                      + "/../b.htm\">b</a>\n<img src=\"" + dir + "/b.png\"><img src=\"" + dir
                                      + "/../c.png\"></p>");
}

TEST_F(Theme, TimeOut_In_Milliseconds_With_The_Course_Default)
{
    struct Case { const char* key; int default_seconds; int expected; };
    const Case cases[] = {
        {"TimeOut=15\n", 0, 15000},
        {"", 20, 20000},
        {"TimeOut=0\n", 30, 0},
        {"TimeOut=-5\n", 0, -5000},
        {"TimeOut=99999999999\n", 0, INT_MAX},
        {"TimeOut=zehn\n", 7, 7000},
    };
    for (const Case& c : cases)
    {
        Set_Default_TimeOut(c.default_seconds);
        CSim_Theme* theme = Build(std::string("[Themes]\nName=T\n") + c.key);
        EXPECT_EQ(theme->Get_TimeOut(), c.expected) << c.key;
    }
}

TEST_F(Theme, Children_Follow_Group_Names_Ignoring_Case_Not_File_Order)
{
    CSim_Theme* root = Build("[Themes]\nName=R\n[Themes/b]\nName=B\n[Themes/A]\nName=A\n"
                             "[Themes/A/B]\nName=A.B\n[Themes/c]\nName=C\n");
    ASSERT_EQ(root->Get_Child_Count(), 3);
    EXPECT_EQ(root->Get_Child(0)->Get_Name(), "A");
    EXPECT_EQ(root->Get_Child(1)->Get_Name(), "B");
    EXPECT_EQ(root->Get_Child(2)->Get_Name(), "C");
    ASSERT_EQ(root->Get_Child(0)->Get_Child_Count(), 1);
    EXPECT_EQ(root->Get_Child(0)->Get_Child(0)->Get_Name(), "A.B");
    // Every theme is a window of the main window, whatever its depth.
    EXPECT_EQ(root->Get_Child(0)->Get_Child(0)->GetParent(), m_pParent);
}

TEST_F(Theme, Deep_Nesting_And_Long_Hints)
{
    std::string text = "[Themes]\nName=Ebene 0\nHint=" + std::string(8000, 'x') + "\n";
    std::string group = "Themes";
    for (int level = 1; level <= 20; level++)
    {
        group += "/E";
        text += "[" + group + "]\nName=Ebene " + std::to_string(level) + "\n";
    }
    CSim_Theme* theme = Build(text);
    EXPECT_EQ(theme->Get_Hint().length(), 8000u);
    int depth = 0;
    while (theme->Get_Child_Count() == 1)
    {
        theme = theme->Get_Child(0);
        depth++;
    }
    EXPECT_EQ(depth, 20);
    EXPECT_EQ(theme->Get_Name(), "Ebene 20");
}

class Catalogue : public Theme
{
};

TEST_F(Catalogue, General_Settings_Become_Process_Wide)
{
    m_Dir.Write("kurs/themen.ini", "[General]\nName=Teichkurs\nTimeOut=30\n"
                                   "[General/Exercises]\nShow=0\nButton_Show=1\nButton_Reset=yes\n"
                                   "Text_Okay=Prima!\n"
                                   "[Themes]\nName=R\n[Themes/A]\nName=A\n[Themes/B]\nName=B\nTimeOut=0\n");
    CSim_Themes themes(m_pParent, m_Dir.File("kurs/themen.ini"));
    EXPECT_EQ(themes.Get_Name(), "Teichkurs");
    EXPECT_FALSE(Get_Exercise_Flag(1));
    EXPECT_TRUE(Get_Exercise_Flag(2));
    EXPECT_TRUE(Get_Exercise_Flag(3));
    EXPECT_FALSE(Get_Exercise_Flag(4));
    EXPECT_EQ(Get_Exercise_Text(1), "Prima!");
    EXPECT_EQ(Get_Exercise_Text(2), "Test nicht bestanden.");
    EXPECT_EQ(Get_Exercise_Text(0), "");
    ASSERT_EQ(themes.Get_Root()->Get_Child_Count(), 2);
    EXPECT_EQ(themes.Get_Root()->Get_TimeOut(), 30000);
    EXPECT_EQ(themes.Get_Root()->Get_Child(0)->Get_TimeOut(), 30000);
    EXPECT_EQ(themes.Get_Root()->Get_Child(1)->Get_TimeOut(), 0);
    EXPECT_EQ(themes.Get_Glossar(), nullptr);
    EXPECT_EQ(themes.Get_Selftest(), nullptr);
    EXPECT_EQ(themes.Get_Reflections(), nullptr);
}

TEST_F(Catalogue, Missing_Empty_Or_Garbage_Theme_File_Gives_An_Untitled_Problem_Theme)
{
    std::string garbage;
    for (int i = 0; i < 3000000; i++)
        garbage.push_back(char((i * 7) % 251));
    m_Dir.Write("kurs/leer.ini", "");
    m_Dir.Write("kurs/muell.ini", garbage);
    for (const char* file : {"kurs/fehlt.ini", "kurs/leer.ini", "kurs/muell.ini"})
    {
        CSim_Themes themes(m_pParent, m_Dir.File(file));
        EXPECT_EQ(themes.Get_Name(), "Sim-Corvena") << file;
        ASSERT_NE(themes.Get_Root(), nullptr);
        EXPECT_EQ(themes.Get_Root()->Get_Name(), "Unbenannt");
        EXPECT_EQ(Tabs(themes.Get_Root()), wxArrayString(1, "Problem"));
        EXPECT_EQ(themes.Get_Root()->Get_Child_Count(), 0);
    }
}

TEST_F(Catalogue, Activities_Without_Content_Are_Dropped)
{
    m_Dir.Write("kurs/lexikon.txt", "kein einziger Eintrag");
    m_Dir.Write("kurs/reflexion.ini", "Title=Nur Schl\xFCssel\nLogfile=antworten.txt\n");
    m_Dir.Write("kurs/themen.ini", "[General]\nGlossar=lexikon.txt\nReflections=reflexion.ini\n"
                                   "[Themes]\nName=R\n");
    CSim_Themes themes(m_pParent, m_Dir.File("kurs/themen.ini"));
    EXPECT_EQ(themes.Get_Glossar(), nullptr);
    EXPECT_EQ(themes.Get_Reflections(), nullptr);
}
