#include "tirsal/CSim_Window.h"

#include "simframe/src/Tirsal_Testing.h"
#include "tests/support/Temp_Dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <wx/frame.h>

namespace
{
    class Test_Sim_Window : public CSim_Window
    {
    public:
        using CSim_Window::CSim_Window;
        using CSim_Window::Log_Activity;
    };

    std::string Header(const char* date = "2024-03-05")
    {
        return std::string("Aufzeichung der Aktivit\xE4ten\nDatum: ") + date + "\nUhrzeit\tAktivtit\xE4t\tWert\n\n";
    }

    void Wait(int ms) { Tirsal_Advance_Clock(wxTimeSpan::Milliseconds(ms)); }

    // Simulation windows in a shown frame, as the host's notebook holds them, on a clock the test sets.
    class Sim_Window : public testing::Test
    {
    protected:
        Sim_Window()
        {
            Tirsal_Reset_Activity_Merge();
            Tirsal_Set_Clock(wxDateTime(5, wxDateTime::Mar, 2024, 10, 0, 0));
            m_pFrame->Show();
        }
        ~Sim_Window() override
        {
            Tirsal_Reset_Activity_Merge();
            m_pFrame->Destroy();
        }

        Test_Sim_Window* Logging(const wxString& file)
        {
            Test_Sim_Window* window = new Test_Sim_Window(m_pFrame, "");
            EXPECT_TRUE(window->Set_Log_File(m_Dir.File(file)));
            return window;
        }

        // Destroys the window, which writes its log, and returns the file.
        std::string Written(Test_Sim_Window* window, const wxString& file)
        {
            delete window;
            return m_Dir.Read(file);
        }

        Temp_Dir m_Dir;
        wxFrame* m_pFrame = new wxFrame(nullptr, wxID_ANY, "Simulation", wxDefaultPosition, wxSize(900, 700));
    };
}

TEST_F(Sim_Window, Log_Holds_Time_Activity_And_Value_In_Windows_1252_Once_A_File_Is_Set)
{
    Test_Sim_Window* silent = new Test_Sim_Window(m_pFrame, "");
    silent->Log_Activity("Zoom", "1");  // before a file is set: never recorded
    EXPECT_FALSE(silent->Set_Log_File(""));
    delete silent;
    EXPECT_TRUE(std::filesystem::is_empty(m_Dir.Path_Str()));
    Test_Sim_Window* late = new Test_Sim_Window(m_pFrame, "");
    late->Log_Activity("Zoom", "1");
    late->Set_Log_File(m_Dir.File("late.txt"));
    EXPECT_EQ(Written(late, "late.txt"), Header());

    Test_Sim_Window* window = Logging("log.txt");
    Wait(61000);
    window->Log_Activity(wxString::FromUTF8("Länge"), wxString::FromUTF8("5 € ő"));
    Wait(5000);
    window->Log_Activity("Reset", "");
    EXPECT_EQ(Written(window, "log.txt"), Header() + "10:01:01\tL\xE4nge\t5 \x80 ?\n10:01:06\tReset\t\n");
}

TEST_F(Sim_Window, Log_Merges_A_Rapid_Series_Of_One_Activity_Into_Its_Last_Line)
{
    struct Report { int Wait; const char* Activity; const char* Value; };
    const struct { const char* Name; std::vector<Report> Reports; const char* Lines; } cases[] = {
        {"three 0.5 s apart", {{0, "Time", "1"}, {500, "Time", "2"}, {500, "Time", "3"}}, "10:00:01\tTime\t3\n"},
        {"2.5 s apart", {{0, "Time", "1"}, {2500, "Time", "2"}}, "10:00:00\tTime\t1\n10:00:02\tTime\t2\n"},
        {"A B A", {{0, "Time", "1"}, {100, "Zoom", "2"}, {100, "Time", "3"}, {100, "time", "4"}},
         "10:00:00\tTime\t1\n10:00:00\tZoom\t2\n10:00:00\tTime\t3\n10:00:00\ttime\t4\n"},
        // Whole seconds from the last report, each merged report restarting the window.
        {"1.999 s apart", {{0, "Time", "1"}, {1999, "Time", "2"}, {1999, "Time", "3"}, {2000, "Time", "4"}},
         "10:00:03\tTime\t3\n10:00:05\tTime\t4\n"},
        // An empty activity is ignored and leaves the window running from the last real report.
        {"empty between", {{0, "Time", "1"}, {1500, "", "x"}, {1000, "Time", "2"}, {500, "", ""}, {0, "Time", "3"}},
         "10:00:00\tTime\t1\n10:00:03\tTime\t3\n"},
    };
    for (const auto& c : cases)
    {
        Tirsal_Reset_Activity_Merge();
        Tirsal_Set_Clock(wxDateTime(5, wxDateTime::Mar, 2024, 10, 0, 0));
        Test_Sim_Window* window = Logging("log.txt");
        for (const Report& report : c.Reports)
        {
            Wait(report.Wait);
            window->Log_Activity(report.Activity, report.Value);
        }
        EXPECT_EQ(Written(window, "log.txt"), Header() + c.Lines) << c.Name;
    }
}

TEST_F(Sim_Window, Log_Merges_Across_Windows_Only_Into_Lines_Of_The_Same_Activity)
{
    Test_Sim_Window* a = Logging("a.txt");
    Test_Sim_Window* b = Logging("b.txt");
    a->Log_Activity("Time", "1");
    Wait(500);
    b->Log_Activity("Time", "2");  // the first line of a window never replaces its header
    Wait(5000);
    b->Log_Activity("Zoom", "3");
    Wait(5000);
    a->Log_Activity("Time", "4");
    Wait(500);
    b->Log_Activity("Time", "5");  // the process's last activity is Time, but B's last line is Zoom
    Wait(1500);
    a->Log_Activity("Time", "6");  // timed from B's report
    // A new file starts a fresh record whose header is never replaced either.
    Tirsal_Set_Clock(wxDateTime(6, wxDateTime::Mar, 2024, 9, 0, 0));
    EXPECT_TRUE(b->Set_Log_File(m_Dir.File("c.txt")));
    b->Log_Activity("Time", "7");
    EXPECT_EQ(Written(a, "a.txt"), Header() + "10:00:00\tTime\t1\n10:00:12\tTime\t6\n");
    EXPECT_EQ(m_Dir.Read("b.txt"), Header() + "10:00:00\tTime\t2\n10:00:05\tZoom\t3\n10:00:11\tTime\t5\n");
    EXPECT_EQ(Written(b, "c.txt"), Header("2024-03-06") + "09:00:00\tTime\t7\n");
}
