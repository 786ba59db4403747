// The real program on fixture courses, ended by a signal: what it records
// reaches the disk.

#include "tests/support/Corvena_Process.h"
#include "tests/support/Temp_Dir.h"

#include <filesystem>
#include <map>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>

using Session_End = testing::TestWithParam<int>;

TEST_P(Session_End, Signal_Ends_Like_A_Confirmed_Close_Saves_The_Notes_And_Aborts_The_Self_Test)
{
    Temp_Dir dir;
    dir.Write("sim_corvena.ini",
              "THEMES=kurs/themen.ini\nDOLOG=1\nLOGFILE=log.txt\nNOTEPADSHOW=1\nNOTEPADFILE=notizen.txt\n");
    dir.Write("kurs/themen.ini", "[General]\nName=Testkurs\nSelftest=test.ini\nSelftest_Time=4\n"
                                 "[Themes]\nName=Teich\n[Themes/A]\nName=Ufer\n");
    dir.Write("kurs/test.ini", "[1]\nQuestion=Eins\n[1/Answers]\na=1:Ja\n[2]\nQuestion=Zwei\n[2/Answers]\na=1:Ja\n");
    Corvena_Process program(dir.Path_Str());
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.Wait_For_Window("Testkurs")) << program.Errors();

    // A click into the notes pad below the tree (the window opens at
    // 800 x 600 at the top left): a Tab sent the moment the window shows can
    // come before the tree has the focus and leave the text in the tree.
    ASSERT_TRUE(program.Click(100, 450));
    ASSERT_TRUE(program.Type("Hechte jagen Rotfedern"));
    // Key events and the signal reach the program by different ways: a
    // shortcut after the text, seen in the log, shows the text was taken.
    ASSERT_TRUE(program.Keys({"alt+Down"}));
    ASSERT_TRUE(Poll_Until(5000, [&] { return dir.Read("log.txt").find("\tUfer\n") != std::string::npos; }))
        << dir.Read("log.txt");
    // The self-test tool, "Weiter" of the screen-filling dialog; the signal comes while question 2's clock runs.
    ASSERT_TRUE(program.Click(383, 51) && program.Wait_For_Window("Selbsttest") && program.Click(1504, 34));
    ASSERT_TRUE(Poll_Until(5000, [&] { return dir.Read("log.txt").find("Eins") != std::string::npos; }));
    Stop_Cleanly(program, GetParam());
    EXPECT_LT(program.Stop_Seconds(), 2.0);
    EXPECT_EQ(dir.Read("notizen.txt"), "Hechte jagen Rotfedern");
    Expect_In_Order(dir.Read("log.txt"), {"Eins", "\tSelbsttest abgebrochen\n", "\tAufzeichnung beendet\n"});
    EXPECT_EQ(dir.Read("log.txt").find("Zwei"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(SIGTERM_SIGINT_SIGHUP, Session_End, testing::Values(SIGTERM, SIGINT, SIGHUP));

TEST(Records, Everything_Recorded_Before_A_Kill_Is_On_Disk)
{
    Temp_Dir dir;
    dir.Write("sim_corvena.ini", "THEMES=kurs.ini\nDOLOG=1\nLOGFILE=log/aktivitaet.log\n");
    // Two themes whose ponds share one log, where an earlier run left one.
    const std::string earlier = "Aufzeichung der Aktivit\xE4ten\nDatum: 2024-03-05\nUhrzeit\tAktivtit\xE4t\tWert\n\n"
                                "10:00:01\tTime\t3\n";
    dir.Write("log/sim.log", earlier);
    const std::string pond = std::string("Simulation=") + CORVENA_PLUGIN_DIR + "/fischlauf.so\nSimulation_Log=log/sim.log\n";
    dir.Write("kurs.ini", "[General]\nName=Abbruch\n[Themes]\nName=Teich\n" + pond
                              + "[Themes/A]\nName=Erstes\n[Themes/B]\nName=Zweites\n" + pond);
    Corvena_Process program(dir.Path_Str());
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.Wait_For_Window("Abbruch")) << program.Errors();
    // The second theme's pond and back to the root's; the "+" of the time
    // span sits here in the unmaximised window on a display without a
    // window manager.
    const std::string line = "\tTime\t201.000000\n";
    ASSERT_TRUE(program.Keys({"Down", "Down"}));
    ASSERT_TRUE(program.Click(401, 221));
    ASSERT_TRUE(Poll_Until(3000, [&] { return dir.Read("log/sim.log").find(line) != std::string::npos; }))
        << dir.Read("log/aktivitaet.log") << dir.Read("log/sim.log");
    // (xdotool waits for a move that a pointer already there never makes.)
    ASSERT_TRUE(program.Keys({"alt+Left", "alt+Left"}));
    ASSERT_TRUE(program.Click(402, 222));
    ASSERT_TRUE(Poll_Until(3000, [&] { return dir.Read("log/sim.log").rfind(line) != dir.Read("log/sim.log").find(line); }))
        << dir.Read("log/sim.log");
    int status = 0;
    ASSERT_TRUE(program.Stop(SIGKILL, 5000, &status));
    EXPECT_TRUE(WIFSIGNALED(status));

    const std::string log = dir.Read("log/aktivitaet.log");
    Expect_In_Order(log, {"\t00:00:00\tAufzeichnung gestartet\n", "\tErstes\n", "\tZweites\n"});
    EXPECT_EQ(log.find("Aufzeichnung beendet"), std::string::npos) << log;
    // One header, then both lines; the earlier run kept once, not once per theme.
    const std::string sim = dir.Read("log/sim.log");
    EXPECT_EQ(sim.rfind("Aufzeichung der Aktivit\xE4ten\n"), 0u) << sim;
    EXPECT_EQ(sim.size() - sim.find(line), 2 * line.size() + 8) << sim;
    EXPECT_EQ(dir.Read("log/sim-2024-03-05_10-00-01.log"), earlier);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path_Str() + "log"), {}), 3);
}

