// Every file a course names, in every bad shape it can take there, and every
// record the program writes, sent where it cannot be written: nothing crashes
// or hangs, no message reaches the pupil unasked, and the program does what
// it does for that kind of file.

#include "activities/CSim_Exercise.h"
#include "activities/CSim_Glossar.h"
#include "activities/CSim_Reflection.h"
#include "activities/CSim_Reflections.h"
#include "activities/CSim_Selftest.h"
#include "common/Record_Trouble.h"
#include "report/Class_Report.h"
#include "shell/CSim_Config.h"
#include "shell/CSim_Frame.h"
#include "shell/CSim_Theme.h"
#include "shell/CSim_Themes.h"
#include "shell/Theme_Entry.h"
#include "shell/Exercise_Settings.h"
#include "shell/Status_Fields.h"
#include "tests/support/Frame_Fixture.h"
#include "tests/support/Gui_Helpers.h"
#include "tests/support/Html_Inspection.h"
#include "tirsal/CSim_Window.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <wx/checkbox.h>
#include <wx/html/htmlwin.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>

namespace fs = std::filesystem;

namespace
{
    enum Shape { Missing, Empty, Binary, Huge, Directory, Unreadable, Truncated };
    const char* const SHAPE_NAMES[] = {"missing", "empty", "binary", "10 MB in one line", "directory", "unreadable",
                                       "truncated"};

    struct Bad_File { std::string path, good, cut, tail = ""; };  // cut: good cut off inside an entry

    // Puts the file in that shape at path; false when it does not come out so.
    // The 10 MB are the good content, one line of prose without the markup of
    // any course format, and the tail.
    bool Make(const std::string& path, Shape shape, const Bad_File& file)
    {
        std::error_code ec;
        fs::remove_all(path, ec);
        fs::create_directories(fs::path(path).parent_path(), ec);
        if (shape == Directory)
            return fs::create_directory(path, ec);
        if (shape == Unreadable)  // opens, but reading fails, for root too: nothing is mapped at offset 0
            return symlink("/proc/self/mem", path.c_str()) == 0 && std::ifstream(path).get() == EOF;
        std::string bytes = shape == Huge ? file.good : shape == Truncated ? file.cut : "";
        for (uint32_t i = 0; shape == Binary && i < 64 * 1024; i++)
            bytes += char(i < 256 ? i : (i * 2654435761u) >> 11);  // all 256 values, then noise
        while (shape == Huge && bytes.size() < (10u << 20))
            bytes += "Der Hecht lauert im Schilf auf Rotfedern und junge Karpfen. ";
        if (shape != Missing)
            std::ofstream(path, std::ios::binary) << bytes << (shape == Huge ? "\n" + file.tail : "");
        return true;
    }

    bool Read_Whole(Shape shape) { return shape == Huge || shape == Truncated; }
}

/// A temporary course with a frame as parent of what a test builds.
class Bad_Read_Input : public Frame_Fixture
{
protected:
    void SetUp() override
    {
        Init_Exercise_Settings();
        Set_Default_TimeOut(0);
    }

    void TearDown() override
    {
        m_pParent->Destroy();
        Frame_Fixture::TearDown();
    }

    /// Runs check once per shape, with all files in that shape: no message
    /// may reach the pupil, and no case may take minutes.
    void For_Each_Shape(const std::vector<Bad_File>& files, const std::function<void(Shape)>& check)
    {
        for (Shape shape : {Missing, Empty, Binary, Huge, Directory, Unreadable, Truncated})
        {
            SCOPED_TRACE(SHAPE_NAMES[shape]);
            for (const Bad_File& file : files)
                ASSERT_TRUE(Make(m_Dir.File_Str(file.path), shape, file)) << "cannot be made here";
            Message_Counter messages;
            const auto start = std::chrono::steady_clock::now();
            check(shape);
            EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
            EXPECT_EQ(messages.Count, 0);
            m_pParent->DestroyChildren();
        }
    }

