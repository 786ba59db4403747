// The class report on a generated class: per pupil an activity log of
// 5,000 entries (themes, pages, checks of exercises, self-test runs, the
// reflection aid, links), three simulation logs of 1,000 entries and the
// reflection answers. Needs no window.
//
// Report_Class/pupils:N writes the whole report (tables, charts, page);
// Report_Read_Bytes/pupils:N, the baseline, only reads the same files.
// Each iteration runs in a child process of its own, so that its peak
// memory (peak_MB, the child's largest resident size) is its own and not
// that of the runs before it; child_cpu_ms is its processor time, steadier
// than the wall time on a shared machine.

#include "bench/Bench_Support.h"
#include "common/Text_Codec.h"
#include "report/Class_Report.h"
#include "tests/support/Temp_Dir.h"

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
    constexpr int Entries = 5000, Simulation_Entries = 1000;

    std::string Clock(long seconds)
    {
        char text[16];
        snprintf(text, sizeof text, "%02ld:%02ld:%02ld", seconds / 3600 % 24, seconds / 60 % 60, seconds % 60);
        return text;
    }

    std::string Activity_Log(int pupil)
    {
        static const char* const themes[] = {"Der Teich als Ökosystem", "Lebewesen im Teich", "Nahrungsketten",
                                             "Kapazität des Teiches", "Rotfedern allein", "Räuber und Beute",
                                             "Hecht und Rotfeder", "Eine dritte Art", "Lexikon"};
        std::string log = "Lebensraum Teich\nAufzeichung der Aktivitäten\nDatum: 2026-12-07\n"
                          "Uhrzeit\tDauer\tAktivtität\n";
        long now = 8 * 3600;
        auto entry = [&](long seconds, const std::string& text) {
            now += seconds;
            log += Clock(now) + "\t" + Clock(seconds) + "\t" + text + "\n";
        };
        entry(0, "Aufzeichnung gestartet");
        for (int i = 1; i < Entries - 1; i++)
        {
            const std::string theme = themes[(i / 10 + pupil) % 9];
            switch (i % 10)
            {
            case 0: entry(20 + i % 7, theme); break;
            case 1: entry(5, theme + " - Simulation"); break;
            case 2: entry(30, "Selbsttest überprüfen (/home/schueler/kurs/uebungen/uebung" + std::to_string(i % 4)
                                   + ".ini)"); break;
            case 3: entry(0, i % 3 ? "Selbsttest, falsche Antwort: Hecht" : "Selbsttest erfolgreich"); break;
            case 4: entry(12, i % 50 == 4 ? "Selbsttest gestartet" : theme + " - Inhalt"); break;
            case 5: entry(8, i % 50 == 5 ? "Zeit  40%; Lösung korrekt (\"Wer frisst Rotfedern?\")"
                                         : "URL-Aufruf: https://example.org/teich"); break;
            case 6: entry(9, i % 50 == 6 ? "Selbsttest beendet" : theme + " - Selbsttest"); break;
            case 7: entry(4, i % 100 == 7 ? "Reflektionshilfe geöffnet" : theme + " - Inhalt"); break;
            case 8: entry(60, i % 100 == 8 ? "Reflektionshilfe geschlossen" : theme + " - Simulation"); break;
            default: entry(3, "Selbsttest Lösung anzeigen lassen (/home/schueler/kurs/uebungen/uebung1.ini)");
            }
        }
        entry(10, "Aufzeichnung beendet");
        return Encode_Windows_1252(wxString::FromUTF8(log));
    }

    std::string Simulation_Log(int run)
    {
        static const char* const activities[] = {"RF Grow", "HE Dead", "Time", "Scenario", "Show Def"};
        std::string log = "Aufzeichung der Aktivit\xE4ten\nDatum: 2026-12-07\nUhrzeit\tAktivtit\xE4t\tWert\n\n";
        for (int i = 0; i < Simulation_Entries; i++)
            log += Clock(8 * 3600 + run * 600 + i * 3) + "\t" + activities[i % 5] + "\t"
                   + (i % 5 == 3 ? "halbieren" : i % 5 == 4 ? "an" : std::to_string(i % 40) + ".080000") + "\n";
        return log;
    }

    std::string Answers()
    {
        std::string text = "Reflektionshilfen\n";
        for (int n = 1; n <= 5; n++)
            text += "\n____________________\n" + std::to_string(n) + ". Reflektionshilfe\n\nThema: Thema "
                    + std::to_string(n) + "\nBewertung: 4   \nErl\xE4uterung:\nHechte fressen Rotfedern.\n";
        return text;
    }

    // One class per size, written once and kept for the whole run.
    const Temp_Dir& Class_Of(int pupils)
    {
        static std::map<int, std::unique_ptr<Temp_Dir>> classes;
        std::unique_ptr<Temp_Dir>& dir = classes[pupils];
        if (dir)
            return *dir;
        dir.reset(new Temp_Dir);
        for (int p = 0; p < pupils; p++)
        {
            const std::string pupil = "klasse/schueler" + std::to_string(p) + "/";
            dir->Write(pupil + "aktivitaet.log", Activity_Log(p));
            for (int run = 0; run < 3; run++)
                dir->Write(pupil + "simulation" + std::to_string(run) + ".log", Simulation_Log(run));
            dir->Write(pupil + "antworten.txt", Answers());
        }
        return *dir;
    }

    // Runs work in a child process; its peak resident size in MB (-1 when
    // it failed) and its processor time in ms.
    double In_Child(const std::function<bool()>& work, double* cpu_ms)
    {
        const pid_t child = fork();
        if (child == 0)
            _exit(work() ? 0 : 1);
        int status = 0;
        struct rusage usage = {};
        if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status))
            return -1;
        *cpu_ms = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
                  + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
        return usage.ru_maxrss / 1024.0;
    }

    void Measure(benchmark::State& state, const std::function<bool(const Temp_Dir&)>& work)
    {
        const Temp_Dir& dir = Class_Of(int(state.range(0)));
        double peak = 0, cpu_ms = 0, cpu_total = 0;
        for (auto _ : state)
        {
            peak = In_Child([&] { return work(dir); }, &cpu_ms);
            cpu_total += cpu_ms;
            if (peak < 0)
                state.SkipWithError("the run failed");
        }
        size_t bytes = 0;
        for (const auto& file : std::filesystem::recursive_directory_iterator(dir.File_Str("klasse")))
            if (file.is_regular_file() && file.path().string().find("/Auswertung/") == std::string::npos)
                bytes += file.file_size();
        state.counters["peak_MB"] = peak;
        state.counters["child_cpu_ms"] = cpu_total / double(state.iterations());
        state.counters["records_MB"] = bytes / 1048576.0;
    }

    void Report_Class(benchmark::State& state)
    {
        Measure(state, [](const Temp_Dir& dir) {
            return Write_Class_Report({dir.File("klasse"), "", ""}).What == Report_Result::Complete;
        });
    }

    void Report_Read_Bytes(benchmark::State& state)
    {
        Measure(state, [](const Temp_Dir& dir) {
            size_t total = 0;
            for (const auto& file : std::filesystem::recursive_directory_iterator(dir.File_Str("klasse")))
            {
                std::string bytes;
                if (file.is_regular_file() && file.path().string().find("/Auswertung/") == std::string::npos
                    && Read_File_Bytes(wxString::FromUTF8(file.path().string()), bytes))
                    total += bytes.size();
            }
            return total > 0;
        });
    }
}

BENCHMARK(Report_Read_Bytes)->ArgName("pupils")->Arg(10)->Arg(30)->Arg(90)
    ->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Report_Class)->ArgName("pupils")->Arg(10)->Arg(30)->Arg(90)
    ->Unit(benchmark::kMillisecond)->Iterations(3);
