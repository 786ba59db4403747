// The real program started with course files from outside, and as the
// course checker, the course template and the class report without a display.

#include "tests/support/Corvena_Process.h"
#include "tests/support/Temp_Dir.h"

#include <gtest/gtest.h>

namespace
{
    // Runs the program with DISPLAY unset: its standard output, then "Status N".
    std::string Run_Without_Display(const std::vector<std::string>& args)
    {
        std::vector<std::string> command = {"env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "sh", "-c",
                                            "\"$@\"; echo \"Status $?\"", "sh", CORVENA_BINARY};
        command.insert(command.end(), args.begin(), args.end());
        std::string out;
        Run_Command(command, "", &out);
        return out;
    }

    bool Ends_With(const std::string& text, const std::string& end)
    {
        return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
    }
}

TEST(Command_Line_E2E, Opens_The_Course_Named_On_The_Command_Line)
{
    Temp_Dir dir;
    dir.Write("sim_corvena.ini", "DOLOG=0\n");
    dir.Write("woanders/kurs.ini", "[General]\nName=Kurs von woanders\n[Themes]\nName=R\n");
    dir.Write("klasse/sim_corvena.ini", "THEMES=t/teich.ini\nDOLOG=1\nLOGFILE=protokoll.log\n");
    dir.Write("klasse/t/teich.ini", "[General]\nName=Teich der Klasse\n[Themes]\nName=R\n");
    // A theme file; a start file instead of the one beside the program, whose names count from its own folder.
    const std::pair<std::vector<std::string>, std::string> runs[] = {
        {{dir.File_Str("woanders/kurs.ini")}, "Kurs von woanders"}, {{dir.File_Str("klasse/sim_corvena.ini")}, "Teich der Klasse"}};
    for (const auto& [args, title] : runs)
    {
        Corvena_Process program(dir.Path_Str());
        ASSERT_TRUE(program.Start(args));
        EXPECT_TRUE(program.Wait_For_Window(title)) << program.Errors();
        Stop_Cleanly(program);
    }
    EXPECT_EQ(dir.Read("klasse/protokoll.log").substr(0, 17), "Teich der Klasse\n");
}

TEST(Command_Line_E2E, Preview_Opens_Every_Theme_And_Records_Nothing)
{
    Temp_Dir dir;
    dir.Write("sim_corvena.ini", "THEMES=kurs.ini\nDOLOG=1\nLOGFILE=log.txt\nNOTEPADFILE=notizen.txt\n");
    dir.Write("notizen.txt", "alt");
    dir.Write("kurs.ini", "[General]\nName=Kurs\nReflections=r.ini\n[Themes]\nName=R\n"
                          "[Themes/A]\nName=A\nTimeOut=60\nSimulation=" CORVENA_PLUGIN_DIR "/fischlauf.so\n"
                          "Simulation_Log=sim.log\n[Themes/B]\nName=B\nHint=B ist offen\n");
    dir.Write("r.ini", "Logfile=antworten.txt\n[1]\nReflection=T\n");
    Corvena_Process program(dir.Path_Str());
    ASSERT_TRUE(program.Start({"--preview"}));
    ASSERT_TRUE(program.Wait_For_Window("Kurs – Vorschau")) << program.Errors();
    // B waits behind A's minimum stay for a pupil; its hint shows that it opened.
    ASSERT_TRUE(program.Keys({"alt+Down", "alt+Down"}));
    EXPECT_TRUE(program.Window_Exists("Hinweis", 5000));
    ASSERT_TRUE(program.Keys({"Return"}));
    Stop_Cleanly(program);
    EXPECT_EQ(dir.Read("notizen.txt"), "alt");
    for (const char* record : {"log.txt", "sim.log", "antworten.txt"})
        EXPECT_FALSE(dir.Exists(record)) << record;
}

