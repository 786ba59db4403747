// The course checker on a course holding one slip of each kind, on the demo
// course and on what it cannot read.

#include "checker/Course_Checker.h"
#include "shell/Plugin_Probe.h"

#include "tests/support/Temp_Dir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace
{
    const std::string PLUGINS = CORVENA_PLUGIN_DIR;

    // Checks the course at path; every row {start, part} must match exactly
    // one problem line (by its start: file, group and key), and no line is
    // left over but the summary, which is returned.
    std::string Expect_Each_Once(const wxString& path, const std::vector<std::pair<std::string, std::string>>& rows)
    {
        Course_Checker checker;
        EXPECT_EQ(checker.Check(path), Course_Checker::Problems);
        std::vector<std::string> lines;
        std::string all;
        for (const wxString& line : checker.Get_Lines())
        {
            lines.emplace_back(line.utf8_str());
            all += lines.back() + "\n";
        }
        for (const auto& row : rows)
        {
            int n = 0;
            for (const std::string& line : lines)
                n += line.compare(0, row.first.size(), row.first) == 0 && line.find(row.second) != std::string::npos;
            EXPECT_EQ(n, 1) << row.first << row.second << "\n" << all;
        }
        EXPECT_EQ(lines.size(), rows.size() + 1) << all;
        return lines.empty() ? "" : lines.back();
    }

    // Every file and folder below dir with its size: what a check must leave as it found it.
    std::string Listing(const Temp_Dir& dir)
    {
        std::string listing;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.Path_Str()))
            listing += entry.path().string() + " "
                       + (entry.is_regular_file() ? std::to_string(entry.file_size()) : "dir") + "\n";
        return listing;
    }
}

