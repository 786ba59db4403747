// The checks of the learning activities' files: glossary, exercise and
// self-test files, and the reflection aid.

#include "checker/Course_Checker.h"

#include "activities/Answer_Code.h"
#include "activities/Exercise_File.h"
#include "activities/Glossary_Builder.h"
#include "common/Text_Codec.h"
#include "shell/CSim_Config.h"

#include <wx/filename.h>

namespace
{
    wxString U(const char* text)
    {
        return wxString::FromUTF8(text);
    }


    // A title as a teacher recognises it in a message, not the rest of the
    // file that an unclosed bracket swallowed.
    wxString Short(const wxString& text)
    {
        const size_t MAX = 40;
        wxString one_line = text;
        one_line.Trim(true).Trim(false);
        return one_line.length() > MAX ? one_line.Left(MAX) + wxString::FromUTF8("…") : one_line;
    }

    // The page a glossary entry appears on, as the glossary builds its pages.
    wxString Page_Label_Of(const wxString& title)
    {
        if (title.empty())
            return title;
        return title[0] == '*' ? title.Mid(1) : wxString(title[0]);
    }

    // Markers that plainly mean "wrong"; any other marker in a question
    // without a right answer was most likely meant as "right".
    bool Means_Wrong(wxUniChar marker)
    {
        return wxString("0nNxXfF-").Find(marker) != wxNOT_FOUND;
    }

    const std::vector<const char*> QUESTION_KEYS = {"Question", "Image", "Answers"};
    const std::vector<const char*> REFLECTION_KEYS = {"Title", "Intro", "MIN_LENGTH", "MIN_PROMPT",
                                                      "Logfile"};
    const std::vector<const char*> TOPIC_KEYS = {"Reflection", "Description", "Description_Img",
                                                 "Assessment", "Explanation"};
}

void Course_Checker::Check_Glossary(const wxString& path)
{
    m_pReport->Note_File(path);
    m_Done.insert(path);
    Glossary_Builder builder;
    std::string bytes;
    if (!Read_File_Bytes(path, bytes))
    {
        m_No_Glossary = {path, wxEmptyString, U("Die Datei kann nicht gelesen werden: es gibt kein Lexikon")};
        return;
    }
    const bool has_entries = builder.Read_Entries(path);

    const Glossary_Builder::Cut_Entry& cut = builder.Get_Cut_Entry();
    if (cut.Missing)
    {
        const wxString where = "<" + Short(cut.Entry.BeforeFirst(':')) + ">";
        wxString text;
        if (cut.Missing == '>')
            text = U("die Datei endet vor dem \">\" des Titels: der Eintrag hat keinen Text");
        else if (cut.Missing == '{')
            text = U("die Datei endet vor dem \"{\": der Eintrag hat keinen Text");
        else
            text = U("die Datei endet vor dem \"}\": der Text reicht bis zum Ende der Datei");
        Problem(path, where, text);
    }
    if (!has_entries)
    {
        m_No_Glossary = {path, wxEmptyString,
                         U("Die Datei enthält keinen Eintrag der Form <Titel>{Text}: es gibt kein Lexikon")};
        return;
    }

    // A colon ends the title where the glossary splits title from text.
    Squeeze_CRLF(bytes);
    const wxString text = Decode_Course_Text(bytes);
    size_t pos = 0;
    wxString entry;
    while (pos < text.length())
    {
        const size_t open = text.find('<', pos);
        if (!Glossary_Builder::Read_Entry(text, pos, entry) || open == wxString::npos)
            continue;
        wxString title = text.substr(open + 1, text.find('>', open) - open - 1);
        title.Replace("\n", " ");
        if (!title.Contains(":"))
            continue;
        const bool own_page = title.StartsWith("*");
        Problem(path, "<" + Short(title) + ">",
                wxString::Format(U("der Titel enthält einen Doppelpunkt: das Lexikon zeigt %s %s und setzt "
                                   "%s an den Anfang des Textes; schreiben Sie den Titel ohne Doppelpunkt"),
                                 own_page ? U("den Reiter") : U("die Überschrift"),
                                 Quote(title.BeforeFirst(':').Mid(own_page ? 1 : 0)),
                                 Quote(title.AfterFirst(':').Trim(false) + ":")));
    }

    builder.Build_Pages();
    m_bGlossary = true;
    for (const wxString& page : builder.Get_Pages())
        m_Glossary_Labels.push_back(Glossary_Builder::Page_Label(page));
    for (const wxString& entry : builder.Get_Entries())
    {
        const wxString title = entry.BeforeFirst(':');
        m_Glossary_Titles.emplace_back(title.StartsWith("*") ? title.Mid(1) : title, Page_Label_Of(title));
    }

    // The pages are shown without a base location: only the marker gives
    // files beside the glossary.
    const wxString directory = wxFileName(path).GetPath(wxPATH_GET_VOLUME);
    for (const wxString& entry : builder.Get_Entries())
        Check_References(path, "<" + Short(entry.BeforeFirst(':')) + ">", entry.AfterFirst(':'),
                         Glossary_Page, directory);
}

