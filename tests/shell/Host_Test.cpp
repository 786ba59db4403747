#include "shell/CSim_Theme.h"

#include "shell/CSim_Themes.h"
#include "shell/Exercise_Settings.h"
#include "tests/support/Frame_Fixture.h"
#include "tests/support/Gui_Helpers.h"
#include "tirsal/CSim_Window.h"

#include "shell/CSim_Frame.h"

#include <wx/dynlib.h>
#include <wx/file.h>
#include <wx/filefn.h>
#include <wx/filename.h>

namespace
{
    typedef int (*Stops_Function)(const void*);
}

class Host : public Frame_Fixture
{
protected:
    void SetUp() override
    {
        m_Probe.Load(HOST_PROBE_PLUGIN);
        m_Stops = reinterpret_cast<Stops_Function>(m_Probe.GetSymbol("Host_Probe_Stops"));
        ASSERT_NE(m_Stops, nullptr);
    }

    void Start(const std::string& themes)
    {
        m_Dir.Write("kurs/themen.ini", "[General]\nName=Simulationen\n" + themes);
        Write_Ini("THEMES=kurs/themen.ini\nDOLOG=0\n");
        Make_Frame();
    }

    CSim_Theme* Root() { return m_pFrame->Get_Themes()->Get_Root(); }

    static wxArrayString Tabs(CSim_Theme* theme)
    {
        wxArrayString tabs;
        for (size_t i = 0; i < theme->GetPageCount(); i++)
            tabs.push_back(theme->GetPageText(i));
        return tabs;
    }

    wxDynamicLibrary m_Probe;
    Stops_Function m_Stops = nullptr;
};

TEST_F(Host, Simulation_Page_Stands_Between_Content_And_Exercises_And_Gets_Its_Log)
{
    m_Dir.Write("kurs/teich.htm", "<h1>Teich</h1>");
    Start(std::string("[Themes]\nName=R\nContent=teich.htm\nSimulation=") + HOST_PROBE_PLUGIN
          + "\nSimulation_Opts=MARK=" + m_Dir.File_Str("mark.txt") + "\nSimulation_Log=logs/sim.log\n");
    m_Dir.Make_Dir("kurs/logs");
    CSim_Theme* root = Root();
    ASSERT_NE(root->Get_Simulation(), nullptr);
    ASSERT_EQ(root->GetPageCount(), 2u);
    EXPECT_EQ(root->GetPageText(0), "Inhalt");
    EXPECT_EQ(root->GetPageText(1), "Simulation");
    EXPECT_EQ(root->GetPage(1), root->Get_Simulation());
    EXPECT_EQ(root->Get_Simulation()->GetParent(), root);
    EXPECT_TRUE(root->Has_Library());

    // On program end the window goes (writing its log) while its code is
    // still loaded.
    Destroy_Frame();
    EXPECT_EQ(m_Dir.Read("mark.txt"), "window gone\n");
    const std::string header = "Aufzeichung der Aktivit\xE4ten\nDatum: ";
    EXPECT_EQ(m_Dir.Read("kurs/logs/sim.log").substr(0, header.size()), header);
}

TEST_F(Host, Opening_Any_Item_Stops_The_Simulations_Of_Every_Theme)
{
    const std::string plugin = HOST_PROBE_PLUGIN;
    Start("[Themes]\nName=R\nSimulation=" + plugin + "\n"
          "[Themes/A]\nName=A\nSimulation=" + plugin + "\n"
          "[Themes/A/Tief]\nName=Tief\nSimulation=" + plugin + "\n"
          "[Themes/B]\nName=B\n");
    CSim_Theme* root = Root();
    CSim_Window* windows[3] = {root->Get_Simulation(), root->Get_Child(0)->Get_Simulation(),
                               root->Get_Child(0)->Get_Child(0)->Get_Simulation()};
    for (CSim_Window* w : windows)
        ASSERT_NE(w, nullptr);
    // Two themes naming one library each have a window of their own.
    EXPECT_NE(windows[0], windows[1]);
    int before[3];
    for (int i = 0; i < 3; i++)
        before[i] = m_Stops(windows[i]);

    wxTreeCtrl* tree = m_pFrame->Get_Tree();
    wxTreeItemIdValue cookie;
    wxTreeItemId b = tree->GetLastChild(tree->GetRootItem());
    ASSERT_EQ(tree->GetItemText(b), "B");
    tree->SelectItem(b);
    tree->SelectItem(tree->GetFirstChild(tree->GetRootItem(), cookie));
    for (int i = 0; i < 3; i++)
        EXPECT_EQ(m_Stops(windows[i]), before[i] + 2) << i;
}

