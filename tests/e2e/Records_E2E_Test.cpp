// The real program on fixture courses: what it records reaches the disk.

#include "tests/support/Corvena_Process.h"
#include "tests/support/Temp_Dir.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <thread>

namespace
{
    // Ends the program with SIGTERM and expects a clean exit.
    void Stop(Corvena_Process& program)
    {
        int status = 0;
        ASSERT_TRUE(program.Stop(SIGTERM, 5000, &status)) << program.Errors();
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }
}

TEST(Records, Activity_Log_Holds_The_Opened_Items_In_Windows_1252)
{
    Temp_Dir dir;
    dir.Write("sim_corvena.ini", "THEMES=kurs/themen.ini\nDOLOG=1\nLOGFILE=log/aktivitaet.log\n");
    dir.Make_Dir("log");
    dir.Write("kurs/themen.ini",
              "[General]\nName=Teichkurs\n[Themes]\nName=Der Teich\n"
              "[Themes/1]\nName=Gr\xF6\xDF" "e des Teichs\n[Themes/2]\nName=Hechte\n");
    Corvena_Process program(dir.Path_Str());
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.Wait_For_Window("Teichkurs")) << program.Errors();
    ASSERT_TRUE(program.Keys({"Down", "Down"}));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    Stop(program);

    std::string log = dir.Read("log/aktivitaet.log");
    const std::string header = "Teichkurs\nAufzeichung der Aktivit\xE4ten\nDatum: ";
    ASSERT_EQ(log.substr(0, header.size()), header);
    EXPECT_NE(log.find("\nUhrzeit\tDauer\tAktivtit\xE4t\n"), std::string::npos);
    size_t started = log.find("\t00:00:00\tAufzeichnung gestartet\n");
    size_t first = log.find("\tGr\xF6\xDF" "e des Teichs\n");
    size_t second = log.find("\tHechte\n");
    size_t ended = log.find("\tAufzeichnung beendet\n");
    ASSERT_NE(started, std::string::npos) << log;
    ASSERT_NE(first, std::string::npos) << log;
    ASSERT_NE(second, std::string::npos) << log;
    ASSERT_NE(ended, std::string::npos) << log;
    EXPECT_LT(started, first);
    EXPECT_LT(first, second);
    EXPECT_LT(second, ended);
    // The root was opened before the log started.
    EXPECT_EQ(log.find("\tDer Teich\n"), std::string::npos);
    EXPECT_EQ(log.substr(log.size() - 21), "Aufzeichnung beendet\n");
}

TEST(Records, Reflection_Answers_Are_Written_For_Every_Topic_When_The_Session_Ends)
{
    Temp_Dir dir;
    dir.Write("sim_corvena.ini", "THEMES=kurs/themen.ini\nDOLOG=0\n");
    dir.Write("kurs/themen.ini", "[General]\nName=Teichkurs\nReflections=reflexion/fragen.ini\n"
                                 "[Themes]\nName=Der Teich\n");
    dir.Write("kurs/reflexion/fragen.ini",
              "Title=R\xFC" "ckblick\nLogfile=antworten/datei.txt\n"
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

    std::string log = dir.Read("log/aktivitaet.log");
    EXPECT_NE(log.find("\t00:00:00\tAufzeichnung gestartet\n"), std::string::npos) << log;
    EXPECT_NE(log.find("\tErstes\n"), std::string::npos) << log;
    EXPECT_NE(log.find("\tZweites\n"), std::string::npos) << log;
    EXPECT_EQ(log.find("Aufzeichnung beendet"), std::string::npos) << log;
    std::string sim = dir.Read("log/sim.log");
    EXPECT_EQ(sim.substr(0, 28), "Aufzeichung der Aktivit\xE4ten\n") << sim;
    EXPECT_NE(sim.find("\tTime\t201.000000\n"), std::string::npos) << sim;
}
