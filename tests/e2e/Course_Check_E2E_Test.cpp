// "corvena --check" as a teacher runs it: in a terminal without a display.

#include "tests/support/Temp_Dir.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace
{
    // Runs the program with DISPLAY unset; its exit status, or -1 when it
    // did not end by itself. Its standard output goes to *out.
    int Run_Without_Display(const std::vector<std::string>& args, std::string* out)
    {
        int fds[2];
        if (pipe(fds) != 0)
            return -1;
        pid_t pid = fork();
        if (pid == 0)
        {
            dup2(fds[1], 1);
            close(fds[0]);
            close(fds[1]);
            unsetenv("DISPLAY");
            unsetenv("WAYLAND_DISPLAY");
            std::vector<char*> argv;
            for (const std::string& arg : args)
                argv.push_back(const_cast<char*>(arg.c_str()));
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        close(fds[1]);
        char buffer[4096];
        ssize_t n;
        out->clear();
        while ((n = read(fds[0], buffer, sizeof buffer)) > 0)
            out->append(buffer, size_t(n));
        close(fds[0]);
        int status = 0;
        waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
}

TEST(Course_Check_E2E, Lists_The_Problems_Without_A_Display)
{
    Temp_Dir dir;
    dir.Write("kurs/sim_corvena.ini", "THEMES=themen.ini\nDOLOG=1\nLOGFILE=protokoll.log\n");
    dir.Write("kurs/themen.ini",
              "[General]\nName=Teich\n[Themes]\nName=Teich\nContent=start.htm\n"
              "[Themes/1_Drei_Arten]\nName=Drei Arten\nSimulation=" CORVENA_PLUGIN_DIR "/fischlauf_2.dll\n"
              "Simulation_Opts=KA_START=100;RF_FED=5\n");
    dir.Write("kurs/start.htm", "<html><body><img src=\"teich.png\"></body></html>\n");

    std::string out;
    EXPECT_EQ(Run_Without_Display({CORVENA_BINARY, "--check", dir.File_Str("kurs/sim_corvena.ini")}, &out), 1)
        << out;
    // The plug-in loaded and listed its keys: without a display.
    EXPECT_NE(out.find("themen.ini [Themes/1_Drei_Arten] Simulation_Opts: \"RF_FED\" ist kein Schlüssel von "
                       "fischlauf_2.so\n"),
              std::string::npos) << out;
    EXPECT_NE(out.find("start.htm Zeile 1: Bild \"teich.png\" nicht gefunden\n"), std::string::npos) << out;
    EXPECT_NE(out.find("– 2 Probleme gefunden.\n"), std::string::npos) << out;
    EXPECT_FALSE(dir.Exists("kurs/protokoll.log"));

    EXPECT_EQ(Run_Without_Display({CORVENA_BINARY, "--check", CORVENA_STAGE_DIR "/sim_corvena.ini"}, &out), 0)
        << out;
    EXPECT_NE(out.find("keine Probleme gefunden."), std::string::npos) << out;

    EXPECT_EQ(Run_Without_Display({CORVENA_BINARY, "--check", dir.File_Str("gibt-es-nicht.ini")}, &out), 2)
        << out;
    EXPECT_EQ(Run_Without_Display({CORVENA_BINARY, "--help"}, &out), 0);
    EXPECT_NE(out.find("--check DATEI"), std::string::npos) << out;
}
