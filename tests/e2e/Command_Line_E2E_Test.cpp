// The real program started with course files and keys from outside.

#include "tests/support/Corvena_Process.h"
#include "tests/support/Temp_Dir.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace
{
    void Stop(Corvena_Process& program)
    {
        int status = 0;
        ASSERT_TRUE(program.Stop(SIGTERM, 5000, &status)) << program.Errors();
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }
}

TEST(Command_Line_E2E, Opens_The_Course_Named_On_The_Command_Line)
{
    Temp_Dir dir;
    dir.Write("sim_corvena.ini", "THEMES=standard.ini\nDOLOG=0\n");
    dir.Write("standard.ini", "[General]\nName=Standardkurs\n[Themes]\nName=R\n");
    dir.Write("woanders/kurs.ini", "[General]\nName=Kurs von woanders\n[Themes]\nName=R\n");
    dir.Write("klasse/sim_corvena.ini", "THEMES=t/teich.ini\nDOLOG=1\nLOGFILE=protokoll.log\n");
    dir.Write("klasse/t/teich.ini", "[General]\nName=Teich der Klasse\n[Themes]\nName=R\n");

    {
        Corvena_Process program(dir.Path_Str());
        ASSERT_TRUE(program.Start({dir.File_Str("woanders/kurs.ini")}));
        EXPECT_TRUE(program.Wait_For_Window("Kurs von woanders")) << program.Errors();
        Stop(program);
    }
    {
        Corvena_Process program(dir.Path_Str());
        ASSERT_TRUE(program.Start({dir.File_Str("klasse/sim_corvena.ini")}));
        EXPECT_TRUE(program.Wait_For_Window("Teich der Klasse")) << program.Errors();
        Stop(program);
        EXPECT_EQ(dir.Read("klasse/protokoll.log").substr(0, 17), "Teich der Klasse\n");
    }
    {
        Corvena_Process program(dir.Path_Str());
        ASSERT_TRUE(program.Start());
        EXPECT_TRUE(program.Wait_For_Window("Standardkurs")) << program.Errors();
        Stop(program);
    }
}

TEST(Command_Line_E2E, Help_Runs_Without_A_Display)
{
    Temp_Dir dir;
    Corvena_Process program(dir.Path_Str());
    std::string out;
    EXPECT_TRUE(Run_Command({dir.Path_Str() + "corvena", "--help"}, "", &out));
    EXPECT_NE(out.find("--check"), std::string::npos);
    EXPECT_FALSE(Run_Command({dir.Path_Str() + "corvena", "--gibt-es-nicht"}, ""));
}

TEST(Command_Line_E2E, Keyboard_Shortcuts_Reach_The_Commands)
{
    Temp_Dir dir;
    dir.Write("sim_corvena.ini", "THEMES=kurs.ini\nDOLOG=1\nLOGFILE=log.txt\nNOTEPADSHOW=1\nNOTEPADFILE=notizen.txt\n");
    dir.Write("kurs.ini", "[General]\nName=Tasten\n[Themes]\nName=R\n[Themes/A]\nName=Erstes\n[Themes/B]\nName=Zweites\n");
    Corvena_Process program(dir.Path_Str());
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.Wait_For_Window("Tasten")) << program.Errors();
    ASSERT_TRUE(program.Keys({"alt+Down", "alt+Down", "alt+Left"}));
    ASSERT_TRUE(program.Keys({"Tab"}));
    ASSERT_TRUE(program.Type("Notiz"));
    ASSERT_TRUE(program.Keys({"ctrl+s"}));
    EXPECT_TRUE(Poll_Until(3000, [&] { return dir.Read("notizen.txt") == "Notiz"; }))
        << "notes: '" << dir.Read("notizen.txt") << "'";
    Stop(program);
    std::string log = dir.Read("log.txt");
    size_t first = log.find("\tErstes\n");
    size_t second = log.find("\tZweites\n");
    ASSERT_NE(first, std::string::npos) << log;
    ASSERT_NE(second, std::string::npos) << log;
    EXPECT_NE(log.find("\tErstes\n", second), std::string::npos) << log;
}