TEST_F(Host, Plugins_That_Give_No_Window_Add_No_Page)
{
    m_Dir.Write("kurs/kein_plugin.so", "Das ist nur Text, keine Bibliothek.\n");
    m_Dir.Write("kurs/leer.htm", "<p>leer</p>");
    Start(std::string("[Themes]\nName=R\n")
          + "[Themes/1]\nName=Null\nContent=leer.htm\nSimulation=" + HOST_NULL_PLUGIN
          + "\nSimulation_Log=null.log\n"
          + "[Themes/2]\nName=Ohne\nSimulation=" + HOST_NO_ENTRY_PLUGIN + "\n"
          + "[Themes/3]\nName=Text\nSimulation=kein_plugin.so\n"
          + "[Themes/4]\nName=Fehlt\nSimulation=gibt_es_nicht.so\n");
    CSim_Theme* root = Root();
    ASSERT_EQ(root->Get_Child_Count(), 4);
    CSim_Theme* null_result = root->Get_Child(0);
    EXPECT_EQ(null_result->Get_Simulation(), nullptr);
    EXPECT_EQ(Tabs(null_result), wxArrayString(1, "Inhalt"));
    // The library that loaded stays loaded, and nobody got a log file.
    EXPECT_TRUE(null_result->Has_Library());
    EXPECT_FALSE(m_Dir.Exists("kurs/null.log"));

    CSim_Theme* no_entry = root->Get_Child(1);
    EXPECT_TRUE(no_entry->Has_Library());
    EXPECT_EQ(Tabs(no_entry), wxArrayString(1, "Problem"));
    for (int i = 2; i < 4; i++)
    {
        EXPECT_FALSE(root->Get_Child(i)->Has_Library()) << i;
        EXPECT_EQ(Tabs(root->Get_Child(i)), wxArrayString(1, "Problem")) << i;
    }
    Destroy_Frame();
    EXPECT_FALSE(m_Dir.Exists("kurs/null.log"));
}

TEST_F(Host, A_Course_Written_For_Windows_Finds_The_Plugin_Of_This_Platform)
{
    m_Dir.Make_Dir("kurs/plugins");
    ASSERT_TRUE(wxCopyFile(HOST_PROBE_PLUGIN, m_Dir.File("kurs/plugins/teich.so")));
    Start("[Themes]\nName=R\nSimulation=plugins\\teich.dll\n");
    EXPECT_NE(Root()->Get_Simulation(), nullptr);
}

TEST_F(Host, A_Plugin_Cut_Short_Is_Not_Loaded)
{
    // A copy broken off inside the library's loadable part once killed the
    // program with a bus error while the library was linked.
    wxFile whole(HOST_PROBE_PLUGIN);
    ASSERT_TRUE(whole.IsOpened());
    std::string bytes(size_t(whole.Length()), '\0');
    ASSERT_EQ(whole.Read(&bytes[0], bytes.size()), ssize_t(bytes.size()));
    m_Dir.Write("kurs/kurz.so", bytes.substr(0, bytes.size() / 50));
    m_Dir.Write("kurs/ganz.so", bytes);
    Start("[Themes]\nName=R\nSimulation=kurz.so\n[Themes/1]\nName=Ganz\nSimulation=ganz.so\n");
    EXPECT_FALSE(Root()->Has_Library());
    EXPECT_EQ(Tabs(Root()), wxArrayString(1, "Problem"));
    EXPECT_NE(Root()->Get_Child(0)->Get_Simulation(), nullptr);
}