TEST(Course_Checker, Reports_Each_Slip_Once_With_Its_File_And_Key)
{
    Temp_Dir dir;
    dir.Write("sim_corvena.ini", "THEMES=themen.ini\nDOLOG=1\nLOGFILE=blockiert/aktivitaet.log\nNOTEPADSHOW=1\n"
                                 "NOTEPADFILE=seiten\nFONTSIZE=-2\n");
    dir.Write("blockiert", "eine Datei, kein Ordner\n");
    dir.Write("themen.ini",
              "[General]\nName=Teich\nGlosar=lexikon.txt\nGlossar=lexikon.txt\n"
              "Selftest=selbsttest.ini\nSelftest_Time=0\nReflections=reflexion.ini\n"
              "[Themes]\nName=Teich\nContent=seiten/start.htm\nTasks=seiten/aufgabe.htm\n"
              "[Themes/1_Hecht]\nName=Hecht\nTimeOut=zehn\nSimulaton=" + PLUGINS + "/fischlauf.so\n"
              "Content=seiten/hecht.htm\nSimulation_Opts=TIME=5\n"
              "[Themes/2_Rotfeder]\nName=Rotfeder\nTimeOut=15\nSimulation=" + PLUGINS + "/fischlauf.dll\n"
              "Simulation_Opts=TIME=200;RF_STRAT=100;SZENARIO=1;HE_DEAD=12,5;RF_START =5; HE_START=5;RF_GROW=8.5;RF_GROW_MAX=0.5\n"
              "Simulation_Log=protokolle/rotfeder.log\nExercises=uebungen/rotfeder.ini\n"
              "[Themes/3_Kaputt]\nName=Kaputt\nSimulation=kaputt.so\n"
              "[Themes/3_Kaputt/1_Unter]\nName=Unter\nContent=seiten/start.htm\n"
              "[Themes/4_Ohne]\nName=Ohne\nTimeOut=5\nSimulation=" CORVENA_STAGE_DIR "/libtirsal.so\n"
              "[Themes/5_Doppelt]\nTimeOut=5\nSimulation=" + PLUGINS + "/fischlauf_2.so\n"
              "Simulation_Opts=KA_START=100;RF_FEED=50;KA_GROW=6.5;KA_GROW_SHOW=0\n"
              "Simulation_Log=protokolle/../protokolle/rotfeder.log\n"
              "[Themes/6_Kurs]\nSimulation=" + PLUGINS + "/fischlauf.so\nSimulation_Log=selbsttest.ini\n"
              "Simulation_Opts=time=300;X_NAME=TIME=5;TIME=100;ZOOM=1;ZOOM=2;SIM_TYPE;Y_NAME=\n"
              "[Themes/5b_Windows]\nTimeOut=5\nSimulation=win/fischlauf.dll\nSimulation_Opts=RF_KAP=500\n");
    dir.Write("kaputt.so", "keine Bibliothek\n");
    dir.Write("win/fischlauf.dll", "MZ\x90 eine Bibliothek f\xFCr Windows\n");
    ASSERT_TRUE(wxCopyFile(PLUGINS + "/fischlauf.so", dir.File("win/fischlauf.so")));
    dir.Write("lexikon.txt", "Lexikon zum Teich.\n"
                             "<Hecht>{Ein Raubfisch, er frisst <a href=\"glossar://r\">Rotfedern</a>.}\n"
                             "<Rotfeder>{Ein Friedfisch. <img src=\"GLOSSAR_PATH/rotfeder.png\">}\n"
                             "<R\xC3\xA4uber-Beute: Beziehung>{Wer wen frisst.}\n"
                             "<Stockwerke des Teiches>{Ufer, Freiwasser, Grund.}\n"
                             "<Wels>{Ein Fisch, dessen Text nicht endet\n");
    dir.Write("rotfeder.png", "png");
    dir.Write("selbsttest.ini", "[Frage1]\nQuestion=Welcher Fisch ist ein Raeuber?\n[Frage1/Answers]\n"
                                "a=1:IMAGE:bilder/hecht.png\nb=0:IMAGE:bilder/karpfen.png\n"
                                "[Frage2]\nQuestion=Ohne Antworten\n"
                                "[Frage3]\nQuestion=Keine ist richtig\n[Frage3/Answers]\na=0:A\nb=0:B\n");
    dir.Write("bilder/hecht.png", "png");
    dir.Write("reflexion.ini", "Title=Rueckblick\nIntro=Denke nach.\nMIN_LENGTH=20\n[1_Thema]\nReflection=Hecht\n");
    dir.Write("seiten/start.htm", "<html><body>\n"
                                  "<p><a href=\"glossar://H\">Hecht</a> <a href=\"GLOSSAR://Wels\">Wels</a>"
                                  " <a href=\"glossar://Stockwerke\">Zonen</a></p>\n"
                                  "<img src=\"bilder/teich.png\"> <A HREF='../anl&#101;itung_f&uuml;r&#x2E;pdf'>A</A>\n"
                                  "<a href=\"https://example.org/teich.png\">Web</a> <a href=\"#oben\">oben</a>\n"
                                  "<IMG SRC=\"fehlt.png\"> <A HREF=\"fehlt.htm\">B</A> <img src=\"C:\\Kurs\\bild.png\">"
                                  " <a href=\"c:/kurs/seite.htm\">C</a>\n"
                                  "<!-- <img src=\"alt.png\"> --></body></html>\n");
    dir.Write("anleitung_f\xC3\xBCr.pdf", "pdf");
    dir.Write("seiten/aufgabe.htm", "<p>Lies <a href=\"./start.htm\">die Seite</a>. <img src=\"../bilder/hecht.png\">\n"
                                    "<img src=\"teich_klein.png\"></p>\n");
    dir.Write("seiten/teich_klein.png", "png");
    dir.Write("uebungen/rotfeder.ini",
              "[Frage1]\nQuestion=Was frisst die Rotfeder?\n[Frage1/Answers]\na=1:Algen\nb=Hechte\n"
              "[Frage2]\nQuestion=Wer frisst Rotfedern?\n[Frage2/Answers]\na=j:der Hecht\nb=0:die Alge\n"
              "[Frage3]\n[Frage3/Answers]\na=1:Antwort ohne Frage\n"
              "[Frage4]\nQuestion=Keine ist richtig, mit Absicht\n[Frage4/Answers]\na=0:A\nb=x:B\n");
    const std::string before = Listing(dir);
    const std::string o = "themen.ini [Themes/6_Kurs] Simulation_Opts: ";
    const std::string own_folder = "schreiben Sie einen Ort im eigenen Ordner, etwa \"~/Sim-Corvena/"
                                   + std::filesystem::path(dir.File_Str("x")).parent_path().filename().string()
                                   + "/rotfeder.log\"";

    const std::string summary = Expect_Each_Once(dir.File("sim_corvena.ini"), {
        {"sim_corvena.ini LOGFILE: ", "\"blockiert\" ist eine Datei"},
        {"sim_corvena.ini NOTEPADFILE: ", "\"seiten\" ist ein Ordner"},
        {"themen.ini [General] Glosar: ", "(gemeint ist wohl \"Glossar\")"},
        {"themen.ini [General] Selftest_Time: ", "0 ist zu klein: die Zeit muss mindestens 1 sein; es gilt 60"},
        {"themen.ini [Themes/1_Hecht] Simulaton: ", "(gemeint ist wohl \"Simulation\")"},
        {"themen.ini [Themes/1_Hecht] TimeOut: ", "\"zehn\" ist keine ganze Zahl"},
        {"themen.ini [Themes/1_Hecht] Content: ", "\"seiten/hecht.htm\" nicht gefunden"},
        {"themen.ini [Themes/1_Hecht] Simulation_Opts: ", "das Thema nennt keine Simulation"},
        {"themen.ini [Themes/2_Rotfeder] Simulation_Opts: ",
         "\"RF_STRAT\" ist kein Schlüssel von fischlauf.so (gemeint ist wohl \"RF_START\")"},
        // A blank before a key is harmless, one after it is not; a number
        // the window cannot read leaves its default.
        {"themen.ini [Themes/2_Rotfeder] Simulation_Opts: \"RF_START =5\": ",
         "steht ein Leerzeichen, darum findet fischlauf.so den Schlüssel nicht und nimmt die Vorgabe RF_START=200"},
        {"themen.ini [Themes/2_Rotfeder] Simulation_Opts: \"HE_DEAD=12,5\": ",
         "das Feld zeigt nur ganze Zahlen: schreiben Sie \"HE_DEAD=12\" oder \"HE_DEAD=13\"; fischlauf.so nimmt die Vorgabe HE_DEAD=20"},
        // A field cuts a decimal off, a range or a hidden value keeps it.
        {"themen.ini [Themes/2_Rotfeder] Simulation_Opts: \"RF_GROW=8.5\": ", "nur ganze Zahlen und beginnt mit 8;"},
        {"themen.ini [Themes/2_Rotfeder] Simulation_Log: ", own_folder},
        // The lock looks one item back: below the locked theme, Unter opens at once.
        {"themen.ini [Themes/3_Kaputt] TimeOut: fehlt: ", "\"Unter\" aus der Navigation öffnen, solange \"Kaputt\""},
        {"themen.ini [Themes/3_Kaputt/1_Unter] TimeOut: fehlt: ", "\"Ohne\" aus der Navigation öffnen, solange \"Kaputt\""},
        {"themen.ini [Themes/6_Kurs] TimeOut: fehlt: ", "die Reflektionshilfe wird nie freigeschaltet"},
        {"themen.ini [Themes/3_Kaputt] Simulation: ", "\"kaputt.so\" lässt sich nicht laden"},
        {"themen.ini [Themes/4_Ohne] Simulation: \"" CORVENA_STAGE_DIR "/libtirsal.so\"", "fehlt der Einstiegspunkt SIM_Get_Simulation"},
        // Each plug-in knows its own keys only, and their case counts.
        {"themen.ini [Themes/5_Doppelt] Simulation_Opts: ", "\"RF_FEED\" ist kein Schlüssel von fischlauf_2.so"},
        {o, "\"time\" ist kein Schlüssel von fischlauf.so (gemeint ist wohl \"TIME\": Groß- und Kleinschreibung zählt)"},
        // The first "KEY=" anywhere in the string is the one the plug-in reads.
        {o, "\"TIME=100\" wird nicht gelesen: \"TIME=\" steht schon vorher in \"X_NAME=TIME=5\""},
        {o, "\"ZOOM\" steht mehrmals da: es gilt nur der erste Wert, \"ZOOM=1\""},
        {o, "\"SIM_TYPE\" hat kein \"=\""},
        {o, "\"Y_NAME\" hat keinen Wert"},
        {"themen.ini [Themes/5_Doppelt] Simulation_Log: ",
         "dieselbe Datei wie [Themes/2_Rotfeder] Simulation_Log in \"themen.ini\""},
        {"themen.ini [Themes/6_Kurs] Simulation_Log: ", "würde die Kursdatei \"selbsttest.ini\" überschreiben"},
        {"themen.ini [Themes/5b_Windows] Simulation: ",
         "\"win/fischlauf.dll\" ist keine Bibliothek dieses Systems; verwendet wird \"win/fischlauf.so\""},
        {"lexikon.txt <Wels>: ", "endet vor dem \"}\""},
        {"lexikon.txt <Räuber-Beute: Beziehung>: ", "zeigt die Überschrift \"Räuber-Beute\" und setzt \"Beziehung:\""},
        {"selbsttest.ini [Frage1/Answers] b: ", "Bild \"bilder/karpfen.png\" nicht gefunden"},
        {"selbsttest.ini [Frage2]: ", "[Frage2/Answers] fehlt"},
        {"selbsttest.ini [Frage3]: ", "keine Antwort ist richtig"},
        {"reflexion.ini Logfile: ", "fehlt"},
        {"seiten/start.htm Zeile 2: ",
         "\"GLOSSAR://Wels\": das Lexikon hat keine Seite \"Wels\" (der Eintrag steht auf der Seite \"W\""},
        {"seiten/start.htm Zeile 2: ", "(der Eintrag \"Stockwerke des Teiches\" steht auf der Seite \"S\": glossar://S)"},
        {"seiten/start.htm Zeile 3: ", "Bild \"bilder/teich.png\" nicht gefunden (gesucht: \"seiten/bilder/teich.png\")"},
        // Attribute names in capitals count; a drive letter is no URL scheme.
        {"seiten/start.htm Zeile 5: ", "Bild \"fehlt.png\" nicht gefunden"},
        {"seiten/start.htm Zeile 5: ", "Verweis \"fehlt.htm\" führt zu einer Datei, die es nicht gibt"},
        {"seiten/start.htm Zeile 5: ", "Bild \"C:\\Kurs\\bild.png\" nicht gefunden"},
        {"seiten/start.htm Zeile 5: ", "Verweis \"c:/kurs/seite.htm\" führt zu einer Datei"},
        {"seiten/aufgabe.htm Zeile 2: ", "(schreiben Sie src=\"./teich_klein.png\")"},
        {"uebungen/rotfeder.ini [Frage1/Answers] b: ", "ohne Lösungszeichen: \"Hechte\""},
        {"uebungen/rotfeder.ini [Frage2]: ", "keine Antwort ist richtig"},
        {"uebungen/rotfeder.ini [Frage3] Question: ", "fehlt"},
        {"uebungen/rotfeder.ini [Frage4/Answers] b: ", "das Zeichen \"x\" vor dem Doppelpunkt markiert eine falsche Antwort"}});
    EXPECT_EQ(summary, "Geprüft: " + dir.File_Str("sim_corvena.ini") + " – 45 Probleme gefunden.");
    // The records' folders that the program would make are not made.
    EXPECT_EQ(Listing(dir), before);
}

