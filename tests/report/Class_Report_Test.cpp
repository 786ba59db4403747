// The class report on a class made here: pupils in folders and one as a
// file, two runs of one pupil, runs cut short, a UTF-8 log and a CR LF log
// in Windows-1252, a simulation log passing midnight, reflection answers,
// notes, a link and a file nobody may read. Every table is compared cell by
// cell with what was worked out by hand, then the exit statuses.

#include "common/Text_Codec.h"
#include "report/Class_Report.h"
#include "tests/support/Temp_Dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
    std::string Log(const std::string& date, const std::string& entries)
    {
        return "Lebensraum Teich\nAufzeichung der Aktivitäten\nDatum: " + date + "\nUhrzeit\tDauer\tAktivtität\n" + entries;
    }

    std::string Cp1252(const std::string& utf8, bool crlf = false)
    {
        std::string bytes = Encode_Windows_1252(wxString::FromUTF8(utf8)), out;
        for (char c : bytes)
            out += crlf && c == '\n' ? std::string("\r\n") : std::string(1, c);
        return out;
    }

    const std::string Check = "Selbsttest überprüfen (/home/anna/kurs/uebungen/nahrungskette.ini)";

    void Write_Class(const Temp_Dir& dir)
    {
        // Times: (Start) 30, Nahrungsketten 210, Räuber und Beute 125, the
        // self-test 55, the reflection aid 120; 540 s in all.
        dir.Write("7b/anna/aktivitaet.log",
                  Log("2026-12-07", "09:00:00\t00:00:00\tAufzeichnung gestartet\n"
                                    "09:00:30\t00:00:30\tNahrungsketten\n"
                                    "09:01:00\t00:00:30\tNahrungsketten - Selbsttest\n"
                                    "09:01:20\t00:00:20\t" + Check + "\n"
                                    "09:01:20\t00:00:00\tSelbsttest, falsche Antwort: Hecht\n"
                                    "09:01:50\t00:00:30\tSelbsttest Lösung anzeigen lassen (/k/uebungen/nahrungskette.ini)\n"
                                    "09:02:00\t00:00:10\t" + Check + "\n"
                                    "09:02:00\t00:00:00\tSelbsttest erfolgreich\n"
                                    "09:02:30\t00:00:30\tSelbsttest zurückgesetzt (/k/uebungen/nahrungskette.ini)\n"
                                    "09:03:00\t00:00:30\t" + Check + "\n"
                                    "09:03:00\t00:00:00\tSelbsttest erfolgreich\n"
                                    "09:04:00\t00:01:00\tRäuber und Beute\n"
                                    "09:04:40\t00:00:40\tSelbsttest gestartet\n"
                                    "09:05:00\t00:00:20\tZeit  25%; Lösung korrekt (\"Wer frisst Rotfedern?\")\n"
                                    "09:05:30\t00:00:30\tZeit  37%; Lösung falsch  (\"Was heißt \"Kapazität\", genau?\", "
                                    "Antwort: [2][3])\n"
                                    "09:05:35\t00:00:05\tSelbsttest beendet\n"
                                    "09:06:00\t00:00:25\tReflektionshilfe geöffnet\n"
                                    "09:08:00\t00:02:00\tReflektionshilfe geschlossen\n"
                                    "09:08:30\t00:00:30\tURL-Aufruf: https://example.org/teich\n"
                                    "09:09:00\t00:00:30\tAufzeichnung beendet\n"));
        dir.Write("7b/anna/aktivitaet-2026-12-01_10-00-00.log",
                  Cp1252(Log("2026-12-01", "10:00:00\t00:00:00\tAufzeichnung gestartet\n"
                                           "10:00:45\t00:00:45\tKapazität des Teiches\n"
                                           "10:02:00\t00:01:15\tKapazität des Teiches - Simulation\n"),
                         true));
        dir.Write("7b/anna/notizen.txt", "Hechte!\n");
        // A reflection aid left with Escape ends where the next theme opens.
        dir.Write("7b/ben/aktivitaet.log", Log("2026-12-07", "23:59:00\t00:00:00\tAufzeichnung gestartet\n"
                                                             "23:59:30\t00:00:30\tLexikon\n"
                                                             "23:59:50\t00:00:20\tLexikon - H\n"
                                                             "00:00:10\t00:00:20\tReflektionshilfe geöffnet\n"
                                                             "00:01:10\t00:01:00\tReflektionshilfe geöffnet\n"
                                                             "00:01:40\t00:00:30\tNahrungsketten\n"
                                                             "00:02:00\t00:00:20\tAufzeichnung beendet\n"));
        dir.Write("7b/ben/hecht_rotfeder.log", "Aufzeichung der Aktivit\xE4ten\nDatum: 2026-12-07\n"
                                               "Uhrzeit\tAktivtit\xE4t\tWert\n\n23:59:40\tRF Grow\t0.080000\n"
                                               "00:00:05\tScenario\thalbieren\n00:00:09\tShow Def\t\n");
        dir.Write("7b/ben/antworten.txt", Cp1252("Reflektionshilfen\n\n____________________\n1. Reflektionshilfe\n\n"
                                                 "Thema: Nahrungsketten\nBewertung: 4   \nErläuterung:\n"
                                                 "Hechte fressen Rotfedern;\ndas habe ich \"gelernt\".\n\n"
                                                 "____________________\n2. Reflektionshilfe\n\nThema: Kapazität\n"
                                                 "Bewertung: 3   \nErläuterung:\n\n"));
        dir.Write("7b/carla.log", Log("2026-12-07", "08:00:00\t00:00:00\tAufzeichnung gestartet\n"
                                                    "08:00:04\t00:00:04\tAlgen\n"
                                                    "08:00:10\t00:00:06\tAufzeichnung beendet\n"));
        dir.Write("7b/carla-2026-12-05_08-00-00.log", Log("2026-12-05", "08:00:00\t00:00:00\tAufzeichnung gestartet\n"));
        dir.Write("7b/dora/aktivitaet.log", Log("2026-12-07", "08:00:00\t00:00:00\tAufzeichnung gestartet\n"));
        chmod(dir.File_Str("7b/dora/aktivitaet.log").c_str(), 0);
        std::filesystem::create_symlink("anna/aktivitaet.log", dir.File_Str("7b/verweis.log"));
        dir.Write("kurs/themen.ini", "[General]\nName=Teich\n[Themes]\nName=Lebensraum Teich\n[Themes/A]\n"
                                     "Name=Nahrungsketten\nExercises=uebungen/nahrungskette.ini\n");
    }

    // A table of the report as UTF-8 text; only the rows of pupil, if given.
    std::string Table(const Temp_Dir& dir, const char* name, const std::string& pupil = "")
    {
        const std::string text(Decode_Course_Text(dir.Read(wxString("7b/Auswertung/") + name)).utf8_str());
        if (pupil.empty())
            return text;
        std::string rows;
        for (size_t at = 0, end; at < text.size(); at = end + 1)
        {
            end = text.find('\n', at);
            if (text.compare(at, pupil.size() + 1, pupil + ";") == 0)
                rows += text.substr(at, end - at + 1);
        }
        return rows;
    }
}

