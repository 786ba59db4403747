#include "tests/simframe/Sim_Test_Window.h"

#include "simframe/src/Tirsal_Testing.h"
#include "tests/support/Temp_Dir.h"

#include <filesystem>

namespace
{
    const std::string Header = "Aufzeichung der Aktivit\xE4ten\nDatum: 2024-03-05\n"
                               "Uhrzeit\tAktivtit\xE4t\tWert\n\n";

    class Sim_Log : public Sim_Frame_Test
    {
    protected:
        void SetUp() override
        {
            Sim_Frame_Test::SetUp();
            Tirsal_Reset_Activity_Merge();
            Tirsal_Set_Clock(wxDateTime(5, wxDateTime::Mar, 2024, 10, 0, 0));
        }

        void TearDown() override
        {
            Tirsal_Reset_Activity_Merge();
            Sim_Frame_Test::TearDown();
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

        static void Wait(int ms) { Tirsal_Advance_Clock(wxTimeSpan::Milliseconds(ms)); }

        Temp_Dir m_Dir;
    };
}

TEST_F(Sim_Log, Records_Are_Written_Only_When_A_File_Was_Set)
{
    Test_Sim_Window* silent = new Test_Sim_Window(m_pFrame, "");
    silent->Log_Activity("Time", "1");
    EXPECT_FALSE(silent->Set_Log_File(""));
    delete silent;
    EXPECT_TRUE(std::filesystem::is_empty(m_Dir.Path_Str()));

    // Reports before Set_Log_File are not recorded; a header alone is.
    Test_Sim_Window* late = new Test_Sim_Window(m_pFrame, "");
    late->Log_Activity("Zoom", "1");
    late->Set_Log_File(m_Dir.File("late.txt"));
    EXPECT_EQ(Written(late, "late.txt"), Header);
}

TEST_F(Sim_Log, Lines_Carry_Time_Activity_And_Value_In_Windows_1252)
{
    Test_Sim_Window* window = Logging("log.txt");
    Wait(61000);
    window->Log_Activity(wxString::FromUTF8("Länge"), wxString::FromUTF8("5 € ő"));
    Wait(5000);
    window->Log_Activity("Reset", "");
    Wait(5000);
    window->Log_Activity("Time", "200.000000");
    EXPECT_EQ(Written(window, "log.txt"), Header +
                                              "10:01:01\tL\xE4nge\t5 \x80 ?\n"
                                              "10:01:06\tReset\t\n"
                                              "10:01:11\tTime\t200.000000\n");
}

TEST_F(Sim_Log, A_Rapid_Series_Of_One_Activity_Leaves_Its_Last_Line)
{
    Test_Sim_Window* window = Logging("log.txt");
    window->Log_Activity("Time", "1");
    Wait(500);
    window->Log_Activity("Time", "2");
    Wait(500);
    window->Log_Activity("Time", "3");
    EXPECT_EQ(Written(window, "log.txt"), Header + "10:00:01\tTime\t3\n");
}

TEST_F(Sim_Log, Reports_Two_Seconds_Apart_Or_Of_Another_Activity_Stay_Apart)
{
    Test_Sim_Window* slow = Logging("slow.txt");
    slow->Log_Activity("Time", "1");
    Wait(2500);
    slow->Log_Activity("Time", "2");
    EXPECT_EQ(Written(slow, "slow.txt"), Header + "10:00:00\tTime\t1\n10:00:02\tTime\t2\n");

    Test_Sim_Window* mixed = Logging("mixed.txt");
    mixed->Log_Activity("Time", "1");
    Wait(100);
    mixed->Log_Activity("Zoom", "2");
    Wait(100);
    mixed->Log_Activity("Time", "3");
    Wait(100);
    mixed->Log_Activity("time", "4");
    EXPECT_EQ(Written(mixed, "mixed.txt"),
              Header + "10:00:02\tTime\t1\n10:00:02\tZoom\t2\n10:00:02\tTime\t3\n10:00:02\ttime\t4\n");
}

TEST_F(Sim_Log, The_Two_Second_Window_Counts_Whole_Seconds_From_The_Last_Report)
{
    Test_Sim_Window* window = Logging("log.txt");
    window->Log_Activity("Time", "1");
    Wait(1999);
    window->Log_Activity("Time", "2");
    // Each merged report restarts the window.
    Wait(1999);
    window->Log_Activity("Time", "3");
    Wait(2000);
    window->Log_Activity("Time", "4");
    EXPECT_EQ(Written(window, "log.txt"), Header + "10:00:03\tTime\t3\n10:00:05\tTime\t4\n");
}

TEST_F(Sim_Log, Empty_Activities_Are_Ignored_And_Leave_The_Window_Running)
{
    Test_Sim_Window* window = Logging("log.txt");
    window->Log_Activity("Time", "1");
    Wait(1500);
    window->Log_Activity("", "ignored");
    Wait(1000);
    // 2.5 s after the last real report: a new line, although the empty one
    // came only a second ago.
    window->Log_Activity("Time", "2");
    Wait(500);
    window->Log_Activity("", "");
    window->Log_Activity("Time", "3");
    EXPECT_EQ(Written(window, "log.txt"), Header + "10:00:00\tTime\t1\n10:00:03\tTime\t3\n");
}

TEST_F(Sim_Log, A_New_Log_File_Starts_A_Fresh_Record)
{
    Test_Sim_Window* window = Logging("first.txt");
    window->Log_Activity("Time", "1");
    Tirsal_Set_Clock(wxDateTime(6, wxDateTime::Mar, 2024, 9, 0, 0));
    EXPECT_TRUE(window->Set_Log_File(m_Dir.File("second.txt")));
    // Within two seconds of the same activity, but the record holds only
    // its header: the header is never replaced.
    window->Log_Activity("Time", "2");
    EXPECT_EQ(Written(window, "second.txt"),
              "Aufzeichung der Aktivit\xE4ten\nDatum: 2024-03-06\nUhrzeit\tAktivtit\xE4t\tWert\n\n"
              "09:00:00\tTime\t2\n");
    // What reached the first file before the switch stays there.
    EXPECT_EQ(m_Dir.Read("first.txt"),
              "Aufzeichung der Aktivit\xE4ten\nDatum: 2024-03-05\nUhrzeit\tAktivtit\xE4t\tWert\n\n"
              "10:00:00\tTime\t1\n");
}

TEST_F(Sim_Log, Windows_Merge_Across_The_Process_Only_Into_Lines_Of_The_Same_Activity)
{
    Test_Sim_Window* a = Logging("a.txt");
    Test_Sim_Window* b = Logging("b.txt");

    // The first line of a window never replaces its header, whatever
    // another window logged just before.
    a->Log_Activity("Time", "1");
    Wait(500);
    b->Log_Activity("Time", "2");

    // B logs Zoom; A logs Time; B then logs Time within two seconds. The
    // process's last activity is Time, but B's last line is Zoom and stays.
    Wait(5000);
    b->Log_Activity("Zoom", "3");
    Wait(5000);
    a->Log_Activity("Time", "4");
    Wait(500);
    b->Log_Activity("Time", "5");

    // Where the window's last line is of the same activity, the series
    // merges across windows, timed from the other window's report.
    Wait(1500);
    a->Log_Activity("Time", "6");
    Wait(1500);
    b->Log_Activity("Time", "7");

    EXPECT_EQ(Written(a, "a.txt"), Header + "10:00:00\tTime\t1\n10:00:12\tTime\t6\n");
    EXPECT_EQ(Written(b, "b.txt"),
              Header + "10:00:00\tTime\t2\n10:00:05\tZoom\t3\n10:00:14\tTime\t7\n");
}

TEST_F(Sim_Log, An_Unwritable_Path_Drops_The_Record_Silently)
{
    m_Dir.Write("plain", "not a directory");
    m_Dir.Make_Dir("folder");
    for (const wxString& path : {m_Dir.File("plain/log.txt"), m_Dir.File("plain/under/log.txt"),
                                 m_Dir.File("folder")})
    {
        Test_Sim_Window* window = new Test_Sim_Window(m_pFrame, "");
        EXPECT_TRUE(window->Set_Log_File(path));
        window->Log_Activity("Time", "1");
        delete window;
    }
    EXPECT_EQ(m_Dir.Read("plain"), "not a directory");
    EXPECT_TRUE(m_Dir.Exists("folder"));
}
