// Every file the program reads, in every bad shape it can take where the
// course names it: missing, empty, binary, 10 MB, a directory, unreadable,
// cut off in the middle of an entry. One test per kind of file, one row per
// shape: nothing crashes, no message reaches the pupil, and the program
// does what it does for that kind of file.

#include "activities/CSim_Exercise.h"
#include "activities/CSim_Glossar.h"
#include "activities/CSim_Question.h"
#include "activities/CSim_Reflection.h"
#include "activities/CSim_Reflections.h"
#include "activities/CSim_Selftest.h"
#include "shell/CSim_Config.h"
#include "shell/CSim_Frame.h"
#include "shell/CSim_Theme.h"
#include "shell/CSim_Themes.h"
#include "shell/Exercise_Settings.h"
#include "tests/activities/Activity_Helpers.h"
#include "tests/activities/Activity_Test_Support.h"
#include "tests/bad_input/Bad_Files.h"
#include "tests/support/Frame_Fixture.h"
#include "tests/support/Gui_Helpers.h"
#include "tests/support/Html_Inspection.h"

#include <chrono>
#include <fstream>
#include <random>
#include <sstream>
#include <wx/checkbox.h>
#include <wx/html/htmlwin.h>
#include <wx/image.h>
#include <wx/statbmp.h>

namespace
{
    // Text without any markup of the course formats, to pad files with.
    const std::string PROSE = "Der Hecht lauert im Schilf auf Rotfedern und junge Karpfen\n";

    // Reading a 10 MB file may take a moment, never minutes.
    const std::chrono::seconds HUGE_FILE_LIMIT(20);

    std::string Read_Bytes(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    wxArrayString Tabs(wxAuiNotebook* book)
    {
        wxArrayString tabs;
        for (size_t i = 0; i < book->GetPageCount(); i++)
            tabs.push_back(book->GetPageText(i));
        return tabs;
    }

    template <class T>
    std::vector<T*> Children(wxWindow* window)
    {
        std::vector<T*> found;
        for (wxWindow* child : window->GetChildren())
            if (T* t = dynamic_cast<T*>(child))
                found.push_back(t);
        return found;
    }

    wxArrayString Strings(std::initializer_list<const char*> texts)
    {
        wxArrayString strings;
        for (const char* text : texts)
            strings.push_back(text);
        return strings;
    }
}

/// A temporary course with a frame as parent of what a test builds.
class Bad_Read_Input : public Frame_Fixture
{
protected:
    void SetUp() override
    {
        Init_Exercise_Settings();
        Set_Default_TimeOut(0);
        m_pParent = new wxFrame(nullptr, wxID_ANY, "Kurs");
    }

    void TearDown() override
    {
        m_pParent->Destroy();
        Frame_Fixture::TearDown();
    }

    /// Makes the bad file of kind; false (with the reason noted for the
    /// end of the test) when that cannot be done here.
    bool Make(const std::string& relative, Bad_Read kind, const Bad_Content& content)
    {
        std::string why;
        if (Make_Bad_File(m_Dir, relative, kind, content, &why))
            return true;
        m_Not_Made += "\n" + why;
        return false;
    }

    /// Skips, after the cases that ran, when some could not be made.
    void Report_Cases_Not_Made()
    {
        if (!m_Not_Made.empty())
            GTEST_SKIP() << "cases that cannot be made on this machine:" << m_Not_Made;
    }

    /// The catalogue of a theme file written from text (in kurs/).
    CSim_Themes* Catalogue(const std::string& themes)
    {
        m_Dir.Write("kurs/themen.ini", themes);
        return new CSim_Themes(m_pParent, m_Dir.File("kurs/themen.ini"));
    }

    /// The root theme of a theme file written from text (in kurs/).
    CSim_Theme* Root_Theme(const std::string& themes)
    {
        m_Dir.Write("kurs/themen.ini", themes);
        CSim_Config config(m_Dir.File("kurs/themen.ini"));
        config.Set_Path("/Themes");
        return new CSim_Theme(m_pParent, config);
    }