TEST(Records, A_Second_Run_Keeps_Every_Record_Of_The_First_Beside_Its_Own)
{
    Temp_Dir dir;
    dir.Write("sim_corvena.ini", "THEMES=kurs.ini\nLOGFILE=log/aktivitaet.log\nNOTEPADSHOW=1\nNOTEPADFILE=log/notizen.txt\n");
    dir.Write("kurs.ini", std::string("[General]\nName=Zweimal\nReflections=fragen.ini\n[Themes]\nName=Teich\nSimulation=")
                              + CORVENA_PLUGIN_DIR + "/fischlauf.so\nSimulation_Log=log/sim.log\n");
    dir.Write("fragen.ini", "Logfile=log/antworten.txt\n[1]\nReflection=Nahrungsketten\n");
    const std::vector<std::string> records = {"aktivitaet.log", "sim.log", "antworten.txt", "notizen.txt"};
    std::map<std::string, std::string> first;
    for (int run = 1; run <= 2; run++)
    {
        Corvena_Process program(dir.Path_Str());
        ASSERT_TRUE(program.Start());
        ASSERT_TRUE(program.Wait_For_Window("Zweimal")) << program.Errors();
        if (run == 1)
        {
            // Notes, then the pond's "+": seen in its log, the notes were taken too.
            ASSERT_TRUE(program.Click(100, 450) && program.Type("Hechte") && program.Click(401, 221));
            ASSERT_TRUE(Poll_Until(3000, [&] { return dir.Read("log/sim.log").find("\tTime\t") != std::string::npos; }));
        }
        Stop_Cleanly(program);
        for (const std::string& record : records)
            first.emplace(record, dir.Read("log/" + record));
    }
    // Each record's first run beside its second, under the name of its start.
    EXPECT_EQ(dir.Read("log/notizen.txt"), " ");
    for (const std::string& record : records)
    {
        const std::string stem = record.substr(0, record.rfind('.')) + "-";
        std::vector<std::string> kept;
        for (const auto& file : std::filesystem::directory_iterator(dir.Path_Str() + "log"))
            if (file.path().filename().string().rfind(stem, 0) == 0)
                kept.push_back(dir.Read("log/" + file.path().filename().string()));
        EXPECT_EQ(kept, std::vector<std::string>{first[record]}) << record;
        EXPECT_GT(first[record].size(), 1u) << record;
    }
    // The activity log's kept name is the first run's start.
    const std::string& log = first["aktivitaet.log"];
    std::string start = log.substr(log.find("Datum: ") + 7, 10) + "_"
                        + log.substr(log.find("\t00:00:00\tAufzeichnung gestartet") - 8, 8);
    std::replace(start.begin(), start.end(), ':', '-');
    EXPECT_TRUE(dir.Exists("log/aktivitaet-" + start + ".log")) << start;
}