TEST(Course_Checker, Exit_Codes_Tell_Clean_Problems_And_Unreadable_Apart)
{
    Temp_Dir dir;
    dir.Make_Dir("ordner");
    dir.Write("sim_corvena.ini", "THEMES=kurs\\themen.ini\n");
    // No glossary: one line for its reason and the links it leaves dead.
    dir.Write("ohne.ini", "[General]\nGlossar=fehlt.txt\nReflections=leer.ini\n[Themes]\nContent=ohne.htm\n");
    dir.Write("ohne.htm", "<a href=\"glossar://A\">A</a>\n<a href=\"glossar://B\">B</a>\n");
    dir.Write("leer.ini", "Logfile=~/antworten.txt\n");
    struct Case { wxString path; int code; std::string line; size_t lines; };
    const Case cases[] = {
        // The demo course as staged beside the program, where its plug-ins are.
        {CORVENA_STAGE_DIR "/sim_corvena.ini", 0, " – keine Probleme gefunden.\n", 1},
        {dir.File("sim_corvena.ini"), 1, "THEMES: Datei \"kurs\\themen.ini\" nicht gefunden (gesucht: \"kurs/themen", 3},
        {dir.File("ohne.ini"), 1, "[General] Glossar: Datei \"fehlt.txt\" nicht gefunden: es gibt kein Lexikon; "
                                  "darum führen 2 Verweise \"glossar://…\" ins Leere, zuerst \"glossar://A\" in ohne.htm Zeile 1\n", 3},
        {dir.File("ohne.ini"), 1, "\nleer.ini: Die Datei enthält kein Thema", 3},
        {dir.File("fehlt.ini"), 2, "\nNicht geprüft: " + dir.File_Str("fehlt.ini") + "\n", 2},
        {dir.File("ordner"), 2, "\nNicht geprüft: " + dir.File_Str("ordner") + "\n", 2}};
    for (const Case& c : cases)
    {
        char* text = nullptr;
        size_t size = 0;
        FILE* out = open_memstream(&text, &size);
        EXPECT_EQ(Check_Course(c.path, out), c.code) << c.path;
        fclose(out);
        const std::string report(text, size);
        free(text);
        EXPECT_NE(report.find(c.line), std::string::npos) << report;
        // Problem lines and the summary, nothing else: a clean report is the summary alone.
        EXPECT_EQ(size_t(std::count(report.begin(), report.end(), '\n')), c.lines) << report;
    }
    // A plug-in that does not load names the missing function as its author wrote it.
    EXPECT_EQ(Plugin_Probe::Readable_Reason("undefined symbol: _Z9Not_Therev, version X"),
              "undefined symbol: Not_There(), version X");
    EXPECT_EQ(Plugin_Probe::Readable_Reason("undefined symbol: not_mangled"), "undefined symbol: not_mangled");
}
