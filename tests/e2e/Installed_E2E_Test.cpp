// The installed tree runs from wherever it was installed: set
// CORVENA_INSTALLED_PREFIX to the prefix of a "cmake --install" to run these.

#include "tests/support/Corvena_Process.h"
#include "tests/support/Temp_Dir.h"

#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/wait.h>

TEST(Installed, Starts_On_The_Demo_Course_And_Records_In_The_Pupils_Folder)
{
    const char* prefix = getenv("CORVENA_INSTALLED_PREFIX");
    if (!prefix || !*prefix)
        GTEST_SKIP() << "CORVENA_INSTALLED_PREFIX is not set";
    Temp_Dir home;
    Corvena_Process program(home.Path_Str(), std::string(prefix) + "/bin/corvena");
    program.Set_Environment("HOME", home.Path_Str());
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.Wait_For_Window("Lebensraum Teich")) << program.Errors();
    int status = 0;
    ASSERT_TRUE(program.Stop(SIGTERM, 5000, &status)) << program.Errors();
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    // The records of the run are in the pupil's folder, not in the
    // installation.
    std::string log = home.Read("Sim-Corvena/aktivitaet.log");
    EXPECT_EQ(log.substr(0, 17), "Lebensraum Teich\n") << log;
    EXPECT_NE(log.find("\tAufzeichnung beendet\n"), std::string::npos);
    EXPECT_EQ(home.Read("Sim-Corvena/notizen.txt"), " ");
}