TEST(Class_Report, Tables_Of_A_Class)
{
    Temp_Dir dir;
    Write_Class(dir);
    chmod(dir.Path_Str().c_str(), 0777);
    chmod(dir.File_Str("7b").c_str(), 0777);
    // Root reads any file; with the file system's view of nobody it cannot.
    const bool root = geteuid() == 0;
    if (root)
        setfsuid(65534);
    Report_Result result = Write_Class_Report({dir.File("7b"), "", ""});
    if (root)
        setfsuid(0);
    EXPECT_EQ(result.What, Report_Result::Unread) << result.Message;
    EXPECT_NE(result.Message.find("dora/aktivitaet.log: nicht lesbar"), wxString::npos) << result.Message;

    EXPECT_EQ(Table(dir, "sitzungen.csv"),
              "Schüler;Datei;Kurs;Datum;Beginn;Ende;Dauer;Beendet;Übungen geprüft;Übungen richtig;Lösung angezeigt;"
              "Selbsttest Durchgänge;Selbsttest Fragen;Selbsttest richtig;Reflexion abgeschlossen\n"
              "anna;anna/aktivitaet-2026-12-01_10-00-00.log;Lebensraum Teich;2026-12-01;10:00:00;10:02:00;00:02:00;"
              "nein;0;0;0;0;;;0\n"
              "anna;anna/aktivitaet.log;Lebensraum Teich;2026-12-07;09:00:00;09:09:00;00:09:00;ja;3;1;1;1;2;1;1\n"
              "ben;ben/aktivitaet.log;Lebensraum Teich;2026-12-07;23:59:00;00:02:00;00:03:00;ja;0;0;0;0;;;0\n"
              "carla;carla-2026-12-05_08-00-00.log;Lebensraum Teich;2026-12-05;08:00:00;08:00:00;00:00:00;nein;"
              "0;0;0;0;;;0\n"
              "carla;carla.log;Lebensraum Teich;2026-12-07;08:00:00;08:00:10;00:00:10;ja;0;0;0;0;;;0\n");
    EXPECT_EQ(Table(dir, "themen.csv"),
              "Schüler;Datei;Thema;Besuche;Zeit;Sekunden\n"
              "anna;anna/aktivitaet-2026-12-01_10-00-00.log;(Start);1;00:00:45;45\n"
              "anna;anna/aktivitaet-2026-12-01_10-00-00.log;Kapazität des Teiches;1;00:01:15;75\n"
              "anna;anna/aktivitaet.log;(Start);1;00:00:30;30\n"
              "anna;anna/aktivitaet.log;Nahrungsketten;1;00:03:30;210\n"
              "anna;anna/aktivitaet.log;Räuber und Beute;1;00:02:05;125\n"
              "anna;anna/aktivitaet.log;Selbsttest;1;00:00:55;55\n"
              "anna;anna/aktivitaet.log;Reflektionshilfe;1;00:02:00;120\n"
              "ben;ben/aktivitaet.log;(Start);1;00:00:30;30\n"
              "ben;ben/aktivitaet.log;Lexikon;1;00:01:10;70\n"
              "ben;ben/aktivitaet.log;Reflektionshilfe;2;00:01:00;60\n"
              "ben;ben/aktivitaet.log;Nahrungsketten;1;00:00:20;20\n"
              "carla;carla-2026-12-05_08-00-00.log;(Start);1;00:00:00;0\n"
              "carla;carla.log;(Start);1;00:00:04;4\n"
              "carla;carla.log;Algen;1;00:00:06;6\n");
    // A pass after the solution was shown is not the pupil's own.
    EXPECT_EQ(Table(dir, "antworten.csv"),
              "Schüler;Datei;Uhrzeit;Art;Quelle;Text;Ergebnis;Zeit %\n"
              "anna;anna/aktivitaet.log;09:01:20;Übung;nahrungskette.ini;Hecht;falsch;\n"
              "anna;anna/aktivitaet.log;09:02:00;Übung;nahrungskette.ini;(nach Anzeige der Lösung);richtig;\n"
              "anna;anna/aktivitaet.log;09:03:00;Übung;nahrungskette.ini;;richtig;\n"
              "anna;anna/aktivitaet.log;09:05:00;Selbsttest;Selbsttest;Wer frisst Rotfedern?;richtig;25\n"
              "anna;anna/aktivitaet.log;09:05:30;Selbsttest;Selbsttest;\"Was heißt \"\"Kapazität\"\", genau?\";"
              "falsch;37\n");
    EXPECT_EQ(Table(dir, "simulationen.csv"),
              "Schüler;Datei;Datum;Uhrzeit;Aktivität;Wert\n"
              "ben;ben/hecht_rotfeder.log;2026-12-07;23:59:40;RF Grow;0,08\n"
              "ben;ben/hecht_rotfeder.log;2026-12-08;00:00:05;Scenario;halbieren\n"
              "ben;ben/hecht_rotfeder.log;2026-12-08;00:00:09;Show Def;\n");
    EXPECT_EQ(Table(dir, "reflexion.csv"),
              "Schüler;Datei;Nr;Thema;Bewertung;Erläuterung\n"
              "ben;ben/antworten.txt;1;Nahrungsketten;4;\"Hechte fressen Rotfedern;\ndas habe ich \"\"gelernt\"\".\"\n"
              "ben;ben/antworten.txt;2;Kapazität;3;\n");
    EXPECT_EQ(Table(dir, "eintraege.csv", "ben"),
              "ben;ben/aktivitaet.log;2026-12-07;23:59:00;0;Aufzeichnung gestartet\n"
              "ben;ben/aktivitaet.log;2026-12-07;23:59:30;30;Lexikon\n"
              "ben;ben/aktivitaet.log;2026-12-07;23:59:50;20;Lexikon - H\n"
              "ben;ben/aktivitaet.log;2026-12-08;00:00:10;20;Reflektionshilfe geöffnet\n"
              "ben;ben/aktivitaet.log;2026-12-08;00:01:10;60;Reflektionshilfe geöffnet\n"
              "ben;ben/aktivitaet.log;2026-12-08;00:01:40;30;Nahrungsketten\n"
              "ben;ben/aktivitaet.log;2026-12-08;00:02:00;20;Aufzeichnung beendet\n");
    const std::string page = dir.Read("7b/Auswertung/bericht.html");
    for (const char* passed : {"<td>anna/notizen.txt</td><td>keine Aufzeichnung</td>",
                               "<td>verweis.log</td><td>Verknüpfung; ihr wird nicht gefolgt</td>"})
        EXPECT_NE(page.find(passed), std::string::npos) << passed;

    // Without the unreadable file all is read. The course names the root
    // and its themes: "Algen" is none of them.
    std::filesystem::remove(dir.File_Str("7b/dora/aktivitaet.log"));
    EXPECT_EQ(Write_Class_Report({dir.File("7b"), dir.File("kurs/themen.ini"), ""}).What, Report_Result::Complete);
    EXPECT_EQ(Table(dir, "themen.csv", "carla"), "carla;carla-2026-12-05_08-00-00.log;Lebensraum Teich;1;00:00:00;0\n"
                                                 "carla;carla.log;Lebensraum Teich;1;00:00:10;10\n");
    // A span of 60 seconds and a fourth line that is not blank are said to be unread.
    dir.Write("7b/emil/aktivitaet.log", Log("2026-12-07", "08:00:00\t00:00:00\tAufzeichnung gestartet\n"
                                                          "08:01:00\t00:00:60\tAlgen\n"));
    dir.Write("7b/emil/sim.log", "Aufzeichung der Aktivit\xE4ten\nDatum: 2026-12-07\nUhrzeit\tAktivtit\xE4t\tWert\nx\n");
    result = Write_Class_Report({dir.File("7b"), "", ""});
    for (const char* file : {"emil/aktivitaet.log: nur zum Teil gelesen: Zeile 6", "emil/sim.log: nur zum Teil gelesen: Zeile 4"})
        EXPECT_NE(result.Message.find(file), wxString::npos) << result.Message;
}