    /// The root theme of a theme file written from text (in kurs/).
    Theme_Entry* Root_Theme(const std::string& themes)
    {
        m_Dir.Write("kurs/themen.ini", themes);
        CSim_Config config(m_Dir.File("kurs/themen.ini"));
        config.Set_Path("/Themes");
        m_pEntry.reset(new Theme_Entry(m_pParent, config));
        return m_pEntry.get();
    }

    wxFrame* m_pParent = new wxFrame(nullptr, wxID_ANY, "Kurs");
    std::unique_ptr<Theme_Entry> m_pEntry;
};

TEST_F(Bad_Read_Input, Start_File)
{
    m_Dir.Write("kurs/themen.ini", "[General]\nName=Teichkurs\n[Themes]\nName=Teich\n");
    const std::string good = "DOLOG=0\nNOTEPADSHOW=1\nTHEMES=kurs/themen.ini\n";
    For_Each_Shape({{"sim_corvena.ini", good, good.substr(0, good.rfind("en.ini"))}}, [&](Shape shape) {
        // What was read whole counts, and the cut-off course names no file;
        // else the defaults: the course is asked for and, the log being on
        // without a file, the log's file too, at the start and at the end.
        if (shape == Truncated)
        {
            wxTEST_DIALOG(Make_Frame(), wxExpectModal<wxFileDialog>("", wxID_CANCEL));
        }
        else if (shape != Huge)
        {
            wxTEST_DIALOG(Make_Frame(), wxExpectModal<wxFileDialog>("", wxID_CANCEL),
                          wxExpectModal<wxFileDialog>("", wxID_CANCEL), wxExpectModal<wxMessageDialog>(wxYES));
        }
        else
            Make_Frame();
        EXPECT_EQ(m_pFrame->GetTitle(), shape == Huge ? "Teichkurs" : "Sim-Corvena");
        EXPECT_EQ(m_pFrame->Is_Logging(), !Read_Whole(shape));
        EXPECT_TRUE(m_pFrame->Get_Log_File().empty() && m_pFrame->Get_Notes_File().empty());
        EXPECT_EQ(m_pFrame->Get_Manager().GetPane("notepad").IsShown(), Read_Whole(shape));
        if (!Read_Whole(shape))
            wxTEST_DIALOG(Destroy_Frame(), wxExpectModal<wxFileDialog>("", wxID_CANCEL),
                          wxExpectModal<wxMessageDialog>(wxYES));
        Destroy_Frame();
    });
}

TEST_F(Bad_Read_Input, Theme_File)
{
    const std::string good = "[General]\nName=Teichkurs\n[Themes]\nName=Teich\n[Themes/A]\nName=Algen\n";
    For_Each_Shape({{"kurs/themen.ini", good, good.substr(0, good.rfind("en\n"))}}, [&](Shape shape) {
        CSim_Themes catalogue(m_pParent, m_Dir.File("kurs/themen.ini"));
        Theme_Entry* root = catalogue.Get_Root();
        ASSERT_NE(root, nullptr);
        EXPECT_TRUE(!catalogue.Get_Glossar() && !catalogue.Get_Selftest() && !catalogue.Get_Reflections());
        wxString read = catalogue.Get_Name() + "|" + root->Get_Name();
        for (int i = 0; i < root->Get_Child_Count(); i++)
            read += "|" + root->Get_Child(i)->Get_Name();
        // Unread: an untitled course. A theme without pages reports the fault on its one page.
        EXPECT_EQ(read, shape == Huge ? "Teichkurs|Teich|Algen" : shape == Truncated ? "Teichkurs|Teich|Alg"
                                                                                      : "Sim-Corvena|Unbenannt");
        EXPECT_EQ(Tab_Labels(root->Get_Theme()), "Problem");
        EXPECT_EQ(Page_Text(dynamic_cast<wxHtmlWindow*>(root->Get_Theme()->GetPage(0))),
                  root->Get_Name() + "\nfehlerhafte Konfiguration");
    });
}