TEST(Command_Line_E2E, New_Course_Is_Clean_Opens_And_Keeps_A_Folder_In_Use)
{
    Temp_Dir dir;
    std::string out = Run_Without_Display({"--new-course", dir.File_Str("Teich 7b")});
    EXPECT_NE(out.find("sim_corvena.ini – keine Probleme gefunden.\n"), std::string::npos) << out;
    EXPECT_NE(out.find("Status 0\n"), std::string::npos) << out;
    // Opened as it is, it records into the pupil's own folder named after the course.
    Corvena_Process program(dir.Path_Str());
    program.Set_Environment("HOME", dir.Path_Str());
    ASSERT_TRUE(program.Start({dir.File_Str("Teich 7b/sim_corvena.ini")}));
    EXPECT_TRUE(program.Wait_For_Window("Mein Kurs")) << program.Errors();
    Stop_Cleanly(program);
    EXPECT_EQ(dir.Read("Sim-Corvena/Teich 7b/aktivitaet.log").substr(0, 10), "Mein Kurs\n");

    dir.Write("Teich 7b/themen.ini", "eigene Arbeit");
    out = Run_Without_Display({"--new-course", dir.File_Str("Teich 7b")});
    EXPECT_TRUE(Ends_With(out, "Status 2\n")) << out;
    EXPECT_EQ(dir.Read("Teich 7b/themen.ini"), "eigene Arbeit");
}

TEST(Course_Check_E2E, Lists_The_Problems_Without_A_Display)
{
    Temp_Dir dir;
    dir.Write("kurs/sim_corvena.ini", "THEMES=themen.ini\nDOLOG=1\nLOGFILE=../protokoll.log\n");
    dir.Write("kurs/themen.ini",
              "[General]\nName=Teich\n[Themes]\nName=Teich\nContent=start.htm\n"
              "[Themes/1_Drei_Arten]\nName=Drei Arten\nSimulation=" CORVENA_PLUGIN_DIR "/fischlauf_2.dll\n"
              "Simulation_Opts=KA_START=100;RF_FED=5\n");
    dir.Write("kurs/start.htm", "<html><body><img src=\"teich.png\"></body></html>\n");

    // The plug-in loads and lists its keys without a display; nothing is recorded.
    std::string out = Run_Without_Display({"--check", dir.File_Str("kurs/sim_corvena.ini")});
    EXPECT_NE(out.find("themen.ini [Themes/1_Drei_Arten] Simulation_Opts: \"RF_FED\" ist kein Schlüssel von "
                       "fischlauf_2.so\n"), std::string::npos) << out;
    EXPECT_NE(out.find("start.htm Zeile 1: Bild \"teich.png\" nicht gefunden\n"), std::string::npos) << out;
    EXPECT_TRUE(Ends_With(out, "– 2 Probleme gefunden.\nStatus 1\n")) << out;
    EXPECT_FALSE(dir.Exists("protokoll.log"));

    EXPECT_TRUE(Ends_With(Run_Without_Display({"--check", dir.File_Str("gibt-es-nicht.ini")}), "Status 2\n"));
    out = Run_Without_Display({"--help"});
    EXPECT_TRUE(out.find("--check DATEI") != std::string::npos && Ends_With(out, "Status 0\n")) << out;
    EXPECT_FALSE(Ends_With(Run_Without_Display({"--gibt-es-nicht"}), "Status 0\n"));
}

TEST(Class_Report_E2E, Writes_The_Report_Without_A_Display)
{
    Temp_Dir dir;
    dir.Write("klasse/anna/aktivitaet.log", "Teich\nAufzeichung der Aktivit\xE4ten\nDatum: 2026-12-07\n"
                                            "Uhrzeit\tDauer\tAktivtit\xE4t\n08:00:00\t00:00:00\tAufzeichnung gestartet\n");
    const std::string out = Run_Without_Display({"--report", dir.File_Str("klasse")});
    EXPECT_TRUE(Ends_With(out, "(Schüler: 1, Sitzungen: 1, übergangene Dateien: 0, davon nicht lesbar: 0).\nStatus 0\n"))
        << out;
    for (const char* chart : {"zeit_themen.png", "selbsttest.png"})
        EXPECT_EQ(dir.Read(std::string("klasse/Auswertung/") + chart).substr(1, 3), "PNG") << chart;
    EXPECT_TRUE(Ends_With(Run_Without_Display({"--report", dir.File_Str("fehlt")}), "Status 2\n"));
}
