#include "report/Report_Page.h"

#include "report/Class_Overview.h"
#include "report/Report_Charts.h"
#include "report/Report_Tables.h"

#include <cstdio>
#include <wx/datetime.h>
#include <wx/filename.h>

namespace
{
    wxString U(const char* text)
    {
        return wxString::FromUTF8(text);
    }

    wxString Html(const wxString& text)
    {
        wxString out;
        for (wxUniChar c : text)
            out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '"' ? "&quot;" : wxString(c);
        return out;
    }

    wxString Cells(const std::vector<wxString>& cells, const char* tag = "td")
    {
        wxString row = "<tr>";
        for (const wxString& cell : cells)
            row << "<" << tag << ">" << cell << "</" << tag << ">";
        return row + "</tr>\n";
    }

    wxString Number(long n)
    {
        return wxString::Format("%ld", n);
    }

    // A count with its noun: "1 Durchgang", "2 Durchgänge".
    wxString Count(size_t n, const char* one, const char* many)
    {
        return wxString::Format("%zu ", n) + U(n == 1 ? one : many);
    }

    wxString Minutes(long seconds)
    {
        return wxString::Format("%ld min", (seconds + 30) / 60);
    }

    const char* const Style =
        "body{font-family:sans-serif;margin:2em;max-width:1150px;color:#222}"
        "table{border-collapse:collapse;margin:.5em 0 1.5em}"
        "td,th{border:1px solid #ccc;padding:.25em .6em;text-align:left;vertical-align:top}td{white-space:nowrap}"
        "th{background:#f0f0f0}.hint{color:#666}"
        "h3{margin-top:2em;border-bottom:1px solid #ccc}img{max-width:100%}";

    wxString Summary(const Class_Overview& o)
    {
        size_t sessions = 0, short_runs = 0, sim_logs = 0, answers = 0;
        long seconds = 0;
        wxString cut;
        for (const Pupil_Overview& p : o.Pupils)
        {
            for (const Session_Line& s : p.Sessions)
            {
                sessions++;
                seconds += s.Summary.Seconds;
                if (!s.Summary.Finished)
                {
                    short_runs++;
                    cut << "<li>" << Html(p.Name) << ": " << Html(s.File) << U(", letzter Eintrag ")
                        << Html(s.Date) << " " << Html(s.Summary.End) << "</li>\n";
                }
            }
            sim_logs += p.Simulation_Logs;
            answers += !p.Ratings.empty();
        }
        wxString html = "<ul>\n";
        html << "<li>" << Count(o.Pupils.size(), "Schülerin oder Schüler", "Schülerinnen und Schüler") << ", "
             << Count(sessions, "Sitzung", "Sitzungen") << U(" (Aktivitätsprotokolle) mit zusammen ")
             << Minutes(seconds) << "</li>\n";
        html << "<li>" << Count(short_runs, "Sitzung", "Sitzungen")
             << U(" ohne „Aufzeichnung beendet“ (abgebrochen)") << "</li>\n";
        html << "<li>" << Count(sim_logs, "Simulationsprotokoll", "Simulationsprotokolle") << ", "
             << Count(answers, "ausgefüllte Reflektionshilfe", "ausgefüllte Reflektionshilfen") << "</li>\n</ul>\n";
        if (!cut.empty())
            html << U("<p>Abgebrochene Sitzungen:</p>\n<ul>\n") << cut << "</ul>\n";
        if (o.Unknown_Lines > 0)
            html << "<p class=\"hint\">" << o.Unknown_Lines
                 << U(" Einträge nennen kein Thema des angegebenen Kurses; stammen die Protokolle aus diesem "
                      "Kurs?")
                 << "</p>\n";
        return html;
    }

    wxString Exercises(const Class_Overview& o)
    {
        if (o.Exercises.empty())
            return U("<p class=\"hint\">Keine Übung wurde geprüft.</p>\n");
        const bool themes = !o.Course_Path.empty();
        std::vector<wxString> head = {U("Übung")};
        if (themes)
            head.push_back(U("Thema"));
        for (const char* h : {"Prüfungen", "davon richtig", "Anteil richtig", "Lösung angezeigt", "Schüler"})
            head.push_back(U(h));
        wxString html = "<table>\n" + Cells(head, "th");
        for (const Exercise_Overview& e : o.Exercises)
        {
            std::vector<wxString> row = {Html(e.Source)};
            if (themes)
                row.push_back(Html(e.Theme));
            row.push_back(Number(e.Checks));
            row.push_back(Number(e.Right));
            row.push_back(e.Checks ? wxString::Format("%d %%", (e.Right * 100 + e.Checks / 2) / e.Checks) : "");
            row.push_back(Number(e.Solutions));
            row.push_back(Number(e.Pupils));
            html += Cells(row);
        }
        return html + U("</table>\n<p class=\"hint\">Eine Prüfung zählt als richtig, wenn alle Antworten stimmten "
                        "und die Lösung der Übung seit dem letzten Zurücksetzen nicht angezeigt worden war.</p>\n");
    }

