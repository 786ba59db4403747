// The course checker on courses that hold one slip of each kind, on the
// demo course, on option strings and on record files.

#include "shell/Course_Checker.h"

#include "tests/support/Temp_Dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
    std::string S(const wxString& text)
    {
        return std::string(text.utf8_str());
    }

    std::vector<std::string> Check(const wxString& path, Course_Checker::Result* result = nullptr)
    {
        Course_Checker checker;
        Course_Checker::Result got = checker.Check(path);
        if (result)
            *result = got;
        std::vector<std::string> lines;
        for (const wxString& line : checker.Get_Lines())
            lines.push_back(S(line));
        return lines;
    }

    std::string All(const std::vector<std::string>& lines)
    {
        std::string text;
        for (const std::string& line : lines)
            text += line + "\n";
        return text;
    }

    // How many lines begin with start (file, group and key) and mention part.
    int Count(const std::vector<std::string>& lines, const std::string& start, const std::string& part)
    {
        int n = 0;
        for (const std::string& line : lines)
            if (line.compare(0, start.size(), start) == 0 && line.find(part) != std::string::npos)
                n++;
        return n;
    }

    // Every file and folder below dir with its size: what a check must leave
    // as it found it.
    std::string Listing(const Temp_Dir& dir)
    {
        std::string listing;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir.Path_Str()))
            listing += entry.path().string() + " "
                       + (entry.is_regular_file() ? std::to_string(entry.file_size()) : "dir") + "\n";
        return listing;
    }

    const std::string PLUGINS = CORVENA_PLUGIN_DIR;

    // A course with one slip of each kind the program passes over in
    // silence, among references and settings that are right.
    void Write_Seeded_Course(const Temp_Dir& dir)
    {
        dir.Write("sim_corvena.ini",
                  "THEMES=themen.ini\nDOLOG=1\nLOGFILE=blockiert/aktivitaet.log\nNOTEPADSHOW=1\n"
                  "NOTEPADFILE=neu/notizen/notizen.txt\nFONTSIZE=-2\n");
        dir.Write("blockiert", "eine Datei, kein Ordner\n");
        dir.Write("themen.ini",
                  "[General]\nName=Teich\nGlosar=lexikon.txt\nGlossar=lexikon.txt\n"
                  "Selftest=selbsttest.ini\nReflections=reflexion.ini\n"
                  "[Themes]\nName=Teich\nContent=seiten/start.htm\nTasks=seiten/aufgabe.htm\n"
                  "[Themes/1_Hecht]\nName=Hecht\nTimeOut=zehn\nSimulaton=" + PLUGINS + "/fischlauf.so\n"
                  "Content=seiten/hecht.htm\n"
                  "[Themes/2_Rotfeder]\nName=Rotfeder\nTimeOut=15\nSimulation=" + PLUGINS + "/fischlauf.dll\n"
                  "Simulation_Opts=TIME=200;RF_STRAT=100;SZENARIO=1\n"
                  "Simulation_Log=protokolle/rotfeder.log\nExercises=uebungen/rotfeder.ini\n"
                  "[Themes/3_Kaputt]\nName=Kaputt\nSimulation=kaputt.so\n"
                  "[Themes/4_Ohne]\nName=Ohne\nSimulation=" CORVENA_STAGE_DIR "/libtirsal.so\n");
        dir.Write("kaputt.so", "keine Bibliothek\n");
        dir.Write("lexikon.txt",
                  "Lexikon zum Teich.\n"
                  "<Hecht>{Ein Raubfisch, er frisst <a href=\"glossar://r\">Rotfedern</a>.}\n"
                  "<Rotfeder>{Ein Friedfisch. <img src=\"GLOSSAR_PATH/rotfeder.png\">}\n"
                  "<Wels>{Ein Fisch, dessen Text nicht endet\n");
        dir.Write("rotfeder.png", "png");
        dir.Write("selbsttest.ini",
                  "[Frage1]\nQuestion=Welcher Fisch ist ein Raeuber?\n[Frage1/Answers]\n"
                  "a=1:IMAGE:bilder/hecht.png\nb=0:IMAGE:bilder/karpfen.png\n"
                  "[Frage2]\nQuestion=Ohne Antworten\n");
        dir.Write("bilder/hecht.png", "png");
        dir.Write("reflexion.ini", "Title=Rueckblick\nIntro=Denke nach.\nMIN_LENGTH=20\n");
        dir.Write("seiten/start.htm",
                  "<html><body>\n"
                  "<p><a href=\"glossar://H\">Hecht</a> <a href=\"GLOSSAR://Wels\">Wels</a></p>\n"
                  "<img src=\"bilder/teich.png\"> <A HREF='../anleitung.pdf'>Anleitung</A>\n"
                  "<a href=\"https://example.org/teich.png\">Web</a> <a href=\"#oben\">oben</a>\n"
                  "<!-- <img src=\"alt.png\"> --></body></html>\n");
        dir.Write("anleitung.pdf", "pdf");
        dir.Write("seiten/aufgabe.htm",
                  "<p>Lies <a href=\"./start.htm\">die Seite</a>. <img src=\"../bilder/hecht.png\">\n"
                  "<img src=\"teich_klein.png\"></p>\n");
        dir.Write("seiten/teich_klein.png", "png");
        dir.Write("uebungen/rotfeder.ini",
                  "[Frage1]\nQuestion=Was frisst die Rotfeder?\n[Frage1/Answers]\na=1:Algen\nb=Hechte\n"
                  "[Frage2]\nQuestion=Wer frisst Rotfedern?\n[Frage2/Answers]\na=j:der Hecht\nb=0:die Alge\n"
                  "[Frage3]\n[Frage3/Answers]\na=1:Antwort ohne Frage\n"
                  "[Frage4]\nQuestion=Keine ist richtig, mit Absicht\n[Frage4/Answers]\na=0:A\nb=x:B\n");
    }
}