void Course_Checker::Check_Question_File(const wxString& path, bool selftest)
{
    if (!First_Time(path, "questions"))
        return;
    Checked_File config;
    if (!Open(config, path))
    {
        Problem(path, wxEmptyString,
                selftest ? U("Die Datei kann nicht gelesen werden: es gibt keinen Selbsttest.")
                         : U("Die Datei kann nicht gelesen werden: das Thema hat keine Seite \"Selbsttest\"."));
        return;
    }

    static const Key_Table none = {{}, ""};
    static const Key_Table question = {QUESTION_KEYS, "in eine Fragegruppe"};
    Check_Keys(config, none, {&question});

    const wxString home = config.Get_Path();
    for (const wxString& name : config.Get_Group_Names())
    {
        config.Set_Path(name);
        Check_Question(config, selftest);
        config.Set_Path(home);
    }

    // What the program's own reader makes of the file decides whether the
    // page or the self-test exists.
    std::vector<Exercise_Question> questions;
    if (Read_Exercise_File(path, &questions) && questions.empty())
        Problem(path, wxEmptyString,
                selftest ? U("Die Datei enthält keine verwendbare Frage: es gibt keinen Selbsttest.")
                         : U("Die Datei enthält keine verwendbare Frage: das Thema hat keine Seite "
                             "\"Selbsttest\"."));
}