    wxString Pupil(const Pupil_Overview& p)
    {
        wxString html = "<h3>" + Html(p.Name) + "</h3>\n";
        if (!p.Sessions.empty())
        {
            html << "<table>\n"
                 << Cells({U("Datei"), U("Datum"), U("Beginn"), U("Ende"), U("Dauer"), U("Beendet"),
                           U("Übungen geprüft / richtig"), U("Lösung angezeigt"), U("Selbsttest"),
                           U("Reflexion abgeschlossen")},
                          "th");
            for (const Session_Line& line : p.Sessions)
            {
                const Session_Summary& s = line.Summary;
                wxString test = Count(size_t(s.Selftest_Runs), "Durchgang", "Durchgänge");
                if (s.Selftest_Questions >= 0)
                    test << wxString::Format(U(", zuletzt %d von %d richtig"), s.Selftest_Right, s.Selftest_Questions);
                html << Cells({Html(line.File), Html(line.Date), Html(s.Begin), Html(s.End),
                               Format_Seconds(s.Seconds), s.Finished ? U("ja") : U("<b>nein</b>"),
                               Number(s.Checks) + " / " + Number(s.Checks_Right), Number(s.Solutions), test,
                               Number(s.Reflections_Closed)});
            }
            html << "</table>\n<table>\n" << Cells({U("Thema"), U("Besuche"), U("Zeit")}, "th");
            for (const Item_Time& item : p.Items)
                html << Cells({Html(item.Item), Number(item.Visits), Format_Seconds(item.Seconds)});
            html << "</table>\n";
        }
        else
            html << U("<p class=\"hint\">Kein Aktivitätsprotokoll.</p>\n");
        if (p.Simulation_Logs > 0)
            html << "<p>" << Count(size_t(p.Simulation_Logs), "Simulationsprotokoll", "Simulationsprotokolle")
                 << U(" mit ") << Count(p.Simulation_Entries, "Eintrag", "Einträgen") << ".</p>\n";
        if (!p.Ratings.empty())
        {
            html << U("<p>Reflektionshilfe (Bewertung 1 bis 5): ");
            for (size_t i = 0; i < p.Ratings.size(); i++)
                html << (i ? "; " : "") << Html(p.Ratings[i].first) << ": " << Html(p.Ratings[i].second);
            html << "</p>\n";
        }
        return html;
    }

    wxString Passed(const Class_Overview& o)
    {
        if (o.Passed.empty())
            return U("<p>Alle Dateien wurden gelesen.</p>\n");
        wxString html = "<table>\n" + Cells({U("Datei"), U("Grund")}, "th");
        for (const Passed_File& passed : o.Passed)
            html << Cells({Html(passed.File), passed.Failure ? "<b>" + Html(passed.Reason) + "</b>"
                                                             : Html(passed.Reason)});
        return html + "</table>\n";
    }
}

bool Write_Report_Page(const Class_Overview& o, const wxString& path)
{
    const wxString name = wxFileName::DirName(o.Folder).GetDirs().empty()
                              ? o.Folder
                              : wxFileName::DirName(o.Folder).GetDirs().Last();
    const wxDateTime now = wxDateTime::Now();
    wxString html = U("<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n<title>Auswertung ")
                    + Html(name) + "</title>\n<style>" + Style + "</style>\n</head>\n<body>\n";
    html << U("<h1>Auswertung der Klasse „") << Html(name) << U("“</h1>\n<p class=\"hint\">Erstellt am ")
         << now.Format("%d.%m.%Y um %H:%M") << U(" aus dem Ordner ") << Html(o.Folder);
    if (!o.Courses.empty())
    {
        html << U("; Kurs: ");
        for (size_t i = 0; i < o.Courses.size(); i++)
            html << (i ? ", " : "") << Html(o.Courses[i]);
    }
    html << ".</p>\n" << Summary(o);
    html << U("<h2>Zeit je Thema</h2>\n<img src=\"") << Time_Chart_File
         << U("\" alt=\"Zeit je Schülerin und Schüler, nach Themen\">\n<p class=\"hint\">Alle Sitzungen "
              "zusammen. Die Zeit eines Eintrags ist die seit dem Eintrag davor; Zeit im Selbsttest und in der "
              "Reflektionshilfe zählt dort und nicht beim Thema.</p>\n");
    html << U("<h2>Selbsttest</h2>\n<img src=\"") << Selftest_Chart_File
         << U("\" alt=\"Ergebnis des letzten beendeten Selbsttests je Schülerin und Schüler\">\n");
    html << U("<h2>Übungen</h2>\n") << Exercises(o);
    html << U("<h2>Schülerinnen und Schüler</h2>\n");
    for (const Pupil_Overview& p : o.Pupils)
        html << Pupil(p);
    html << U("<h2>Übergangene Dateien</h2>\n") << Passed(o);
    html << U("<h2>Tabellen</h2>\n<p>Für Tabellenkalkulation und Statistik (Semikolon, Dezimalkomma, "
              "Windows-1252): ");
    for (size_t i = 0; i < std::size(Report_Table_Files); i++)
        html << (i ? ", " : "") << "<a href=\"" << Report_Table_Files[i] << "\">" << Report_Table_Files[i] << "</a>";
    html << ".</p>\n</body>\n</html>\n";

    FILE* file = fopen(path.fn_str(), "w");
    if (!file)
        return false;
    const wxScopedCharBuffer bytes = html.utf8_str();
    bool ok = fwrite(bytes.data(), 1, bytes.length(), file) == bytes.length();
    return (fclose(file) == 0) && ok;
}
