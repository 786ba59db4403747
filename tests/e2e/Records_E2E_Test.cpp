// The real program on fixture courses, ended by a signal: what it records
// reaches the disk.

#include "tests/support/Corvena_Process.h"
#include "tests/support/Temp_Dir.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <thread>

namespace
{
    // Ends the program with a signal and expects a clean exit.
    void Stop(Corvena_Process& program, int signal = SIGTERM)
    {
        int status = 0;
        ASSERT_TRUE(program.Stop(signal, 5000, &status)) << program.Errors();
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    }

    // The parts appear in this order in text.
    void Expect_In_Order(const std::string& text, const std::vector<std::string>& parts)
    {
        size_t at = 0;
        for (const std::string& part : parts)
        {
            at = text.find(part, at);
            ASSERT_NE(at, std::string::npos) << part << "\n" << text;
        }
    }
}

class Session_End : public testing::TestWithParam<int>
{
};

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
    EXPECT_EQ(dir.Read("notizen.txt"), " ");

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
    Stop(program, GetParam());
    EXPECT_LT(program.Stop_Seconds(), 2.0);
    EXPECT_EQ(dir.Read("notizen.txt"), "Hechte jagen Rotfedern");
    Expect_In_Order(dir.Read("log.txt"), {"Eins", "\tSelbsttest abgebrochen\n", "\tAufzeichnung beendet\n"});
    EXPECT_EQ(dir.Read("log.txt").find("Zwei"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Signals, Session_End, testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const testing::TestParamInfo<int>& info) {
                             return info.param == SIGTERM ? "SIGTERM" : info.param == SIGINT ? "SIGINT" : "SIGHUP";
                         });

TEST(Records, Activity_Log_Holds_The_Opened_Items_In_Windows_1252)
{
    Temp_Dir dir;
    dir.Write("sim_corvena.ini", "THEMES=kurs/themen.ini\nDOLOG=1\nLOGFILE=log/aktivitaet.log\n");
    dir.Make_Dir("log");
    dir.Write("kurs/themen.ini", "[General]\nName=Teichkurs\n[Themes]\nName=Der Teich\n"
                                 "[Themes/1]\nName=Gr\xF6\xDF" "e des Teichs\n[Themes/2]\nName=Hechte\n");
    Corvena_Process program(dir.Path_Str());
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.Wait_For_Window("Teichkurs")) << program.Errors();
    ASSERT_TRUE(program.Keys({"Down", "Down"}));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    Stop(program);

    const std::string log = dir.Read("log/aktivitaet.log");
    EXPECT_EQ(log.rfind("Teichkurs\nAufzeichung der Aktivit\xE4ten\nDatum: ", 0), 0u) << log;
    Expect_In_Order(log, {"\nUhrzeit\tDauer\tAktivtit\xE4t\n", "\t00:00:00\tAufzeichnung gestartet\n",
                          "\tGr\xF6\xDF" "e des Teichs\n", "\tHechte\n"});
    // The root was opened before the log started.
    EXPECT_EQ(log.find("\tDer Teich\n"), std::string::npos);
    EXPECT_EQ(log.substr(log.size() - std::min<size_t>(log.size(), 22)), "\tAufzeichnung beendet\n");
}

TEST(Records, Reflection_Answers_Are_Written_For_Every_Topic_When_The_Session_Ends)
{
    Temp_Dir dir;
    dir.Write("sim_corvena.ini", "THEMES=kurs/themen.ini\nDOLOG=0\n");
    dir.Write("kurs/themen.ini", "[General]\nName=Teichkurs\nReflections=reflexion/fragen.ini\n"
                                 "[Themes]\nName=Der Teich\n");
    dir.Write("kurs/reflexion/fragen.ini", "Title=R\xFC" "ckblick\nLogfile=antworten/datei.txt\n"
                                           "[1]\nReflection=Nahrungsketten\n[2]\nReflection=R\xE4uber und Beute\n");
    dir.Make_Dir("kurs/reflexion/antworten");
    Corvena_Process program(dir.Path_Str());
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.Wait_For_Window("Teichkurs")) << program.Errors();
    Stop(program);
    EXPECT_EQ(dir.Read("kurs/reflexion/antworten/datei.txt"),
              "Reflektionshilfen\n"
              "\n____________________\n1. Reflektionshilfe\n\n"
              "Thema: Nahrungsketten\nBewertung: 3   \nErl\xE4uterung:\n\n"
              "\n____________________\n2. Reflektionshilfe\n\n"
              "Thema: R\xE4uber und Beute\nBewertung: 3   \nErl\xE4uterung:\n\n");
}

TEST(Records, Everything_Recorded_Before_A_Kill_Is_On_Disk)
{
    Temp_Dir dir;
    dir.Write("sim_corvena.ini", "THEMES=kurs.ini\nDOLOG=1\nLOGFILE=log/aktivitaet.log\n");
    dir.Write("kurs.ini", std::string("[General]\nName=Abbruch\n[Themes]\nName=Teich\nSimulation=")
                              + CORVENA_PLUGIN_DIR + "/fischlauf.so\nSimulation_Log=log/sim.log\n"
                              "[Themes/A]\nName=Erstes\n[Themes/B]\nName=Zweites\n");
    Corvena_Process program(dir.Path_Str());
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.Wait_For_Window("Abbruch")) << program.Errors();
    // Two themes and back to the root, whose page is the pond; the "+" of
    // its time span sits here in the unmaximised window on a display
    // without a window manager.
    ASSERT_TRUE(program.Keys({"Down", "Down", "alt+Left", "alt+Left"}));
    ASSERT_TRUE(program.Click(401, 221));
    ASSERT_TRUE(Poll_Until(3000, [&] { return dir.Read("log/sim.log").find("\tTime\t") != std::string::npos; }))
        << dir.Read("log/aktivitaet.log") << dir.Read("log/sim.log");
    int status = 0;
    ASSERT_TRUE(program.Stop(SIGKILL, 5000, &status));
    EXPECT_TRUE(WIFSIGNALED(status));

    const std::string log = dir.Read("log/aktivitaet.log");
    Expect_In_Order(log, {"\t00:00:00\tAufzeichnung gestartet\n", "\tErstes\n", "\tZweites\n"});
    EXPECT_EQ(log.find("Aufzeichnung beendet"), std::string::npos) << log;
    const std::string sim = dir.Read("log/sim.log");
    EXPECT_EQ(sim.rfind("Aufzeichung der Aktivit\xE4ten\n", 0), 0u) << sim;
    EXPECT_NE(sim.find("\tTime\t201.000000\n"), std::string::npos) << sim;
}