TEST(Class_Report, Leaves_Alone_What_Is_No_Report)
{
    Temp_Dir dir;
    dir.Write("7b/anna/aktivitaet.log", Log("2026-12-07", "08:00:00\t00:00:00\tAufzeichnung gestartet\n"));
    dir.Write("7b/Auswertung/meine.txt", "Notizen der Lehrerin\n");
    const struct { wxString Folder, Out; const char* Why; } cases[] = {
        {dir.File("fehlt"), "", "Der Klassenordner"}, {dir.File("7b"), "", "andere Dateien als eine frühere Auswertung"},
        {dir.File("7b"), dir.Path(), "ein Ordner über ihm"}};
    for (const auto& c : cases)
    {
        const Report_Result result = Write_Class_Report({c.Folder, "", c.Out});
        EXPECT_EQ(result.What, Report_Result::Not_Written) << c.Why;
        EXPECT_NE(result.Message.find(wxString::FromUTF8(c.Why)), wxString::npos) << result.Message;
    }
    EXPECT_EQ(dir.Read("7b/Auswertung/meine.txt"), "Notizen der Lehrerin\n");
    for (const auto& entry : std::filesystem::directory_iterator(dir.File_Str("7b")))
        EXPECT_NE(entry.path().filename().string()[0], '.') << entry.path();
}
