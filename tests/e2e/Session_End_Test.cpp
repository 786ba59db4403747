// The real program, started on a fixture course and ended by a signal.

#include "tests/support/Corvena_Process.h"
#include "tests/support/Temp_Dir.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace
{
    void Write_Course(const Temp_Dir& dir)
    {
        dir.Write("sim_corvena.ini",
                  "THEMES=kurs/themen.ini\nDOLOG=1\nLOGFILE=log.txt\nNOTEPADSHOW=1\nNOTEPADFILE=notizen.txt\n");
        dir.Write("kurs/themen.ini", "[General]\nName=Testkurs\n[Themes]\nName=Teich\n[Themes/A]\nName=Ufer\n");
    }
}

class Session_End : public testing::TestWithParam<int>
{
};

TEST_P(Session_End, Signal_Ends_Like_A_Confirmed_Close_And_Saves_The_Notes)
{
    Temp_Dir dir;
    Write_Course(dir);
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

    int status = 0;
    ASSERT_TRUE(program.Stop(GetParam(), 5000, &status)) << program.Errors();
    EXPECT_LT(program.Stop_Seconds(), 2.0);
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(dir.Read("notizen.txt"), "Hechte jagen Rotfedern");
}

INSTANTIATE_TEST_SUITE_P(Signals, Session_End, testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const testing::TestParamInfo<int>& info) {
                             return info.param == SIGTERM ? "SIGTERM" : info.param == SIGINT ? "SIGINT" : "SIGHUP";
                         });
