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
