// The whole start as a pupil waits for it: the real program, started as a
// process of its own, until its main window is shown and the process has
// gone idle, beside the toolkit floor (bench/Startup_Floor_Main.cpp: a
// window with a tree and one HTML page). The time reported is the
// process's CPU time (user and system) up to then, read from /proc; the X
// server's share is not in it.

#include "bench/Bench_Support.h"
#include "tests/support/Temp_Dir.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace
{
    double Cpu_Seconds(pid_t pid)
    {
        char path[64];
        snprintf(path, sizeof path, "/proc/%d/stat", int(pid));
        FILE* file = fopen(path, "r");
        if (!file)
            return -1;
        char text[4096];
        const size_t n = fread(text, 1, sizeof text - 1, file);
        fclose(file);
        text[n] = '\0';
        // The fields after the command name in parentheses: state is the
        // third field of the line, utime the 14th and stime the 15th.
        const char* rest = strrchr(text, ')');
        unsigned long utime = 0, stime = 0;
        if (!rest || sscanf(rest + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu", &utime, &stime) != 2)
            return -1;
        return double(utime + stime) / double(sysconf(_SC_CLK_TCK));
    }

    bool Window_Shown(pid_t pid)
    {
        const std::string command = "xdotool search --onlyvisible --pid " + std::to_string(pid) + " >/dev/null 2>&1";
        return system(command.c_str()) == 0;
    }

    // Starts argv, waits for its window and for the process to go idle
    // (no CPU used for 300 ms); the CPU seconds used, or -1.
    double Start_Until_Idle(const std::vector<std::string>& args, const std::string& home)
    {
        const pid_t pid = fork();
        if (pid == 0)
        {
            setenv("HOME", home.c_str(), 1);
            setenv("NO_AT_BRIDGE", "1", 1);
            const int null = open("/dev/null", O_RDWR);
            dup2(null, 1);
            dup2(null, 2);
            std::vector<char*> argv;
            for (const std::string& arg : args)
                argv.push_back(const_cast<char*>(arg.c_str()));
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        if (pid < 0)
            return -1;
        double used = -1;
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (std::chrono::steady_clock::now() < until && !Window_Shown(pid))
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        for (double before = Cpu_Seconds(pid); std::chrono::steady_clock::now() < until;)
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            const double now = Cpu_Seconds(pid);
            if (now == before)
            {
                used = now;
                break;
            }
            before = now;
        }
        kill(pid, SIGKILL);
        int status;
        waitpid(pid, &status, 0);
        return used;
    }

    void Run(benchmark::State& state, const std::vector<std::string>& args, const std::string& home)
    {
        for (auto _ : state)
        {
            const double seconds = Start_Until_Idle(args, home);
            if (seconds < 0)
            {
                state.SkipWithError("the program did not show its window or did not go idle");
                break;
            }
            state.SetIterationTime(seconds);
        }
    }

    void Process_Floor(benchmark::State& state)
    {
        if (!Bench_Need_Display(state))
            return;
        Temp_Dir home;
        Run(state, {STARTUP_FLOOR_PROGRAM}, home.Path_Str());
    }

    void Process_Demo_Course(benchmark::State& state)
    {
        if (!Bench_Need_Display(state))
            return;
        Temp_Dir home;
        Run(state, {CORVENA_STAGE_DIR "/corvena"}, home.Path_Str());
    }

    void Process_Generated_Course(benchmark::State& state)
    {
        if (!Bench_Need_Display(state))
            return;
        Temp_Dir home;
        Temp_Dir course;
        Write_Generated_Course(course.Path(), "kurs/themen.ini", int(state.range(0)));
        course.Write("sim_corvena.ini", "THEMES=kurs/themen.ini\nDOLOG=0\n");
        Run(state, {CORVENA_STAGE_DIR "/corvena", course.File_Str("sim_corvena.ini")}, home.Path_Str());
    }
}

// One whole start is a second of wall time: a few of each, interleaved by
// the filter order, are enough for a ratio.
BENCHMARK(Process_Floor)->UseManualTime()->Iterations(7)->Unit(benchmark::kMillisecond);
BENCHMARK(Process_Demo_Course)->UseManualTime()->Iterations(7)->Unit(benchmark::kMillisecond);
BENCHMARK(Process_Generated_Course)->ArgName("themes")->Arg(100)->UseManualTime()->Iterations(7)
    ->Unit(benchmark::kMillisecond);