TEST_F(Bad_Read_Input, Content_And_Task_Pages)
{
    // The 10 MB are a comment: reading, decoding and rewriting go through
    // them, the toolkit's layout (some 40 s for 10 MB of prose) does not.
    const std::string page = "<html><body><h1>Der Teich</h1><p><a href=\"./blatt.pdf\">Blatt</a>"
                             "<img src=\"./teich.png\"></p>\n<!--\n";
    const wxString dir = m_Dir.File("kurs/seiten");
    For_Each_Shape({{"kurs/seiten/teich.htm", page, page.substr(0, page.find("ch.png")), "-->\n</body></html>\n"}},
                   [&](Shape shape) {
        Theme_Entry* entry = Root_Theme("[Themes]\nName=Teich\nContent=seiten/teich.htm\nTasks=seiten/teich.htm\n");
        CSim_Theme* theme = entry->Get_Theme();
        const wxString tasks = entry->Get_Tasks();
        const wxString text = theme->Get_Content() ? Page_Text(theme->Get_Content()) : "?";
        // Not a file: no content page; a file that gives nothing: an empty one.
        EXPECT_EQ(Tab_Labels(theme), shape == Missing || shape == Directory ? "Problem" : "Inhalt");
        EXPECT_EQ(tasks.empty(), shape != Binary && !Read_Whole(shape));
        EXPECT_EQ(text.empty(), shape == Empty || shape == Unreadable);
        if (!Read_Whole(shape))
            return;
        EXPECT_TRUE(text.StartsWith("Der Teich\nBlatt")) << text;
        EXPECT_EQ(Page_Links(theme->Get_Content()), std::vector<wxString>{"file://" + dir + "/blatt.pdf"});
        EXPECT_TRUE(tasks.StartsWith("<html><body><h1>Der Teich</h1><p><a href=\"file://" + dir
                                     + "/blatt.pdf\">Blatt</a><img src=\"" + dir + "/tei"));
        EXPECT_EQ(tasks.length() > 10000000u, shape == Huge);
    });
}

TEST_F(Bad_Read_Input, Exercise_Self_Test_Glossary_And_Reflection_Files)
{
    // The activities of the course's General group and a theme's exercise
    // page (on the self-test's questions); each is left out when its file
    // gives nothing, and the course goes on without it.
    const std::string test = "[Frage01]\nQuestion=Welcher Fisch jagt?\n[Frage01/Answers]\na=1:Hecht\nb=0:Karpfen\n";
    const std::string glossary = "<Hecht>{Ein Raubfisch.}\n<Alge>{Lebt im Wasser.}\n";
    const std::string topics = "Title=R\xFC" "ckblick\nLogfile=antworten.txt\n[1]\nReflection=Nahrungsketten\n";
    m_Dir.Write("kurs/themen.ini", "[General]\nSelftest=selbsttest.ini\nGlossar=lexikon.txt\n"
                                   "Reflections=reflexion.ini\n[Themes]\nName=Teich\nExercises=selbsttest.ini\n");
    For_Each_Shape({{"kurs/selbsttest.ini", test, test.substr(0, test.rfind("fen"))},
                    {"kurs/lexikon.txt", glossary, glossary.substr(0, glossary.rfind("ser."))},
                    {"kurs/reflexion.ini", topics, topics.substr(0, topics.rfind("ketten"))}},
                   [&](Shape shape) {
        CSim_Themes catalogue(m_pParent, m_Dir.File("kurs/themen.ini"));
        CSim_Glossar* glossar = catalogue.Get_Glossar();
        CSim_Reflections* reflections = catalogue.Get_Reflections();
        CSim_Theme* theme = catalogue.Get_Root()->Get_Theme();
        EXPECT_EQ(Tab_Labels(theme), Read_Whole(shape) ? "Selbsttest" : "Problem");
        EXPECT_EQ(catalogue.Get_Selftest() && catalogue.Get_Selftest()->Has_Questions(), Read_Whole(shape));
        wxString labels;
        if (theme->Get_Exercise() && (theme->Get_Exercise()->Make_Boxes(), true))
            for (wxWindow* child : theme->Get_Exercise()->GetChildren())
                if (wxCheckBox* box = dynamic_cast<wxCheckBox*>(child))
                    labels += box->GetLabel() + "|";
        EXPECT_EQ(labels, shape == Huge ? "Hecht|Karpfen|" : shape == Truncated ? "Hecht|Karp|" : "");
        // Arbitrary bytes may hold a glossary entry or a topic where they
        // happen to hold its brackets; the other unread shapes hold none.
        if (!Read_Whole(shape))
        {
            EXPECT_TRUE(shape == Binary || (!glossar && !reflections));
            return;
        }
        ASSERT_TRUE(glossar && reflections);
        glossar->Make_Pages();
        EXPECT_EQ(Tab_Labels(glossar), "A|H");
        EXPECT_EQ(Page_Text(dynamic_cast<wxHtmlWindow*>(glossar->GetPage(0))),
                  shape == Huge ? "Alge\nLebt im Wasser." : "Alge\nLebt im Was");
        ASSERT_EQ(reflections->Get_Item_Count(), 1);
        EXPECT_EQ(reflections->Get_Item(0)->Get_Topic(), shape == Huge ? "Nahrungsketten" : "Nahrungs");
    });
}