TEST(Course_Checker, Reports_Each_Slip_Once_With_Its_File_And_Key)
{
    Temp_Dir dir;
    Write_Seeded_Course(dir);
    const std::string before = Listing(dir);

    Course_Checker::Result result;
    std::vector<std::string> lines = Check(dir.File("sim_corvena.ini"), &result);
    EXPECT_EQ(result, Course_Checker::Problems);
    const std::string all = All(lines);

    EXPECT_EQ(Count(lines, "sim_corvena.ini LOGFILE: ", "\"blockiert\" ist eine Datei"), 1) << all;
    EXPECT_EQ(Count(lines, "themen.ini [General] Glosar: ", "(gemeint ist wohl \"Glossar\")"), 1) << all;
    EXPECT_EQ(Count(lines, "themen.ini [Themes/1_Hecht] Simulaton: ", "(gemeint ist wohl \"Simulation\")"), 1)
        << all;
    EXPECT_EQ(Count(lines, "themen.ini [Themes/1_Hecht] TimeOut: ", "\"zehn\" ist keine ganze Zahl"), 1) << all;
    EXPECT_EQ(Count(lines, "themen.ini [Themes/1_Hecht] Content: ", "\"seiten/hecht.htm\" nicht gefunden"), 1)
        << all;
    EXPECT_EQ(Count(lines, "themen.ini [Themes/2_Rotfeder] Simulation_Opts: ",
                    "\"RF_STRAT\" ist kein Schlüssel von fischlauf.so (gemeint ist wohl \"RF_START\")"),
              1) << all;
    EXPECT_EQ(Count(lines, "themen.ini [Themes/3_Kaputt] Simulation: ", "\"kaputt.so\" lässt sich nicht laden"), 1)
        << all;
    EXPECT_EQ(Count(lines, "themen.ini [Themes/4_Ohne] Simulation: ", "fehlt der Einstiegspunkt SIM_Get_Simulation"),
              1) << all;
    EXPECT_EQ(Count(lines, "lexikon.txt <Wels>: ", "endet vor dem \"}\""), 1) << all;
    EXPECT_EQ(Count(lines, "selbsttest.ini [Frage1/Answers] b: ", "Bild \"bilder/karpfen.png\" nicht gefunden"), 1)
        << all;
    EXPECT_EQ(Count(lines, "selbsttest.ini [Frage2]: ", "[Frage2/Answers] fehlt"), 1) << all;
    EXPECT_EQ(Count(lines, "reflexion.ini Logfile: ", "fehlt"), 1) << all;
    EXPECT_EQ(Count(lines, "reflexion.ini: ", "kein Thema"), 1) << all;
    EXPECT_EQ(Count(lines, "seiten/start.htm Zeile 2: ",
                    "\"GLOSSAR://Wels\": das Lexikon hat keine Seite \"Wels\" (der Eintrag steht auf der Seite \"W\""),
              1) << all;
    EXPECT_EQ(Count(lines, "seiten/start.htm Zeile 3: ",
                    "Bild \"bilder/teich.png\" nicht gefunden (gesucht: \"seiten/bilder/teich.png\")"),
              1) << all;
    EXPECT_EQ(Count(lines, "seiten/aufgabe.htm Zeile 2: ", "(schreiben Sie src=\"./teich_klein.png\")"), 1) << all;
    EXPECT_EQ(Count(lines, "uebungen/rotfeder.ini [Frage1/Answers] b: ", "ohne Lösungszeichen: \"Hechte\""), 1)
        << all;
    EXPECT_EQ(Count(lines, "uebungen/rotfeder.ini [Frage2]: ", "keine Antwort ist richtig"), 1) << all;
    EXPECT_EQ(Count(lines, "uebungen/rotfeder.ini [Frage3] Question: ", "fehlt"), 1) << all;
    // Nothing else: the references and settings that are right pass.
    ASSERT_EQ(lines.size(), 19u + 1u) << all;
    EXPECT_EQ(lines.back(), "Geprüft: " + dir.File_Str("sim_corvena.ini") + " – 19 Probleme gefunden.");

    // File by file, in the order the program reads them.
    std::vector<std::string> files;
    for (size_t i = 0; i + 1 < lines.size(); i++)
    {
        std::string file = lines[i].substr(0, lines[i].find_first_of(" :"));
        if (files.empty() || files.back() != file)
            files.push_back(file);
    }
    EXPECT_EQ(files, (std::vector<std::string>{"sim_corvena.ini", "themen.ini", "lexikon.txt", "selbsttest.ini",
                                               "reflexion.ini", "seiten/start.htm", "seiten/aufgabe.htm",
                                               "uebungen/rotfeder.ini"}))
        << all;

    // The records' folders that the program would make are not made.
    EXPECT_EQ(Listing(dir), before);
}

