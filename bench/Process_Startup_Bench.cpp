// The whole start as a pupil waits for it: the real program, started as a
// process of its own, until its main window is shown and the process has
// gone idle, on the demo course and on a generated course of 100 themes,
// beside the toolkit floor (bench/Startup_Floor_Main.cpp: a window with a
// tree and one HTML page). The time reported is the process's CPU time
// (user and system) up to then, read from /proc; the X server's share is
// not in it.

#include "bench/Bench_Support.h"
#include "tests/support/Temp_Dir.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <dirent.h>
#include <unistd.h>
#include <vector>

namespace
{
    // The run time of every thread of the process in nanoseconds, as the
    // scheduler counts it (/proc/<pid>/stat counts in ticks of 10 ms, too
    // coarse beside a floor of some 60 ms).
    double Cpu_Seconds(pid_t pid)
    {
        const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
        DIR* dir = opendir(tasks.c_str());
        if (!dir)
            return -1;
        unsigned long long total = 0;
        while (const dirent* entry = readdir(dir))
        {
            if (entry->d_name[0] == '.')
                continue;
            FILE* file = fopen((tasks + "/" + entry->d_name + "/schedstat").c_str(), "r");
            unsigned long long ns = 0;
            if (file && fscanf(file, "%llu", &ns) == 1)
                total += ns;
            if (file)
                fclose(file);
        }
        closedir(dir);
        return double(total) / 1e9;
    }

    bool Window_Shown(pid_t pid)
    {
        const std::string command = "xdotool search --onlyvisible --pid " + std::to_string(pid) + " >/dev/null 2>&1";
        return system(command.c_str()) == 0;
    }

    // Starts argv, waits for its window and for the process to go idle
    // (less than 1 ms of CPU in 300 ms); the CPU seconds used, or -1.
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
            // A cursor blinking in an edit field is no work.
            if (now - before < 0.001)
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

    double Least(const std::vector<double>& values)
    {
        return *std::min_element(values.begin(), values.end());
    }

    double Median(std::vector<double> values)
    {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    }

    // The three starts take turns, so that whatever else the machine does
    // meanwhile weighs on each of them alike; the medians and their ratios
    // to the floor are reported.
    void Process_Start(benchmark::State& state)
    {
        if (!Bench_Need_Display(state))
            return;
        Temp_Dir home;
        Temp_Dir course;
        Write_Generated_Course(course.Path(), "kurs/themen.ini", 100);
        course.Write("sim_corvena.ini", "THEMES=kurs/themen.ini\nDOLOG=0\n");
        const std::vector<std::vector<std::string>> programs = {
            {STARTUP_FLOOR_PROGRAM},
            {CORVENA_STAGE_DIR "/corvena"},
            {CORVENA_STAGE_DIR "/corvena", course.File_Str("sim_corvena.ini")}};
        std::vector<double> seconds[3];
        for (auto _ : state)
        {
            for (int i = 0; i < 3; i++)
            {
                const double used = Start_Until_Idle(programs[i], home.Path_Str());
                if (used < 0)
                {
                    state.SkipWithError("a program did not show its window or did not go idle");
                    return;
                }
                seconds[i].push_back(used);
            }
            state.SetIterationTime(seconds[1].back());
        }
        const double floor = Median(seconds[0]), demo = Median(seconds[1]), themes = Median(seconds[2]);
        state.counters["floor_ms"] = floor * 1000;
        state.counters["demo_ms"] = demo * 1000;
        state.counters["themes100_ms"] = themes * 1000;
        state.counters["demo_x"] = demo / floor;
        state.counters["themes100_x"] = themes / floor;
        // Whatever else runs on the machine only ever adds to a start: the
        // least of each is the steadiest figure when the machine is busy.
        const double least[3] = {Least(seconds[0]), Least(seconds[1]), Least(seconds[2])};
        state.counters["demo_least_x"] = least[1] / least[0];
        state.counters["themes100_least_x"] = least[2] / least[0];
    }
}

// One whole start is a second of wall time: fifteen rounds of the three
// give steady medians and minima.
BENCHMARK(Process_Start)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);
