#pragma once

// The texts of the records, held once for the program that writes them and
// for the teachers' tools that read them back. Their spelling is part of
// the record formats ("Aufzeichung", "Aktivtität", "Reflektionshilfe") and
// must not be corrected. UTF-8; formats in the toolkit's printf style.

#include <wx/string.h>

namespace Record_Texts
{
    // Header of the activity log (after the course title) and of a
    // simulation log (its first line).
    constexpr char Log_Title[] = "Aufzeichung der Aktivitäten";
    constexpr char Date_Label[] = "Datum: ";
    constexpr char Activity_Columns[] = "Uhrzeit\tDauer\tAktivtität";
    constexpr char Simulation_Columns[] = "Uhrzeit\tAktivtität\tWert";

    // Entries the main window writes itself.
    constexpr char Log_Started[] = "Aufzeichnung gestartet";
    constexpr char Log_Ended[] = "Aufzeichnung beendet";
    constexpr char Page_Opened[] = "%s - %s";  // item label, tab title
    constexpr char Link_Opened[] = "URL-Aufruf: %s";
    constexpr char Glossary_Item[] = "Lexikon";

    // Entries of an exercise page; "%s" is the exercise file's path.
    constexpr char Exercise_Checked[] = "Selbsttest überprüfen (%s)";
    constexpr char Exercise_Wrong[] = "Selbsttest, falsche Antwort: %s";
    constexpr char Exercise_Right[] = "Selbsttest erfolgreich";
    constexpr char Exercise_Solution[] = "Selbsttest Lösung anzeigen lassen (%s)";
    constexpr char Exercise_Reset[] = "Selbsttest zurückgesetzt (%s)";

    // Entries of the self-test and its questions: share of the time used,
    // the question, the ticked boxes.
    constexpr char Selftest_Started[] = "Selbsttest gestartet";
    constexpr char Selftest_Ended[] = "Selbsttest beendet";
    constexpr char Selftest_Aborted[] = "Selbsttest abgebrochen";
    constexpr char Question_Right[] = "Zeit %3d%%; Lösung korrekt (\"%s\")";
    constexpr char Question_Wrong[] = "Zeit %3d%%; Lösung falsch  (\"%s\", %s)";
    constexpr char Question_Ticked[] = "Antwort: ";

    // Entries of the reflection aid.
    constexpr char Reflection_Opened[] = "Reflektionshilfe geöffnet";
    constexpr char Reflection_Closed[] = "Reflektionshilfe geschlossen";

    // The reflection answers file: its first line, and per topic a rule,
    // a numbered heading and three labelled lines.
    constexpr char Answers_Title[] = "Reflektionshilfen";
    constexpr char Answers_Rule[] = "____________________";
    constexpr char Answers_Heading[] = "%d. Reflektionshilfe";
    constexpr char Answer_Topic[] = "Thema: ";
    constexpr char Answer_Rating[] = "Bewertung: ";
    constexpr char Answer_Explanation[] = "Erläuterung:";
}

/// One of the texts above as the toolkit's string.
inline wxString Record_Text(const char* utf8)
{
    return wxString::FromUTF8(utf8);
}