TEST_F(Bad_Read_Input, Plugin)
{
    // A text file named like a plug-in, a real one cut short and the rest:
    // no simulation page, no simulation log, the theme stands.
    std::ifstream in(HOST_PROBE_PLUGIN, std::ios::binary);
    const std::string plugin((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(plugin.size(), 10000u);
    For_Each_Shape({{"kurs/plugins/fischlauf.so", "", plugin.substr(0, plugin.size() / 50)}}, [&](Shape) {
        CSim_Theme* theme = Root_Theme("[Themes]\nName=Teich\nSimulation=plugins/fischlauf.so\nSimulation_Log=sim.log")->Get_Theme();
        EXPECT_TRUE(!theme->Get_Simulation() && !theme->Has_Library());
        EXPECT_EQ(Tab_Labels(theme), "Problem");
        theme->Destroy();
        Process_Events();
        EXPECT_FALSE(m_Dir.Exists("kurs/sim.log"));
    });
}

TEST_F(Bad_Read_Input, Class_Records)
{
    // A pupil's three records for the class report. Only what it can read
    // gives rows; a record cut inside an entry is read up to there, and said.
    const std::string log = "Teich\nAufzeichung der Aktivit\xE4ten\nDatum: 2026-12-07\nUhrzeit\tDauer\tAktivtit\xE4t\n"
                            "08:00:00\t00:00:00\tAufzeichnung gestartet\n08:00:05\t00:00:05\t";
    const std::string sim = "Aufzeichung der Aktivit\xE4ten\nDatum: 2026-12-07\nUhrzeit\tAktivtit\xE4t\tWert\n\n"
                            "08:00:03\tRF Grow\t";
    const std::string answers = "Reflektionshilfen\n\n____________________\n1. Reflektionshilfe\n\nThema: Teich\n"
                                "Bewertung: 4   \nErl\xE4uterung:\n";
    For_Each_Shape({{"klasse/anna/aktivitaet.log", log, log.substr(0, log.rfind("08:00:05") + 4),
                     "08:00:10\t00:00:05\tAufzeichnung beendet\n"},
                    {"klasse/anna/simulation.log", sim, sim.substr(0, sim.rfind(":03"))},
                    {"klasse/anna/antworten.txt", answers, answers.substr(0, answers.rfind("Bewert"))}},
                   [&](Shape shape) {
        const Report_Result result = Write_Class_Report({m_Dir.File("klasse"), "", ""});
        EXPECT_EQ(result.What, shape == Truncated ? Report_Result::Unread : Report_Result::Complete) << result.Message;
        const std::string sessions = m_Dir.Read("klasse/Auswertung/sitzungen.csv");
        const size_t rows = std::count(sessions.begin(), sessions.end(), '\n') - 1;
        EXPECT_EQ(rows, Read_Whole(shape) ? 1u : 0u);
        EXPECT_EQ(sessions.find(";ja;") != std::string::npos, shape == Huge);
        EXPECT_EQ(m_Dir.Read("klasse/Auswertung/simulationen.csv").size() > 10000000u, shape == Huge);
        EXPECT_EQ(m_Dir.Read("klasse/Auswertung/reflexion.csv").size() > 10000000u, shape == Huge);
    });
}

TEST_F(Bad_Read_Input, Records_Of_An_Earlier_Run)
{
    // Every record's place holds an earlier run in that shape. What can be
    // read or moved stays beside it byte for byte, never over a name taken;
    // the rest stays where it is.
    const std::string run = "Aufzeichung der Aktivit\xE4ten\nDatum: 2024-03-05\nUhrzeit\tAktivtit\xE4t\tWert\n\n10:00:01\tTime\t3\n";
    const std::vector<std::string> records = {"aktivitaet.log", "notizen.txt", "sim.log", "antworten.txt"};
    std::vector<Bad_File> files;
    for (const std::string& record : records)
        files.push_back({"spuren/" + record, run, run.substr(0, run.size() - 4)});
    Write_Ini("THEMES=kurs/themen.ini\nLOGFILE=spuren/aktivitaet.log\nNOTEPADFILE=spuren/notizen.txt\n");
    m_Dir.Write("kurs/themen.ini", "[General]\nReflections=reflexion.ini\n[Themes]\nName=Teich\nSimulation=" HOST_PROBE_PLUGIN
                                   "\nSimulation_Log=../spuren/sim.log\n");
    m_Dir.Write("kurs/reflexion.ini", "Logfile=../spuren/antworten.txt\n[1]\nReflection=Nahrungsketten\n");
    // The bytes of the files in spuren/ but the records' own.
    auto others = [&] {
        std::multiset<std::string> bytes;
        for (const fs::directory_entry& file : fs::directory_iterator(m_Dir.File_Str("spuren")))
            if (file.is_regular_file() && !std::count(records.begin(), records.end(), file.path().filename()))
                bytes.insert(m_Dir.Read("spuren/" + file.path().filename().string()));
        return bytes;
    };
    For_Each_Shape(files, [&](Shape shape) {
        m_Dir.Write("spuren/notizen-2024-03-05_10-00-01.txt", "vergeben");
        std::multiset<std::string> expected = others();
        for (const std::string& record : records)
            if (shape == Binary || Read_Whole(shape))
                expected.insert(m_Dir.Read("spuren/" + record));
        // A folder is no file to log into: the pupil is asked, at the start and at the end.
        if (shape == Directory)
        {
            wxTEST_DIALOG(Make_Frame(), wxExpectModal<wxMessageDialog>(wxYES));
            wxTEST_DIALOG(Destroy_Frame(), wxExpectModal<wxFileDialog>("", wxID_CANCEL), wxExpectModal<wxMessageDialog>(wxYES));
        }
        else
        {
            Make_Frame();
            Destroy_Frame();
        }
        EXPECT_TRUE(others() == expected) << others().size() << " files beside the records";
        fs::remove_all(m_Dir.File_Str("spuren"));
    });
}

namespace
{
    enum Place { Unwritable_Directory, Read_Only_File, Full_Disk };
    const char* const PLACE_NAMES[] = {"unwritable directory", "read-only file", "full disk"};
    // Places that refuse root too: sysfs takes no new files and opens no
    // read-only attribute for writing; on /dev/full every write fails.
    const char* const PLACE_TARGETS[] = {"/sys/devices/system/cpu", "/sys/devices/system/cpu/online", "/dev/full"};

    // A simulation window that logs as the plug-ins do.
    struct Logging_Window : CSim_Window
    {
        using CSim_Window::CSim_Window;
        using CSim_Window::Log_Activity;
    };
}

/// A course that writes four records: the activity log, the notes, a
/// simulation's log and the reflection answers. Each test sends one of them
/// to a bad place and the others to "aufzeichnungen/".
class Bad_Write_Place : public Frame_Fixture
{
protected:
    struct Records
    {
        std::string log = "aufzeichnungen/aktivitaet.log", notes = "aufzeichnungen/notizen.txt",
                    sim_log = "aufzeichnungen/simulation.log", answers = "aufzeichnungen/antworten.txt";
    };

    /// Runs run once per bad place, with record of a fresh course there: no
    /// message may reach the pupil unasked, and every other record is whole.
    void For_Each_Place(std::string Records::*record, const std::function<void(Place, const std::string&)>& run)
    {
        for (Place place : {Unwritable_Directory, Read_Only_File, Full_Disk})
        {
            SCOPED_TRACE(PLACE_NAMES[place]);
            Records records;
            std::string& bad = records.*record;
            bad = "gesperrt_" + std::to_string(place) + "/" + fs::path(bad).filename().string();
            const fs::path link = m_Dir.File_Str(bad), at = place == Unwritable_Directory ? link.parent_path() : link;
            fs::create_directories(at.parent_path());
            fs::remove(at);
            ASSERT_EQ(symlink(PLACE_TARGETS[place], at.c_str()), 0);
            ASSERT_FALSE(std::ofstream(link) << 'x' << std::flush) << "writing there works here";
            fs::remove_all(m_Dir.File_Str("aufzeichnungen"));
            m_Dir.Make_Dir("aufzeichnungen");
            Write_Ini("THEMES=kurs/themen.ini\nDOLOG=1\nLOGFILE=" + m_Dir.File_Str(records.log)
                      + "\nNOTEPADFILE=" + m_Dir.File_Str(records.notes) + "\n");
            m_Dir.Write("kurs/themen.ini", "[General]\nName=Teichkurs\nReflections=reflexion.ini\n[Themes]\nName=Teich\n"
                                           "Simulation=" HOST_PROBE_PLUGIN "\nSimulation_Log="
                                           + m_Dir.File_Str(records.sim_log) + "\n");
            m_Dir.Write("kurs/reflexion.ini",
                        "Logfile=" + m_Dir.File_Str(records.answers) + "\n[1]\nReflection=Nahrungsketten\n");
            Message_Counter messages;
            run(place, bad);
            EXPECT_EQ(messages.Count, 0);
            // Every other record is written, the activity log to its end.
            for (std::string Records::*other : {&Records::log, &Records::notes, &Records::sim_log, &Records::answers})
                EXPECT_TRUE(other == record || !m_Dir.Read(records.*other).empty()) << records.*other;
            const std::string log = record == &Records::log ? "" : m_Dir.Read(records.log);
            EXPECT_TRUE(record == &Records::log || log.size() - log.rfind("\tAufzeichnung beendet\n") == 22) << log;
        }
    }
};

TEST_F(Bad_Write_Place, Activity_Log)
{
    For_Each_Place(&Records::log, [&](Place place, const std::string& bad) {
        if (place == Full_Disk)
        {
            // The file opens, so nobody is asked; every write fails, and the end goes without a word.
            Make_Frame();
            EXPECT_EQ(m_pFrame->Get_Log_File(), m_Dir.File(bad));
            Destroy_Frame();
            return;
        }
        // Refused at once: the pupil is asked whether really no profile
        // should be kept, at the start and again at the end.
        wxString question;
        wxTEST_DIALOG(Make_Frame(), Expect_Message(wxYES, &question));
        EXPECT_EQ(question, "Soll wirklich kein Aktivit\u00e4tsprofil erstellt werden ?");
        EXPECT_TRUE(m_pFrame->Is_Logging() && m_pFrame->Get_Log_File().empty());
        wxTEST_DIALOG(Destroy_Frame(), wxExpectModal<wxFileDialog>("", wxID_CANCEL),
                      wxExpectModal<wxMessageDialog>(wxYES));
    });
}

TEST_F(Bad_Write_Place, Simulation_Log_And_Reflection_Answers)
{
    // The host hands the place to the course's simulation, which logs there
    // without a word; the answers are written, in vain, when the session ends.
    for (std::string Records::*record : {&Records::sim_log, &Records::answers})
        For_Each_Place(record, [&](Place, const std::string& bad) {
            Make_Frame();
            CSim_Themes* themes = m_pFrame->Get_Themes();
            EXPECT_TRUE(themes->Get_Root()->Get_Theme()->Get_Simulation() && themes->Get_Reflections());
            Destroy_Frame();
            wxFrame* host = new wxFrame(nullptr, wxID_ANY, "Simulation");
            Logging_Window* window = new Logging_Window(host, "");
            EXPECT_TRUE(window->Set_Log_File(m_Dir.File(bad)));
            window->Log_Activity("Hechte", "40");
            host->Destroy();
            Process_Events();
        });
}

TEST_F(Bad_Write_Place, Notes)
{
    For_Each_Place(&Records::notes, [&](Place, const std::string&) {
        // The fresh notes file of the start is skipped without a word.
        Make_Frame();
        wxTextCtrl* notes = m_pFrame->Get_Notes();
        EXPECT_TRUE(notes->IsEmpty());
        notes->SetValue("Hechte fressen Rotfedern.");
        notes->MarkDirty();
        // Saving fails: the pupil may choose another file; declined, saving
        // reports its failure (a close goes no further) and the notes stay.
        bool saved = true;
        wxTEST_DIALOG(saved = m_pFrame->Save_Notes(), wxExpectModal<wxFileDialog>("", wxID_CANCEL));
        EXPECT_FALSE(saved);
        EXPECT_TRUE(notes->IsModified() && notes->GetValue() == "Hechte fressen Rotfedern.");
        notes->DiscardEdits();
        Destroy_Frame();
    });
}

TEST_F(Bad_Write_Place, A_Full_Disk_Is_Named_In_The_Status_Bar_Until_The_Records_Fit)
{
    Small_Disk disk(m_Dir, "platte");
    if (!disk.Ok())
        GTEST_SKIP() << "only root mounts a small disk";
    disk.Fill();
    const wxString log = m_Dir.File("platte/aktivitaet.log"), sim = m_Dir.File("platte/sim.log");
    Write_Ini("THEMES=kurs/themen.ini\nLOGFILE=" + log.ToStdString() + "\n");
    m_Dir.Write("kurs/themen.ini", "[General]\nName=Teichkurs\n[Themes]\nName=Teich\nSimulation=" HOST_PROBE_PLUGIN
                                   "\nSimulation_Log=" + sim.ToStdString() + "\n");
    testing::internal::CaptureStderr();
    Make_Frame();
    Log_Program_Activity("Selbsttest gestartet");
    // One line each on standard error, however often writing fails.
    EXPECT_EQ(testing::internal::GetCapturedStderr(), Record_Trouble::Text(sim) + "\n" + Record_Trouble::Text(log) + "\n");
    wxStatusBar* status = m_pFrame->GetStatusBar();
    EXPECT_EQ(status->GetStatusText(STATUS_RECORDS), Record_Trouble::Text(sim + ", " + log));
    disk.Free();
    Log_Program_Activity("Selbsttest beendet");
    EXPECT_EQ(status->GetStatusText(STATUS_RECORDS), Record_Trouble::Text(sim));
    Destroy_Frame();
    // Nothing was lost while the disk was full.
    const std::string written = m_Dir.Read("platte/aktivitaet.log");
    EXPECT_NE(written.find("\tAufzeichnung gestartet\n"), std::string::npos) << written;
    EXPECT_NE(written.find("\tSelbsttest gestartet\n"), std::string::npos) << written;
    EXPECT_EQ(m_Dir.Read("platte/sim.log").rfind("Aufzeichung der Aktivit\xE4ten\n", 0), 0u);
}