TEST(Course_Checker, Finds_The_Demo_Course_Clean)
{
    // The course as staged beside the program, where its plug-ins are.
    Course_Checker::Result result;
    std::vector<std::string> lines = Check(CORVENA_STAGE_DIR "/course/themen.ini", &result);
    EXPECT_EQ(result, Course_Checker::Clean) << All(lines);
    EXPECT_EQ(lines.size(), 1u) << All(lines);

    // As staged beside the program, with its start file and records.
    lines = Check(CORVENA_STAGE_DIR "/sim_corvena.ini", &result);
    EXPECT_EQ(result, Course_Checker::Clean) << All(lines);
}

TEST(Course_Checker, Reads_Option_Strings_As_The_Plugin_Does)
{
    Temp_Dir dir;
    dir.Write("kurs.ini",
              "[Themes]\nName=Teich\n"
              "[Themes/A]\nSimulation=" + PLUGINS + "/fischlauf.so\n"
              "Simulation_Opts=TIME=200;ZOOM=1500;RF_KAP=1000;RF_START=200;HE_START=20;SZENARIO=0;"
              "RF_FEED_SHOW=1;RF_GROW_MAX=0.5;X_NAME=Monate;\n"
              "[Themes/B]\nSimulation=" + PLUGINS + "/fischlauf_2.so\n"
              "Simulation_Opts=KA_START=100;KA_GROW=6;RF_FEED=50\n"
              "[Themes/C]\nSimulation=" + PLUGINS + "/fischlauf.so\n"
              "Simulation_Opts=time=300;X_NAME=TIME=5;TIME=100;ZOOM=1;ZOOM=2;SIM_TYPE;Y_NAME=\n"
              "[Themes/D]\nName=Ohne Simulation\nSimulation_Opts=TIME=5\n");
    std::vector<std::string> lines = Check(dir.File("kurs.ini"));
    const std::string all = All(lines);

    const std::string b = "kurs.ini [Themes/B] Simulation_Opts: ";
    const std::string c = "kurs.ini [Themes/C] Simulation_Opts: ";
    // Each plug-in knows its own keys only.
    EXPECT_EQ(Count(lines, b, "\"RF_FEED\" ist kein Schlüssel von fischlauf_2.so"), 1) << all;
    EXPECT_EQ(Count(lines, c, "\"time\" ist kein Schlüssel von fischlauf.so (gemeint ist wohl \"TIME\": "
                              "Groß- und Kleinschreibung zählt)"),
              1) << all;
    // The first "KEY=" anywhere in the string is the one the plug-in reads.
    EXPECT_EQ(Count(lines, c, "\"TIME=100\" wird nicht gelesen: \"TIME=\" steht schon vorher in \"X_NAME=TIME=5\""),
              1) << all;
    EXPECT_EQ(Count(lines, c, "\"ZOOM\" steht mehrmals da: es gilt nur der erste Wert, \"ZOOM=1\""), 1) << all;
    EXPECT_EQ(Count(lines, c, "\"SIM_TYPE\" hat kein \"=\""), 1) << all;
    EXPECT_EQ(Count(lines, c, "\"Y_NAME\" hat keinen Wert"), 1) << all;
    EXPECT_EQ(Count(lines, "kurs.ini [Themes/D] Simulation_Opts: ", "das Thema nennt keine Simulation"), 1) << all;
    EXPECT_EQ(lines.size(), 7u + 1u) << all;
}