    /// Times one case; a 10 MB case must not take long.
    class Case_Timer
    {
    public:
        explicit Case_Timer(Bad_Read kind) : m_Kind(kind), m_Start(std::chrono::steady_clock::now()) {}
        ~Case_Timer()
        {
            if (m_Kind == Bad_Read::Huge)
            {
                EXPECT_LT(std::chrono::steady_clock::now() - m_Start, HUGE_FILE_LIMIT);
            }
        }

    private:
        Bad_Read m_Kind;
        std::chrono::steady_clock::time_point m_Start;
    };

    wxFrame* m_pParent = nullptr;
    std::string m_Not_Made;
};

TEST_F(Bad_Read_Input, Start_File)
{
    m_Dir.Write("kurs/themen.ini", "[General]\nName=Teichkurs\n[Themes]\nName=Teich\n");
    const std::string good = "DOLOG=0\nNOTEPADSHOW=1\nTHEMES=kurs/themen.ini\n";
    const Bad_Content content{Padded_To_10_MB(good, PROSE), "DOLOG=0\nNOTEPADSHOW=1\nTHEMES=kurs/them"};
    for (Bad_Read kind : All_Bad_Reads())
    {
        SCOPED_TRACE(Name_Of(kind));
        if (!Make("sim_corvena.ini", kind, content))
            continue;
        Log_Counter messages;
        Case_Timer timer(kind);
        if (kind == Bad_Read::Huge)
        {
            Make_Frame();
            EXPECT_EQ(m_pFrame->GetTitle(), "Teichkurs");
            EXPECT_FALSE(m_pFrame->Is_Logging());
            EXPECT_TRUE(m_pFrame->Get_Manager().GetPane("notepad").IsShown());
            Destroy_Frame();
        }
        else if (kind == Bad_Read::Truncated)
        {
            // What was read whole counts; the cut-off course name names no
            // file, so the pupil is asked for the course.
            wxTEST_DIALOG(Make_Frame(), wxExpectModal<wxFileDialog>("", wxID_CANCEL));
            EXPECT_FALSE(m_pFrame->Is_Logging());
            EXPECT_TRUE(m_pFrame->Get_Manager().GetPane("notepad").IsShown());
            EXPECT_EQ(m_pFrame->GetTitle(), "Sim-Corvena");
            Destroy_Frame();
        }
        else
        {
            // No start-up values: the defaults, the course is asked for and,
            // with the log on and no file, the log's file too.
            wxTEST_DIALOG(Make_Frame(), wxExpectModal<wxFileDialog>("", wxID_CANCEL),
                          wxExpectModal<wxFileDialog>("", wxID_CANCEL), wxExpectModal<wxMessageDialog>(wxYES));
            EXPECT_TRUE(m_pFrame->Is_Logging());
            EXPECT_TRUE(m_pFrame->Get_Log_File().empty());
            EXPECT_TRUE(m_pFrame->Get_Notes_File().empty());
            EXPECT_FALSE(m_pFrame->Get_Manager().GetPane("notepad").IsShown());
            EXPECT_EQ(CSim_Frame::Get_Font_Offset(), 0);
            wxTEST_DIALOG(Destroy_Frame(), wxExpectModal<wxFileDialog>("", wxID_CANCEL),
                          wxExpectModal<wxMessageDialog>(wxYES));
        }
        EXPECT_EQ(messages.Count(), 0);
    }
    Report_Cases_Not_Made();
}

TEST_F(Bad_Read_Input, Theme_File)
{
    const std::string good = "[General]\nName=Teichkurs\n[Themes]\nName=Teich\n[Themes/A]\nName=Algen\n";
    const Bad_Content content{Padded_To_10_MB(good, PROSE),
                              "[General]\nName=Teichkurs\n[Themes]\nName=Teich\n[Themes/A]\nName=Alg"};
    for (Bad_Read kind : All_Bad_Reads())
    {
        SCOPED_TRACE(Name_Of(kind));
        if (!Make("kurs/themen.ini", kind, content))
            continue;
        Log_Counter messages;
        Case_Timer timer(kind);
        CSim_Themes catalogue(m_pParent, m_Dir.File("kurs/themen.ini"));
        CSim_Theme* root = catalogue.Get_Root();
        ASSERT_NE(root, nullptr);
        EXPECT_EQ(catalogue.Get_Glossar(), nullptr);
        EXPECT_EQ(catalogue.Get_Selftest(), nullptr);
        EXPECT_EQ(catalogue.Get_Reflections(), nullptr);
        EXPECT_EQ(Tabs(root), wxArrayString(1, "Problem"));
        if (kind == Bad_Read::Huge || kind == Bad_Read::Truncated)
        {
            EXPECT_EQ(catalogue.Get_Name(), "Teichkurs");
            EXPECT_EQ(root->Get_Name(), "Teich");
            ASSERT_EQ(root->Get_Child_Count(), 1);
            EXPECT_EQ(root->Get_Child(0)->Get_Name(), kind == Bad_Read::Huge ? "Algen" : "Alg");
        }
        else
        {
            // An untitled course whose only theme reports the fault.
            EXPECT_EQ(catalogue.Get_Name(), "Sim-Corvena");
            EXPECT_EQ(root->Get_Name(), "Unbenannt");
            EXPECT_EQ(root->Get_Child_Count(), 0);
            EXPECT_EQ(Page_Text(dynamic_cast<wxHtmlWindow*>(root->GetPage(0))),
                      "Unbenannt\nfehlerhafte Konfiguration");
        }
        EXPECT_EQ(messages.Count(), 0);
    }
    Report_Cases_Not_Made();
}

TEST_F(Bad_Read_Input, Content_And_Task_Pages)
{
    const std::string page = "<html><body><h1>Der Teich</h1><p><a href=\"./blatt.pdf\">Blatt</a>"
                             "<img src=\"./teich.png\"></p>\n";
    // The bulk of the 10 MB is a comment: the reading, decoding and
    // rewriting go through all of it, the toolkit's layout (some 40 s for
    // 10 MB of prose) does not.
    const Bad_Content content{Padded_To_10_MB(page + "<!--\n", PROSE) + "-->\n</body></html>\n",
                              "<html><body><h1>Der Teich</h1><p><a href=\"./blatt.pdf\">Blatt</a><img src=\"./tei"};
    const wxString dir = m_Dir.File("kurs/seiten");
    for (Bad_Read kind : All_Bad_Reads())
    {
        SCOPED_TRACE(Name_Of(kind));
        if (!Make("kurs/seiten/teich.htm", kind, content) || !Make("kurs/seiten/aufgabe.htm", kind, content))
            continue;
        Log_Counter messages;
        Case_Timer timer(kind);
        CSim_Theme* theme = Root_Theme("[Themes]\nName=Teich\nContent=seiten/teich.htm\nTasks=seiten/aufgabe.htm\n");
        if (kind == Bad_Read::Missing || kind == Bad_Read::Directory)
        {
            // Not a file: no content page, and no page at all here.
            EXPECT_EQ(Tabs(theme), wxArrayString(1, "Problem"));
            EXPECT_TRUE(theme->Get_Tasks().empty());
            continue;
        }
        ASSERT_EQ(Tabs(theme), wxArrayString(1, "Inhalt"));
        wxHtmlWindow* shown = theme->Get_Content();
        if (kind == Bad_Read::Unreadable || kind == Bad_Read::Empty)
        {
            // The page stays, empty.
            EXPECT_EQ(Page_Text(shown), "");
            EXPECT_TRUE(theme->Get_Tasks().empty());
        }
        else if (kind == Bad_Read::Binary)
        {
            EXPECT_FALSE(theme->Get_Tasks().empty());
        }
        else
        {
            EXPECT_TRUE(Page_Text(shown).StartsWith("Der Teich\nBlatt"));
            ASSERT_FALSE(Page_Links(shown).empty());
            EXPECT_EQ(Page_Links(shown)[0], "file://" + dir + "/blatt.pdf");
            const wxString tasks = theme->Get_Tasks();
            EXPECT_TRUE(tasks.StartsWith("<html><body><h1>Der Teich</h1><p><a href=\"file://" + dir
                                         + "/blatt.pdf\">Blatt</a><img src=\"" + dir + "/tei"));
            if (kind == Bad_Read::Huge)
            {
                EXPECT_GT(tasks.length(), 10000000u);
            }
        }
        EXPECT_EQ(messages.Count(), 0);
        theme->Destroy();
    }
    Report_Cases_Not_Made();
}

TEST_F(Bad_Read_Input, Exercise_File)
{
    const std::string good = "[Frage1]\nQuestion=Wovon leben Karpfen?\n[Frage1/Answers]\na=1:Kleintiere\nb=0:Fische\n";
    const Bad_Content content{Padded_To_10_MB(good, PROSE),
                              "[Frage1]\nQuestion=Wovon leben Karpfen?\n[Frage1/Answers]\na=1:Kleintiere\nb=0:Fis"};
    for (Bad_Read kind : All_Bad_Reads())
    {
        SCOPED_TRACE(Name_Of(kind));
        if (!Make("kurs/uebungen/karpfen.ini", kind, content))
            continue;
        Log_Counter messages;
        Case_Timer timer(kind);
        CSim_Theme* theme = Root_Theme("[Themes]\nName=Karpfen\nExercises=uebungen/karpfen.ini\n");
        if (kind == Bad_Read::Huge || kind == Bad_Read::Truncated)
        {
            ASSERT_EQ(Tabs(theme), wxArrayString(1, "Selbsttest"));
            std::vector<wxCheckBox*> boxes = Check_Boxes(theme->Get_Exercise());
            ASSERT_EQ(boxes.size(), 2u);
            EXPECT_EQ(boxes[0]->GetLabel(), "Kleintiere");
            EXPECT_EQ(boxes[1]->GetLabel(), kind == Bad_Read::Huge ? "Fische" : "Fis");
        }
        else
        {
            // No question to ask: no exercise page.
            EXPECT_EQ(Tabs(theme), wxArrayString(1, "Problem"));
            EXPECT_EQ(theme->Get_Exercise(), nullptr);
        }
        EXPECT_EQ(messages.Count(), 0);
        theme->Destroy();
    }
    Report_Cases_Not_Made();
}

TEST_F(Bad_Read_Input, Self_Test_Glossary_And_Reflection_Files)
{
    // The three activities the course's General group names; each is left
    // out when its file gives nothing, and the course goes on without it.
    struct Activity
    {
        const char* file;
        std::string good;
        std::string cut;
    };
    const Activity selftest{"kurs/selbsttest/selbsttest.ini",
                            "[Frage01]\nQuestion=Welcher Fisch jagt?\n[Frage01/Answers]\na=1:Hecht\nb=0:Karpfen\n",
                            "[Frage01]\nQuestion=Welcher Fisch jagt?\n[Frage01/Answers]\na=1:Hecht\nb=0:Karp"};
    const Activity glossary{"kurs/lexikon/lexikon.txt", "<Hecht>{Ein Raubfisch.}\n<Alge>{Lebt im Wasser.}\n",
                            "<Hecht>{Ein Raubfisch.}\n<Alge>{Lebt im Was"};
    const Activity reflection{"kurs/reflexion/reflexion.ini",
                              "Title=R\xFC" "ckblick\nLogfile=antworten.txt\n[1]\nReflection=Nahrungsketten\n",
                              "Title=R\xFC" "ckblick\nLogfile=antworten.txt\n[1]\nReflection=Nahrungs"};
    const std::string themes = "[General]\nSelftest=selbsttest/selbsttest.ini\nGlossar=lexikon/lexikon.txt\n"
                               "Reflections=reflexion/reflexion.ini\n[Themes]\nName=Teich\n";
    for (Bad_Read kind : All_Bad_Reads())
    {
        SCOPED_TRACE(Name_Of(kind));
        bool made = true;
        for (const Activity* a : {&selftest, &glossary, &reflection})
            made = Make(a->file, kind, Bad_Content{Padded_To_10_MB(a->good, PROSE), a->cut}) && made;
        if (!made)
            continue;
        Log_Counter messages;
        Case_Timer timer(kind);
        CSim_Themes* catalogue = Catalogue(themes);
        if (kind == Bad_Read::Huge || kind == Bad_Read::Truncated)
        {
            ASSERT_NE(catalogue->Get_Selftest(), nullptr);
            EXPECT_TRUE(catalogue->Get_Selftest()->Has_Questions());
            ASSERT_NE(catalogue->Get_Glossar(), nullptr);
            EXPECT_EQ(Tabs(catalogue->Get_Glossar()), Strings({"A", "H"}));
            wxHtmlWindow* algae = dynamic_cast<wxHtmlWindow*>(catalogue->Get_Glossar()->GetPage(0));
            EXPECT_EQ(Page_Text(algae), kind == Bad_Read::Huge ? "Alge\nLebt im Wasser." : "Alge\nLebt im Was");
            ASSERT_NE(catalogue->Get_Reflections(), nullptr);
            ASSERT_EQ(catalogue->Get_Reflections()->Get_Item_Count(), 1);
            EXPECT_EQ(catalogue->Get_Reflections()->Get_Item(0)->Get_Topic(),
                      kind == Bad_Read::Huge ? "Nahrungsketten" : "Nahrungs");
        }
        else if (kind == Bad_Read::Binary)
        {
            // Arbitrary bytes hold no question; a glossary or a topic only
            // where they happen to hold its brackets, as the readers see them.
            EXPECT_EQ(catalogue->Get_Selftest(), nullptr);
            CSim_Config reader(m_Dir.File(reflection.file));
            int groups = 0;
            wxString name;
            long cookie;
            for (bool more = reader.Get_First_Group(&name, &cookie); more; more = reader.Get_Next_Group(&name, &cookie))
                groups++;
            if (groups == 0)
            {
                EXPECT_EQ(catalogue->Get_Reflections(), nullptr);
            }
            else
            {
                ASSERT_NE(catalogue->Get_Reflections(), nullptr);
                EXPECT_EQ(catalogue->Get_Reflections()->Get_Item_Count(), groups);
            }
        }
        else
        {
            EXPECT_EQ(catalogue->Get_Selftest(), nullptr);
            EXPECT_EQ(catalogue->Get_Glossar(), nullptr);
            EXPECT_EQ(catalogue->Get_Reflections(), nullptr);
        }
        EXPECT_EQ(Tabs(catalogue->Get_Root()), wxArrayString(1, "Problem"));
        EXPECT_EQ(messages.Count(), 0);
        delete catalogue;
        // The catalogue's windows go with their parent; here they go now.
        m_pParent->DestroyChildren();
        Process_Events();
    }
    Report_Cases_Not_Made();
}

TEST_F(Bad_Read_Input, Pictures)
{
    // One picture file named three times: beside a self-test question, as
    // a picture answer, and beside a reflection topic.
    const std::string good = Read_Bytes(CORVENA_SOURCE_DIR "/course/selbsttest/bilder/hecht.png");
    ASSERT_GT(good.size(), 1000u);
    // A real picture of 10 MB: noise does not compress.
    wxImage noise(1870, 1870, false);
    std::mt19937 random(7);
    unsigned char* pixels = noise.GetData();
    for (int i = 0; i < 1870 * 1870 * 3; i++)
        pixels[i] = (unsigned char)random();
    ASSERT_TRUE(noise.SaveFile(m_Dir.File("noise.png"), wxBITMAP_TYPE_PNG));
    const Bad_Content content{Read_Bytes(m_Dir.File_Str("noise.png")), good.substr(0, good.size() / 2)};
    ASSERT_GT(content.Huge.size(), 10000000u);

    m_Dir.Write("kurs/test.ini", "[F1]\nQuestion=Wer jagt?\nImage=bilder/bild.png\n"
                                 "[F1/Answers]\na=1:IMAGE:bilder/bild.png\nb=0:Karpfen\n");
    m_Dir.Write("kurs/reflexion.ini", "[1]\nReflection=Teich\nDescription_Img=bilder/bild.png\n");
    for (Bad_Read kind : All_Bad_Reads())
    {
        SCOPED_TRACE(Name_Of(kind));
        if (!Make("kurs/bilder/bild.png", kind, content))
            continue;
        Log_Counter messages;
        Case_Timer timer(kind);
        CSim_Config test(m_Dir.File("kurs/test.ini"));
        test.Set_Path("F1");
        CSim_Question* question = new CSim_Question(m_pParent, test);
        CSim_Config topics(m_Dir.File("kurs/reflexion.ini"));
        topics.Set_Path("1");
        CSim_Reflection* topic = new CSim_Reflection(m_pParent, &topics);

        ASSERT_EQ(question->Get_Answer_Count(), 2);
        std::vector<wxStaticBitmap*> pictures = Children<wxStaticBitmap>(question);
        std::vector<wxCheckBox*> boxes = Check_Boxes(question);
        ASSERT_EQ(boxes.size(), 2u);
        std::vector<wxStaticBitmap*> topic_pictures = Children<wxStaticBitmap>(topic);
        ASSERT_EQ(topic_pictures.size(), 1u);
        const wxSize topic_picture = topic_pictures[0]->GetBitmap().GetSize();
        if (kind == Bad_Read::Huge)
        {
            // Shown as it is, for the question and for the answer.
            ASSERT_EQ(pictures.size(), 2u);
            EXPECT_EQ(pictures[0]->GetBitmap().GetSize(), wxSize(1870, 1870));
            EXPECT_EQ(boxes[0]->GetLabel(), "");
            EXPECT_EQ(topic_picture, wxSize(1870, 1870));
        }
        else
        {
            // No picture beside the question, a text answer, the question
            // mark beside the topic.
            EXPECT_TRUE(pictures.empty());
            EXPECT_EQ(boxes[0]->GetLabel(), "IMAGE:bilder/bild.png");
            EXPECT_EQ(topic_picture, wxSize(32, 32));
        }
        EXPECT_EQ(question->Get_Correct_Count(), 1);
        EXPECT_EQ(messages.Count(), 0);
        question->Destroy();
        topic->Destroy();
    }
    Report_Cases_Not_Made();
}

TEST_F(Bad_Read_Input, Plugin)
{
    // A text file named like a plug-in, a cut-off copy of a real one and
    // the rest: no simulation page, no message, and the theme still stands.
    const std::string plugin = Read_Bytes(HOST_PROBE_PLUGIN);
    ASSERT_GT(plugin.size(), 10000u);
    const Bad_Content content{Padded_To_10_MB("", PROSE), plugin.substr(0, plugin.size() / 50)};
    for (Bad_Read kind : All_Bad_Reads())
    {
        SCOPED_TRACE(Name_Of(kind));
        if (!Make("kurs/plugins/fischlauf.so", kind, content))
            continue;
        Log_Counter messages;
        Case_Timer timer(kind);
        CSim_Theme* theme = Root_Theme("[Themes]\nName=Teich\nSimulation=plugins/fischlauf.so\n"
                                       "Simulation_Log=sim.log\n");
        EXPECT_EQ(theme->Get_Simulation(), nullptr);
        EXPECT_EQ(Tabs(theme), wxArrayString(1, "Problem"));
        EXPECT_FALSE(theme->Has_Library());
        EXPECT_EQ(messages.Count(), 0);
        theme->Destroy();
        Process_Events();
        EXPECT_FALSE(m_Dir.Exists("kurs/sim.log"));
    }
    Report_Cases_Not_Made();
}
