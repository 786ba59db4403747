#include "shell/Command_Line.h"

#include "shell/CSim_Config.h"

#include <wx/filename.h>

namespace
{
    wxString Absolute(const wxString& path)
    {
        wxFileName name(path);
        name.MakeAbsolute();
        return name.GetFullPath();
    }

    // --report [FOLDER] [--course PATH] [--out OUT], in any order.
    Command_Line Parse_Report(const wxArrayString& args)
    {
        Command_Line line;
        line.What = Command_Line::Report;
        for (size_t i = 1; i < args.size(); i++)
        {
            wxString* value = args[i] == "--course" ? &line.Course : args[i] == "--out" ? &line.Out : nullptr;
            if (value && i + 1 < args.size() && value->empty())
                *value = Absolute(args[++i]);
            else if (!value && !args[i].StartsWith("-") && line.Path.empty())
                line.Path = Absolute(args[i]);
            else
            {
                line.What = Command_Line::Error;
                line.Message = wxString::Format(wxString::FromUTF8("--report: unbekannte, doppelte oder "
                                                                   "unvollständige Angabe: %s"), args[i]);
                return line;
            }
        }
        return line;
    }
}

bool Command_Line::Is_Start_File(const wxString& path)
{
    if (wxFileName(path).GetFullName().CmpNoCase("sim_corvena.ini") == 0)
        return true;
    CSim_Config config(path);
    wxString value;
    return config.Read("/THEMES", &value);
}

Command_Line Command_Line::Parse(const wxArrayString& args)
{
    Command_Line line;
    if (args.empty())
        return line;
    const wxString& first = args[0];
    if (first == "--help" || first == "-h")
    {
        line.What = Help;
        return line;
    }
    if (first == "--check" || first == "--new-course")
    {
        const bool check = first == "--check";
        if (args.size() != 2)
        {
            line.What = Error;
            line.Message = wxString::FromUTF8(check ? "--check erwartet genau eine Datei."
                                                    : "--new-course erwartet genau einen Ordner.");
            return line;
        }
        line.What = check ? Check : New_Course;
        line.Path = Absolute(args[1]);
        return line;
    }
    if (first == "--report")
        return Parse_Report(args);
    wxArrayString rest = args;
    if (first == "--preview")
    {
        line.bPreview = true;
        rest.RemoveAt(0);
        if (rest.empty())
            return line;
    }
    if (rest[0].StartsWith("-") || rest.size() > 1)
    {
        line.What = Error;
        line.Message = wxString::Format(wxString::FromUTF8("Unbekannte Angabe: %s"),
                                        rest[0].StartsWith("-") ? rest[0] : rest[1]);
        return line;
    }
    wxString path = Absolute(rest[0]);
    if (wxFileName::FileExists(path) && Is_Start_File(path))
        line.Start_File = path;
    else
        line.Theme_File = path;
    return line;
}

wxString Command_Line::Help_Text()
{
    return wxString::FromUTF8(
        "Aufruf: corvena [DATEI]\n"
        "       corvena --preview [DATEI]\n"
        "       corvena --check DATEI\n"
        "       corvena --new-course ORDNER\n"
        "       corvena --report [KLASSENORDNER] [--course KURS] [--out ORDNER]\n"
        "       corvena --help\n"
        "\n"
        "Ohne Angabe öffnet Sim-Corvena den Kurs, den \"sim_corvena.ini\" neben dem\n"
        "Programm nennt.\n"
        "\n"
        "  DATEI          eine Themendatei: dieser Kurs wird statt des in THEMES\n"
        "                 genannten geöffnet; alle anderen Einstellungen kommen aus\n"
        "                 \"sim_corvena.ini\" neben dem Programm.\n"
        "                 Oder eine \"sim_corvena.ini\": sie wird statt der neben dem\n"
        "                 Programm gelesen; ihre Dateinamen gelten von ihrem eigenen\n"
        "                 Verzeichnis aus.\n"
        "  --preview      öffnet den Kurs für seine Autorin oder seinen Autor: nichts\n"
        "                 ist gesperrt, keine Mindestzeit läuft, nichts wird\n"
        "                 aufgezeichnet (kein Protokoll, keine Antworten, die\n"
        "                 Notizdatei bleibt, wie sie ist). Der Fenstertitel endet\n"
        "                 auf \"Vorschau\".\n"
        "  --check DATEI  prüft den Kurs (eine \"sim_corvena.ini\" oder eine\n"
        "                 Themendatei), ohne ein Fenster zu öffnen und ohne etwas zu\n"
        "                 verändern: fehlende Dateien, unbekannte Schlüssel, Zahlen,\n"
        "                 die keine sind, Simulationen, die nicht laden, Verweise\n"
        "                 ins Leere, Fragen ohne richtige Antwort, Mindestzeiten,\n"
        "                 die sich umgehen lassen, eine Reflektionshilfe, die nie\n"
        "                 frei wird, Aufzeichnungen, die nicht geschrieben werden\n"
        "                 können oder die sich alle teilen würden. Jedes Problem\n"
        "                 steht in einer Zeile mit Datei und Schlüssel; Pfade gelten\n"
        "                 vom Verzeichnis der DATEI aus. Eine Anzeige ist nicht nötig.\n"
        "                 Rückgabewert: 0 ohne Probleme, 1 mit Problemen, 2 wenn\n"
        "                 DATEI nicht lesbar ist.\n"
        "  --new-course ORDNER\n"
        "                 legt im ORDNER (neu oder leer) einen kleinen, vollständigen\n"
        "                 Kurs als Vorlage an: Startseite, zwei Themen, Simulation,\n"
        "                 Übung, Lexikon, Selbsttest und Reflektionshilfe, mit einer\n"
        "                 eigenen \"sim_corvena.ini\". Ein Ordner, in dem schon etwas\n"
        "                 liegt, bleibt unberührt.\n"
        "  --report KLASSENORDNER\n"
        "                 wertet die Aufzeichnungen einer Klasse aus: alle\n"
        "                 Aktivitätsprotokolle, Simulationsprotokolle und\n"
        "                 Reflektionshilfen unter KLASSENORDNER (ein Unterordner je\n"
        "                 Schülerin oder Schüler, oder eine Datei je Person), an\n"
        "                 ihren ersten Zeilen erkannt. Es entstehen Tabellen (CSV:\n"
        "                 Semikolon, Dezimalkomma, Windows-1252) für\n"
        "                 Tabellenkalkulation und Statistik und ein Bericht\n"
        "                 \"bericht.html\" mit Diagrammen für den Browser, im Ordner\n"
        "                 \"Auswertung\" des Klassenordners. Eine frühere Auswertung\n"
        "                 dort wird ersetzt; sonst wird nichts verändert. Eine\n"
        "                 Anzeige ist nicht nötig. Ohne KLASSENORDNER fragt ein\n"
        "                 Dialog nach ihm und der Bericht öffnet sich im Browser.\n"
        "    --course KURS\n"
        "                 die Themendatei oder \"sim_corvena.ini\" des Kurses: dann\n"
        "                 zählen nur seine Themen als Themen, in seiner Reihenfolge.\n"
        "    --out ORDNER wohin die Auswertung geschrieben wird.\n"
        "                 Rückgabewert: 0 wenn alles gelesen wurde, 1 wenn eine\n"
        "                 Aufzeichnung nicht (ganz) lesbar war, 2 wenn der\n"
        "                 Klassenordner nicht lesbar oder die Auswertung nicht\n"
        "                 schreibbar ist.\n"
        "  --help         zeigt diese Hilfe.\n");
}