TEST(Course_Checker, Wants_Records_Writable_And_Apart)
{
    Temp_Dir dir;
    dir.Write("sim_corvena.ini", "THEMES=themen.ini\nLOGFILE=themen.ini\nNOTEPADFILE=ordner\n");
    dir.Make_Dir("ordner");
    dir.Write("themen.ini",
              "[Themes]\nName=Teich\n"
              "[Themes/A]\nSimulation=" + PLUGINS + "/fischlauf.so\nSimulation_Log=logs/teich.log\n"
              "[Themes/B]\nSimulation=" + PLUGINS + "/fischlauf.so\nSimulation_Log=logs/../logs/teich.log\n"
              "[Themes/C]\nSimulation=" + PLUGINS + "/fischlauf.so\nSimulation_Log=nur_lesen/c.log\n");
    dir.Make_Dir("nur_lesen");
    chmod(dir.File_Str("nur_lesen").c_str(), 0555);

    std::vector<std::string> lines = Check(dir.File("sim_corvena.ini"));
    const std::string all = All(lines);
    EXPECT_EQ(Count(lines, "sim_corvena.ini LOGFILE: ", "würde die Kursdatei \"themen.ini\" überschreiben"), 1)
        << all;
    EXPECT_EQ(Count(lines, "sim_corvena.ini NOTEPADFILE: ", "\"ordner\" ist ein Ordner"), 1) << all;
    EXPECT_EQ(Count(lines, "themen.ini [Themes/B] Simulation_Log: ",
                    "dieselbe Datei wie [Themes/A] Simulation_Log in \"themen.ini\""),
              1) << all;
    // Root may write anywhere; everybody else may not write there.
    const int read_only = geteuid() == 0 ? 0 : 1;
    EXPECT_EQ(Count(lines, "themen.ini [Themes/C] Simulation_Log: ", "im Ordner \"nur_lesen\" darf nichts"),
              read_only) << all;
    EXPECT_EQ(lines.size(), 3u + read_only + 1u) << all;
    EXPECT_FALSE(dir.Exists("logs"));
}

TEST(Course_Checker, Gives_Up_Only_On_A_File_It_Cannot_Read)
{
    Temp_Dir dir;
    dir.Make_Dir("ordner");
    Course_Checker::Result result;
    std::vector<std::string> lines = Check(dir.File("fehlt.ini"), &result);
    EXPECT_EQ(result, Course_Checker::Unreadable);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines.back(), "Nicht geprüft: " + dir.File_Str("fehlt.ini"));
    Check(dir.File("ordner"), &result);
    EXPECT_EQ(result, Course_Checker::Unreadable);

    // A start file whose theme file is missing is a course with a problem.
    dir.Write("sim_corvena.ini", "THEMES=kurs\\themen.ini\n");
    lines = Check(dir.File("sim_corvena.ini"), &result);
    EXPECT_EQ(result, Course_Checker::Problems);
    EXPECT_EQ(Count(lines, "sim_corvena.ini THEMES: ", "\"kurs\\themen.ini\" nicht gefunden (gesucht: \"kurs/themen.ini\")"),
              1) << All(lines);
}