void Course_Checker::Check_Question(Checked_File& config, bool selftest)
{
    static const Key_Table question = {QUESTION_KEYS, "in eine Fragegruppe"};
    Check_Keys(config, question, {});
    Check_Groups(config, {"Answers"}, U("eine Frage hat nur die Untergruppe Answers"));

    const wxString group = "[" + config.Get_Path().Mid(1) + "]";
    const wxString answers_group = "[" + config.Get_Path().Mid(1) + "/Answers]";
    wxString text;
    if (!config.Read("Question", &text))
    {
        Problem(config, "Question", U("fehlt; die Frage wird übergangen"));
        return;
    }
    if (selftest)
    {
        wxString image;
        Check_File(config, "Image", U("die Frage erscheint ohne Bild"), &image);
    }
    else if (config.Read("Image", &text))
        Problem(config, "Image", U("wird nicht verwendet: Übungsseiten zeigen keine Bilder, nur der Selbsttest"));

    bool has_group = false;
    wxString name;
    long cookie;
    for (bool more = config.Get_First_Group(&name, &cookie); more; more = config.Get_Next_Group(&name, &cookie))
        if (name.CmpNoCase("Answers") == 0)
            has_group = true;
    if (!has_group)
    {
        if (config.Read("Answers", &text))
            Problem(config, "Answers",
                    U("ist ein Schlüssel: die Antworten gehören in eine eigene Gruppe ") + answers_group
                        + U("; die Frage wird übergangen"));
        else
            Problem(config.Path, group,
                    U("die Gruppe ") + answers_group + U(" fehlt; die Frage wird übergangen"));
        return;
    }

    const wxString path = config.Get_Path();
    config.Set_Path("Answers");
    Check_Groups(config, {}, U("Antworten haben keine Untergruppen"));
    int answers = 0, correct = 0, unmarked = 0;
    wxString odd_marker;
    std::vector<std::pair<wxString, wxString>> other_markers;  // answer and value
    for (bool more = config.Get_First_Entry(&name, &cookie); more; more = config.Get_Next_Entry(&name, &cookie))
    {
        wxString value;
        if (name.Contains("/") || name == ".." || !config.Read(name, &value))
        {
            Problem(config, name, U("wird übergangen: der Name einer Antwort darf kein \"/\" enthalten"));
            continue;
        }
        answers++;
        const Answer_Code code = Parse_Answer_Code(value);
        if (!code.Marked)
        {
            unmarked++;
            Problem(config, name,
                    wxString::Format(U("Antwort ohne Lösungszeichen: %s zählt als falsch und wird ganz "
                                       "angezeigt; davor gehört \"1:\" (richtig) oder \"0:\" (falsch)"),
                                     Quote(value)));
        }
        else if (code.Correct)
            correct++;
        else if (!Means_Wrong(value[0]) && odd_marker.empty())
            odd_marker = value.Left(1);
        if (code.Marked && !code.Correct && value[0] != '0')
            other_markers.emplace_back(name, value);

        if (!Is_Picture_Label(code.Label))
            continue;
        if (!selftest)
        {
            Problem(config, name,
                    wxString::Format(U("Übungsseiten zeigen keine Bilder: das Kästchen zeigt den Text %s"),
                                     Quote(code.Label)));
            continue;
        }
        wxString picture = Get_Picture_Name(code.Label);
        const wxString written = picture;
        if (!config.Resolve_File(&picture))
            Problem(config, name,
                    wxString::Format(U("Bild %s nicht gefunden: die Antwort zeigt stattdessen den Text %s"),
                                     Quote(written), Quote(code.Label)));
    }
    const bool no_right_answer = answers > 0 && correct == 0 && unmarked == 0;
    if (!(no_right_answer && !odd_marker.empty()))
        for (const auto& other : other_markers)
            Problem(config, other.first,
                    wxString::Format(U("%s: das Zeichen %s vor dem Doppelpunkt markiert eine falsche Antwort, "
                                       "wie jedes Zeichen außer \"1\"; schreiben Sie \"0:\" (falsch) oder "
                                       "\"1:\" (richtig)"),
                                     Quote(other.second), Quote(other.second.Left(1))));
    if (answers == 0)
        Problem(config.Path, answers_group, U("enthält keine Antwort; die Frage wird übergangen"));
    else if (no_right_answer && !odd_marker.empty())
        Problem(config.Path, group,
                wxString::Format(U("keine Antwort ist richtig: nur \"1\" markiert eine richtige Antwort, "
                                   "hier steht %s; die Frage gilt nur ohne Kreuz als richtig beantwortet"),
                                 Quote(odd_marker)));
    else if (no_right_answer && selftest)
        // On an exercise page "none of these" is a question a teacher may
        // mean; in the timed test it waits for the clock and counts as
        // right only when nothing is ticked.
        Problem(config.Path, group,
                U("keine Antwort ist richtig (alle mit \"0:\" markiert): die Frage gilt nur als richtig "
                  "beantwortet, wenn nichts angekreuzt ist, und geht erst mit \"Weiter\" oder am Ende "
                  "der Zeit weiter; markieren Sie die richtige Antwort mit \"1:\""));
    config.Set_Path(path);
}

void Course_Checker::Check_Reflections(const wxString& path)
{
    Checked_File config;
    if (!Open(config, path))
    {
        Problem(path, wxEmptyString, U("Die Datei kann nicht gelesen werden: es gibt keine Reflektionshilfe."));
        return;
    }

    static const Key_Table top = {REFLECTION_KEYS, "an den Anfang der Datei, vor die erste Gruppe"};
    static const Key_Table topic = {TOPIC_KEYS, "in eine Gruppe (ein Thema der Reflektionshilfe)"};
    Check_Keys(config, top, {&topic});
    Check_Number(config, "MIN_LENGTH", U("es gilt 0 (keine Mindestlänge)"));
    wxString log;
    if (!config.Read("Logfile", &log) || log.empty())
        Problem(config, "Logfile", U("fehlt; die Antworten der Reflektionshilfe werden nirgends gespeichert"));
    else
        Check_Record(config, "Logfile", U("die Antworten der Reflektionshilfe"));
    m_bReflections = !config.Get_Group_Names().empty();

    const wxString home = config.Get_Path();
    const std::vector<wxString> groups = config.Get_Group_Names();
    for (const wxString& name : groups)
    {
        config.Set_Path(name);
        Check_Keys(config, topic, {&top});
        Check_Groups(config, {}, U("ein Thema der Reflektionshilfe hat keine Untergruppen"));
        wxString picture;
        Check_File(config, "Description_Img", U("statt des Bildes erscheint ein Fragezeichen"), &picture);
        config.Set_Path(home);
    }
    if (groups.empty())
        Problem(path, wxEmptyString,
                U("Die Datei enthält kein Thema (keine Gruppe): es gibt keine Reflektionshilfe."));
}
