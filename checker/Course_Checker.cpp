#include "checker/Course_Checker.h"

#include "checker/Write_Obstacle.h"
#include "shell/Command_Line.h"
#include "shell/Plugin_Probe.h"
#include "simframe/src/Option_String.h"

#include <algorithm>
#include <cmath>
#include <wx/filename.h>

namespace
{
    wxString U(const char* text)
    {
        return wxString::FromUTF8(text);
    }

    // Optimal string alignment distance, ignoring case: a swapped pair of
    // letters counts as one slip.
    size_t Distance(const wxString& a_in, const wxString& b_in)
    {
        const wxString a = a_in.Lower(), b = b_in.Lower();
        const size_t n = a.length(), m = b.length();
        std::vector<std::vector<size_t>> d(n + 1, std::vector<size_t>(m + 1));
        for (size_t i = 0; i <= n; i++)
            d[i][0] = i;
        for (size_t j = 0; j <= m; j++)
            d[0][j] = j;
        for (size_t i = 1; i <= n; i++)
            for (size_t j = 1; j <= m; j++)
            {
                size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
                d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
                if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                    d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
            }
        return d[n][m];
    }

    std::vector<wxString> Names_Of(const std::vector<const char*>& names)
    {
        return std::vector<wxString>(names.begin(), names.end());
    }

    bool Contains_Name(const std::vector<const char*>& names, const wxString& name)
    {
        for (const char* known : names)
            if (name.CmpNoCase(known) == 0)
                return true;
        return false;
    }

    // The group path of the configuration without its leading "/".
    wxString Group_Of(const Checked_File& config)
    {
        wxString path = config.Get_Path();
        return path.StartsWith("/") ? path.Mid(1) : path;
    }

    wxString Normalised(const wxString& path)
    {
        wxFileName name(path);
        name.Normalize(wxPATH_NORM_DOTS | wxPATH_NORM_ABSOLUTE | wxPATH_NORM_TILDE);
        return name.GetFullPath();
    }

    // Keys by group; the start file's keys are all at its top.
    const std::vector<const char*> START_KEYS = {"THEMES", "DOLOG", "LOGFILE", "NOTEPADSHOW",
                                                 "NOTEPADFILE", "FONTSIZE"};
    const std::vector<const char*> GENERAL_KEYS = {"Name", "TimeOut", "Glossar", "Selftest",
                                                   "Selftest_Time", "Reflections"};
    const std::vector<const char*> EXERCISE_KEYS = {"Text_Okay", "Text_Failed", "Show",
                                                    "Button_Show", "Button_Reset"};
    const std::vector<const char*> THEME_KEYS = {"Name", "Hint", "TimeOut", "Content", "Simulation",
                                                 "Simulation_Opts", "Simulation_Log", "Tasks",
                                                 "Exercises"};
}

wxString Course_Checker::Closest_Name(const wxString& name, const std::vector<wxString>& names)
{
    wxString best;
    size_t best_distance = 3;
    for (const wxString& candidate : names)
    {
        size_t distance = Distance(name, candidate);
        if (distance < best_distance && distance <= std::max<size_t>(1, candidate.length() / 5))
        {
            best = candidate;
            best_distance = distance;
        }
    }
    return best;
}

int Check_Course(const wxString& path, FILE* out)
{
    Course_Checker checker;
    Course_Checker::Result result = checker.Check(path);
    for (const wxString& line : checker.Get_Lines())
        fprintf(out, "%s\n", (const char*)line.utf8_str());
    fflush(out);
    return result;
}

Course_Checker::Course_Checker()
{
}

Course_Checker::~Course_Checker()
{
}

Course_Checker::Result Course_Checker::Check(const wxString& path)
{
    wxFileName name(path);
    name.Normalize(wxPATH_NORM_DOTS | wxPATH_NORM_ABSOLUTE | wxPATH_NORM_TILDE);
    m_Checked = name.GetFullPath();
    m_pReport.reset(new Check_Report(name.GetPath(wxPATH_GET_VOLUME | wxPATH_GET_SEPARATOR)));
    m_Done.clear();
    m_Seen.clear();
    m_Probes.clear();
    m_bGlossary = false;
    m_Glossary_Labels.clear();
    m_Glossary_Titles.clear();
    m_No_Glossary = Held_Problem();
    m_Dead_Glossary_Links = 0;
    m_First_Dead_Link.clear();
    m_bReflections = false;
    m_Default_TimeOut = 0;
    m_Theme_File.clear();
    m_Themes.clear();
    m_Course_Dirs.assign(1, name.GetPath(wxPATH_GET_VOLUME | wxPATH_GET_SEPARATOR));
    m_Records.clear();

    Checked_File config;
    config.Open(m_Checked);
    config.Path = m_Checked;
    if (!config.Is_Open())
    {
        m_pReport->Add(m_Checked, wxEmptyString,
                       U("Die Datei kann nicht gelesen werden (gibt es sie, und ist sie eine Datei?)."));
        return m_Result = Unreadable;
    }
    if (Command_Line::Is_Start_File(m_Checked))
    {
        m_pReport->Note_File(m_Checked);
        m_Done.insert(m_Checked);
        Check_Start_File(config);
    }
    else
    {
        config.Close();
        Check_Theme_File(m_Checked);
    }
    Check_Record_Places();
    Report_Missing_Glossary();
    return m_Result = m_pReport->Count() == 0 ? Clean : Problems;
}

std::vector<wxString> Course_Checker::Get_Lines() const
{
    std::vector<wxString> lines;
    if (!m_pReport)
        return lines;
    lines = m_pReport->Lines();
    if (m_Result == Unreadable)
        lines.push_back(U("Nicht geprüft: ") + m_Checked);
    else
        lines.push_back(m_pReport->Summary(m_Checked));
    return lines;
}

void Course_Checker::Check_Start_File(Checked_File& config)
{
    // As the main window reads them: THEMES, DOLOG, LOGFILE, NOTEPADSHOW,
    // NOTEPADFILE, the theme file, FONTSIZE.
    static const Key_Table start = {START_KEYS, "in die Datei sim_corvena.ini"};
    static const Key_Table general = {GENERAL_KEYS, "in die Themendatei, Gruppe [General]"};
    static const Key_Table theme = {THEME_KEYS, "in die Themendatei, in eine Gruppe unter [Themes]"};
    Check_Keys(config, start, {&general, &theme});
    Check_Groups(config, {}, U("sim_corvena.ini hat keine Gruppen; alle Einstellungen stehen "
                               "ohne Gruppe am Anfang der Datei"));

    wxString themes;
    if (!config.Read("THEMES", &themes))
        Problem(config, "THEMES", U("fehlt; das Programm fragt beim Start nach der Themendatei"));
    else
        Check_File(config, "THEMES", U("das Programm fragt beim Start nach der Themendatei"), &themes);

    // Records beside the theme file are inside the course as well.
    wxString theme_file;
    if (config.Read_File("THEMES", &theme_file))
        m_Course_Dirs.push_back(wxFileName(theme_file).GetPath(wxPATH_GET_VOLUME | wxPATH_GET_SEPARATOR));

    long log = 1;
    Check_Number(config, "DOLOG", U("es gilt 1 (Aufzeichnung an)"), &log);
    if (log != 0)
        Check_Record(config, "LOGFILE", U("das Aktivitätsprofil"));
    Check_Number(config, "NOTEPADSHOW", U("es gilt 0 (Notizen verborgen)"));
    Check_Record(config, "NOTEPADFILE", U("die Notizen"));

    if (!theme_file.empty())
        Check_Theme_File(theme_file);

    Check_Number(config, "FONTSIZE", U("es gilt 0"));
}

void Course_Checker::Check_Theme_File(const wxString& path)
{
    Checked_File config;
    if (!Open(config, path))
    {
        Problem(path, wxEmptyString, U("Die Datei kann nicht gelesen werden: der Kurs hat kein Thema."));
        return;
    }
    m_Theme_File = path;
    m_Course_Dirs.push_back(wxFileName(path).GetPath(wxPATH_GET_VOLUME | wxPATH_GET_SEPARATOR));

    static const Key_Table start = {START_KEYS, "in die Datei sim_corvena.ini"};
    static const Key_Table none = {{}, ""};
    Check_Keys(config, none, {&start});
    Check_Groups(config, {"General", "Themes"},
                 U("eine Themendatei liest nur die Gruppen [General] und [Themes] mit ihren "
                   "Untergruppen"));

    Check_General(config);

    config.Set_Path("/");
    if (!config.Exists("Themes"))
    {
        Problem(config.Path, wxEmptyString,
                U("Die Gruppe [Themes] fehlt: der Kurs hat kein Thema und zeigt nur die Seite "
                  "\"fehlerhafte Konfiguration\"."));
        return;
    }
    config.Set_Path("/Themes");
    Check_Theme(config, -1);
    Check_Progression();
}

void Course_Checker::Check_General(Checked_File& config)
{
    // As the catalogue reads them: the settings, then glossary, self-test
    // and reflection aid, before any theme.
    static const Key_Table general = {GENERAL_KEYS, "in die Gruppe [General]"};
    static const Key_Table exercises = {EXERCISE_KEYS, "in die Gruppe [General/Exercises]"};
    static const Key_Table theme = {THEME_KEYS, "in eine Gruppe unter [Themes]"};
    static const Key_Table start = {START_KEYS, "in die Datei sim_corvena.ini"};

    config.Set_Path("/General");
    Check_Keys(config, general, {&exercises, &theme, &start});
    Check_Groups(config, {"Exercises"}, U("in [General] gibt es nur die Untergruppe [General/Exercises]"));
    Check_Number(config, "TimeOut", U("die Themen haben keine Mindestzeit"), &m_Default_TimeOut);
    long time = 60;
    if (Check_Number(config, "Selftest_Time", U("es gilt 60"), &time) && time < 1)
        Problem(config, "Selftest_Time",
                wxString::Format(U("%ld ist zu klein: die Zeit muss mindestens 1 sein; es gilt 60"), time));

    config.Set_Path("/General/Exercises");
    Check_Keys(config, exercises, {&general, &theme});
    Check_Groups(config, {}, U("[General/Exercises] hat keine Untergruppen"));
    Check_Number(config, "Show", U("es gilt 1"));
    Check_Number(config, "Button_Show", U("es gilt 0"));
    Check_Number(config, "Button_Reset", U("es gilt 1"));
    config.Set_Path("/General");

    // Without a glossary every "glossar://" link is dead: the reason is
    // told once, at the end, with the number of links it affects.
    wxString file, why;
    if (Check_File(config, "Glossar", U("es gibt kein Lexikon"), &file, &why))
        Check_Glossary(file);
    else
        m_No_Glossary = {config.Path, Where(config, "Glossar"),
                         why.empty() ? U("fehlt: der Kurs hat kein Lexikon") : why};
    if (Check_File(config, "Selftest", U("es gibt keinen Selbsttest"), &file))
        Check_Question_File(file, true);
    if (Check_File(config, "Reflections", U("es gibt keine Reflektionshilfe"), &file))
        Check_Reflections(file);
}

void Course_Checker::Check_Theme(Checked_File& config, int parent)
{
    // As a theme builds itself: its keys, the content page, the simulation,
    // the tasks, the exercises, then its children.
    static const Key_Table theme = {THEME_KEYS, "in eine Gruppe unter [Themes]"};
    static const Key_Table general = {GENERAL_KEYS, "in die Gruppe [General]"};
    static const Key_Table exercises = {EXERCISE_KEYS, "in die Gruppe [General/Exercises]"};
    static const Key_Table start = {START_KEYS, "in die Datei sim_corvena.ini"};
    Check_Keys(config, theme, {&general, &exercises, &start});
    Theme_Node node;
    node.Group = Group_Of(config);
    config.Read("Name", &node.Name, U("Unbenannt"));
    node.bTimeOut_Key = config.Exists("TimeOut");
    node.TimeOut = m_Default_TimeOut;
    Check_Number(config, "TimeOut", U("es gilt die Mindestzeit aus [General]"), &node.TimeOut);
    node.Parent = parent;
    const int self = int(m_Themes.size());
    m_Themes.push_back(node);
    if (parent >= 0)
        m_Themes[parent].Children.push_back(self);

    wxString file;
    if (Check_File(config, "Content", U("das Thema hat keine Seite \"Inhalt\""), &file))
        Check_Page(file, Content_Page);
    Check_Simulation(config);
    if (Check_File(config, "Tasks", U("das Thema zeigt keine Aufgabe"), &file))
        Check_Page(file, Task_Page);
    if (Check_File(config, "Exercises", U("das Thema hat keine Seite \"Selbsttest\""), &file))
        Check_Question_File(file, false);

    const wxString path = config.Get_Path();
    for (const wxString& child : config.Get_Group_Names())
    {
        config.Set_Path(child);
        Check_Theme(config, self);
        config.Set_Path(path);
    }
}

const Plugin_Probe& Course_Checker::Probe(const wxString& library)
{
    std::unique_ptr<Plugin_Probe>& probe = m_Probes[library];
    if (!probe)
    {
        probe.reset(new Plugin_Probe);
        probe->Load(library);
    }
    return *probe;
}

void Course_Checker::Check_Simulation(Checked_File& config)
{
    wxString value;
    if (!config.Read("Simulation", &value))
    {
        for (const char* key : {"Simulation_Opts", "Simulation_Log"})
        {
            wxString unused;
            if (config.Read(key, &unused))
                Problem(config, key, U("wird nicht verwendet: das Thema nennt keine Simulation"));
        }
        return;
    }
    wxString library;
    config.Read_File("Simulation", &library);
    if (value.empty())
    {
        Problem(config, "Simulation", U("nennt keine Datei; das Thema hat keine Simulation"));
        return;
    }
    wxString found = library;
    if (!Plugin_Probe::Find_Library(found))
    {
        wxString text = wxString::Format(U("Datei %s nicht gefunden"), Quote(value));
        wxFileName name(library);
        wxString ext = name.GetExt().Lower();
        if (ext == "dll" || ext == "dylib")
        {
            name.SetExt("so");
            text << wxString::Format(U(", auch nicht %s"), Quote(m_pReport->Show(name.GetFullPath())));
        }
        else if (m_pReport->Show(library) != value)
            text << wxString::Format(U(" (gesucht: %s)"), Quote(m_pReport->Show(library)));
        Problem(config, "Simulation", text + U(": das Thema hat keine Simulation"));
        return;
    }

    const Plugin_Probe& probe = Probe(found);
    const wxString shown = Quote(m_pReport->Show(found));
    // A library of another system beside the one used here is worth knowing.
    if (found != library && wxFileName::FileExists(library))
        Problem(config, "Simulation",
                wxString::Format(U("%s ist keine Bibliothek dieses Systems; verwendet wird %s"),
                                 Quote(m_pReport->Show(library)), shown));
    m_Done.insert(found);
    if (!probe.Is_Loaded())
    {
        wxString why = probe.Get_Error().empty() ? U("ohne Angabe eines Grundes") : probe.Get_Error();
        Problem(config, "Simulation", wxString::Format(U("%s lässt sich nicht laden: %s"), shown, why));
        return;
    }
    if (!probe.Has_Entry_Point())
    {
        Problem(config, "Simulation",
                wxString::Format(U("%s ist kein Simulationsmodul: ihm fehlt der Einstiegspunkt "
                                   "SIM_Get_Simulation"), shown));
        return;
    }

    wxString options;
    if (config.Read("Simulation_Opts", &options) && probe.Has_Option_Keys())
        Check_Options(config, options, wxFileName(found).GetFullName(), probe);
    Check_Record(config, "Simulation_Log", U("die Aufzeichnung der Simulation"));
}

void Course_Checker::Check_Options(Checked_File& config, const wxString& options,
                                   const wxString& library, const Plugin_Probe& probe)
{
    // The plug-in looks each key up as the first "KEY=" anywhere in the
    // string, case and blanks included; items are split at ";".
    const std::vector<wxString>& keys = probe.Get_Option_Keys();
    size_t start = 0;
    while (start <= options.length())
    {
        size_t end = options.find(';', start);
        if (end == wxString::npos)
            end = options.length();
        const wxString item = options.substr(start, end - start);
        size_t item_start = start;
        start = end + 1;
        if (item.empty())
            continue;

        const int equals = item.Find('=');
        if (equals == wxNOT_FOUND)
        {
            Problem(config, "Simulation_Opts",
                    wxString::Format(U("%s hat kein \"=\" und wird nicht gelesen"), Quote(item)));
            continue;
        }
        wxString key = item.Left(equals);
        const wxString value = item.Mid(equals + 1);
        wxString bare = key;
        bare.Trim(true).Trim(false);
        const bool known = std::find(keys.begin(), keys.end(), bare) != keys.end();
        if (known && bare != key && key.EndsWith(bare))
        {
            // Blanks before a key do no harm: the search finds "KEY=" inside
            // the item all the same.
            item_start += key.length() - bare.length();
            key = bare;
        }
        else if (known && bare != key)
        {
            const std::map<wxString, Plugin_Probe::Number>& numbers = probe.Get_Option_Numbers();
            const auto number = numbers.find(bare);
            wxString text = wxString::Format(
                U("%s: zwischen %s und \"=\" steht ein Leerzeichen, darum findet %s den Schlüssel "
                  "nicht und nimmt die Vorgabe"),
                Quote(item), Quote(bare), library);
            if (number != numbers.end())
                text << " " << bare << "=" << number->second.Default;
            text << wxString::Format(U("; schreiben Sie %s"), Quote(bare + "=" + wxString(value).Trim(false)));
            Problem(config, "Simulation_Opts", text);
            continue;
        }
        if (!known)
        {
            wxString text = wxString::Format(U("%s ist kein Schlüssel von %s"), Quote(key), library);
            wxString closest = Closest_Name(key, keys);
            if (!closest.empty() && closest.CmpNoCase(key) == 0 && closest != key)
                text << wxString::Format(U(" (gemeint ist wohl %s: Groß- und Kleinschreibung zählt)"),
                                         Quote(closest));
            else if (!closest.empty())
                text << wxString::Format(U(" (gemeint ist wohl %s)"), Quote(closest));
            Problem(config, "Simulation_Opts", text);
            continue;
        }
        const size_t first = options.find(key + "=");
        if (first != item_start)
        {
            // The text before holds "KEY=" already: in a longer key, in a
            // value, or in an earlier item of the same key.
            size_t other_start = options.rfind(';', first);
            other_start = other_start == wxString::npos ? 0 : other_start + 1;
            wxString other = options.substr(other_start, options.find(';', first) - other_start);
            wxString other_bare = other;
            if (other_start == first || other_bare.Trim(false).StartsWith(key + "="))
                Problem(config, "Simulation_Opts",
                        wxString::Format(U("%s steht mehrmals da: es gilt nur der erste Wert, %s"),
                                         Quote(key), Quote(other)));
            else
                Problem(config, "Simulation_Opts",
                        wxString::Format(U("%s wird nicht gelesen: \"%s=\" steht schon vorher in %s"),
                                         Quote(item), key, Quote(other)));
            continue;
        }
        if (value.empty())
            Problem(config, "Simulation_Opts",
                    wxString::Format(U("%s hat keinen Wert: es gilt die Vorgabe"), Quote(key)));
        else
            Check_Option_Number(config, options, library, key, item, value, probe);
    }
}

void Course_Checker::Check_Option_Number(Checked_File& config, const wxString& options, const wxString& library,
                                         const wxString& key, const wxString& item, const wxString& value,
                                         const Plugin_Probe& probe)
{
    // Read as the window reads it: in the classic locale, the whole value.
    const std::map<wxString, Plugin_Probe::Number>& numbers = probe.Get_Option_Numbers();
    const auto number = numbers.find(key);
    if (number == numbers.end())
        return;
    // P of a family P, P_MIN, P_MAX, P_SHOW starts a field of the settings
    // column unless P_SHOW=0; a field shows whole numbers (a percentage as
    // a whole percent) and cuts off the rest.
    const std::vector<wxString>& keys = probe.Get_Option_Keys();
    auto is_key = [&keys](const wxString& name) { return std::find(keys.begin(), keys.end(), name) != keys.end(); };
    const auto shown = numbers.find(key + "_SHOW");
    int show = 0;
    wxString show_text;
    if (shown != numbers.end())
        Option_To_Int(shown->second.Default, show);
    if (Find_Option(options, (key + "_SHOW").utf8_str(), show_text))
        Option_To_Int(show_text, show);
    const bool field = is_key(key + "_MIN") && is_key(key + "_MAX") && show != 0;
    auto whole = [&key](double v) {
        const double low = std::trunc(v);
        wxString text = Quote(key + "=" + wxString::FromCDouble(low));
        if (low != v)
            text << U(" oder ") << Quote(key + "=" + wxString::FromCDouble(low + (v < 0 ? -1 : 1)));
        return text;
    };
    int whole_number;
    double decimal;
    if (number->second.bWhole ? Option_To_Int(value, whole_number) : Option_To_Double(value, decimal))
    {
        if (!number->second.bWhole && field && decimal != std::trunc(decimal))
            Problem(config, "Simulation_Opts",
                    wxString::Format(U("%s: das Feld zeigt nur ganze Zahlen und beginnt mit %s; schreiben Sie %s"),
                                     Quote(item), wxString::FromCDouble(std::trunc(decimal)), whole(decimal)));
        return;
    }

    wxString comma = value;
    wxString trimmed = value;
    trimmed.Trim(true);
    wxString why;
    if (comma.Replace(",", ".") > 0 && Option_To_Double(comma, decimal))
        why = field ? wxString::Format(U("%s ist keine Zahl, und das Feld zeigt nur ganze Zahlen: schreiben Sie %s"),
                                       Quote(value), whole(decimal))
                    : wxString::Format(U("%s ist keine Zahl: Dezimalzahlen schreiben sich mit Punkt, %s"),
                                       Quote(value), Quote(key + "=" + comma));
    else if (trimmed != value && Option_To_Double(trimmed, decimal))
        why = wxString::Format(U("nach der Zahl %s steht ein Leerzeichen, so ist sie keine"), Quote(trimmed));
    else if (number->second.bWhole && Option_To_Double(value, decimal))
        why = wxString::Format(U("%s ist keine ganze Zahl"), Quote(value));
    else
        why = wxString::Format(U("%s ist keine Zahl"), Quote(value));
    Problem(config, "Simulation_Opts",
            wxString::Format(U("%s: %s; %s nimmt die Vorgabe %s"), Quote(item), why, library,
                             key + "=" + number->second.Default));
}

bool Course_Checker::Open(Checked_File& config, const wxString& path)
{
    m_pReport->Note_File(path);
    m_Done.insert(path);
    config.Path = path;
    if (!config.Open(path))
        return false;
    return true;
}

bool Course_Checker::First_Time(const wxString& path, const char* use)
{
    return m_Seen.insert(wxString(use) + ":" + path).second;
}

void Course_Checker::Check_Keys(Checked_File& config, const Key_Table& known,
                                const std::vector<const Key_Table*>& elsewhere)
{
    wxString name;
    long cookie;
    std::vector<wxString> names = Names_Of(known.Names);
    for (bool more = config.Get_First_Entry(&name, &cookie); more; more = config.Get_Next_Entry(&name, &cookie))
    {
        if (Contains_Name(known.Names, name))
            continue;
        wxString text = config.Get_Path() == "/" && known.Names.empty()
                            ? U("steht vor der ersten Gruppe und wird nicht gelesen")
                            : U("unbekannter Schlüssel; er wird nicht gelesen");
        wxString closest = Closest_Name(name, names);
        if (!closest.empty())
            text << wxString::Format(U(" (gemeint ist wohl %s)"), Quote(closest));
        else
            for (const Key_Table* table : elsewhere)
                if (Contains_Name(table->Names, name))
                {
                    text << wxString::Format(U(" (gehört %s)"), U(table->Place));
                    break;
                }
        Problem(config, name, text);
    }
}

void Course_Checker::Check_Groups(Checked_File& config, const std::vector<const char*>& known,
                                  const wxString& why)
{
    wxString name;
    long cookie;
    std::vector<wxString> names = Names_Of(known);
    const wxString path = config.Get_Path();
    for (bool more = config.Get_First_Group(&name, &cookie); more; more = config.Get_Next_Group(&name, &cookie))
    {
        if (Contains_Name(known, name))
            continue;
        const wxString group = "[" + (path == "/" ? name : Group_Of(config) + "/" + name) + "]";
        wxString text = U("Gruppe wird nicht gelesen: ") + why;
        wxString closest = Closest_Name(name, names);
        if (!closest.empty())
            text << wxString::Format(U(" (gemeint ist wohl [%s])"),
                                     path == "/" ? closest : Group_Of(config) + "/" + closest);
        Problem(config.Path, group, text);
    }
}

bool Course_Checker::Check_Number(Checked_File& config, const wxString& key, const wxString& otherwise,
                                  long* value)
{
    wxString text;
    if (!config.Read(key, &text))
        return false;
    long number;
    if (!config.Read(key, &number))
    {
        Problem(config, key, wxString::Format(U("%s ist keine ganze Zahl und wird übergangen; %s"),
                                              Quote(text), otherwise));
        return false;
    }
    if (value)
        *value = number;
    return true;
}

bool Course_Checker::Check_File(Checked_File& config, const wxString& key, const wxString& consequence,
                                wxString* path, wxString* problem)
{
    wxString value;
    if (!config.Read(key, &value))
        return false;
    if (value.empty())
    {
        if (problem)
            *problem = U("nennt keine Datei; ") + consequence;
        else
            Problem(config, key, U("nennt keine Datei; ") + consequence);
        return false;
    }
    wxString resolved;
    if (config.Read_File(key, &resolved))
    {
        *path = resolved;
        return true;
    }
    wxString text;
    if (wxFileName::DirExists(resolved))
        text = wxString::Format(U("%s ist ein Ordner, keine Datei"), Quote(value));
    else
    {
        text = wxString::Format(U("Datei %s nicht gefunden"), Quote(value));
        if (m_pReport->Show(resolved) != value)
            text << wxString::Format(U(" (gesucht: %s)"), Quote(m_pReport->Show(resolved)));
    }
    if (problem)
        *problem = text + ": " + consequence;
    else
        Problem(config, key, text + ": " + consequence);
    return false;
}

void Course_Checker::Check_Record(Checked_File& config, const wxString& key, const wxString& what)
{
    wxString path;
    config.Read_File(key, &path);
    if (path.empty())
        return;
    const Write_Obstacle obstacle = Write_Obstacle::Find(path);
    const wxString where = Quote(m_pReport->Show(obstacle.Where));
    wxString text;
    switch (obstacle.What)
    {
    case Write_Obstacle::None:
        break;
    case Write_Obstacle::Is_Folder:
        text = wxString::Format(U("%s ist ein Ordner; hier gehört ein Dateiname hin"), where);
        break;
    case Write_Obstacle::Read_Only_File:
        text = wxString::Format(U("%s darf nicht beschrieben werden (keine Schreibrechte)"), where);
        break;
    case Write_Obstacle::Below_File:
        text = wxString::Format(U("%s ist eine Datei, kein Ordner, darin kann nichts gespeichert werden"),
                                where);
        break;
    case Write_Obstacle::Read_Only_Folder:
        text = wxString::Format(U("im Ordner %s darf nichts angelegt werden (keine Schreibrechte)"), where);
        break;
    }
    if (!text.empty())
    {
        Problem(config, key, text + "; " + what + U(" geht verloren"));
        return;
    }

    const wxString normal = Normalised(path);
    for (const Record& record : m_Records)
        if (record.Path == normal)
        {
            Problem(config, key,
                    wxString::Format(U("dieselbe Datei wie %s in %s: eine Aufzeichnung überschreibt "
                                       "die andere"),
                                     record.Where, Quote(m_pReport->Show(record.File))));
            return;
        }
    wxString written;
    config.Read(key, &written);
    m_Records.push_back({normal, config.Path, Where(config, key), written});
}

void Course_Checker::Check_Record_Places()
{
    for (const Record& record : m_Records)
    {
        // A record written over a course file destroys the course.
        if (m_Done.count(record.Path))
        {
            Problem(record.File, record.Where,
                    wxString::Format(U("die Aufzeichnung würde die Kursdatei %s überschreiben"),
                                     Quote(m_pReport->Show(record.Path))));
            continue;
        }
        // Inside the course every pupil who starts it from a shared folder
        // writes the same file, or nothing where the folder is read-only.
        for (const wxString& dir : m_Course_Dirs)
            if (record.Path.StartsWith(dir))
            {
                Problem(record.File, record.Where,
                        wxString::Format(U("%s liegt im Kursordner: liegt der Kurs in einem gemeinsamen "
                                           "Ordner, schreiben alle Schülerinnen und Schüler in diese eine "
                                           "Datei (oder, ohne Schreibrecht, gar nicht); schreiben Sie einen "
                                           "Ort im eigenen Ordner, etwa %s"),
                                         Quote(record.Written), Quote(Own_Place(record.Path))));
                break;
            }
    }
}

wxString Course_Checker::Own_Place(const wxString& record) const
{
    // As a new course places its records: a folder of the pupil's own named
    // after the course's folder.
    const wxArrayString dirs = wxFileName(m_Checked).GetDirs();
    const wxString course = dirs.empty() ? wxString() : dirs.Last() + "/";
    return "~/Sim-Corvena/" + course + wxFileName(record).GetFullName();
}

void Course_Checker::Report_Missing_Glossary()
{
    if (m_No_Glossary.Text.empty() || (m_Dead_Glossary_Links == 0 && m_No_Glossary.Text.StartsWith(U("fehlt"))))
        return;
    wxString text = m_No_Glossary.Text;
    if (m_Dead_Glossary_Links == 1)
        text << wxString::Format(U("; darum führt der Verweis %s ins Leere"), m_First_Dead_Link);
    else if (m_Dead_Glossary_Links > 1)
        text << wxString::Format(U("; darum führen %d Verweise \"glossar://…\" ins Leere, zuerst %s"),
                                 m_Dead_Glossary_Links, m_First_Dead_Link);
    Problem(m_No_Glossary.File, m_No_Glossary.Where, text);
}

int Course_Checker::Prev_Theme(int theme) const
{
    // As the navigation finds the item before: the previous sibling, or its
    // last child when it has children (one level only), or the parent.
    const int parent = m_Themes[theme].Parent;
    if (parent < 0)
        return -1;
    const std::vector<int>& siblings = m_Themes[parent].Children;
    const size_t at = std::find(siblings.begin(), siblings.end(), theme) - siblings.begin();
    if (at == 0)
        return parent;
    const int prev = siblings[at - 1];
    return m_Themes[prev].Children.empty() ? prev : m_Themes[prev].Children.back();
}

void Course_Checker::Check_Progression()
{
    if (m_Themes.empty())
        return;
    auto locked = [this](int theme) {
        const int prev = Prev_Theme(theme);
        return prev >= 0 && m_Themes[prev].TimeOut > 0;
    };
    auto timeout_where = [](const Theme_Node& theme) {
        return "[" + theme.Group + "] TimeOut";
    };
    auto missing = [](const Theme_Node& theme) {
        return theme.bTimeOut_Key ? wxString::Format(U("ist %ld"), theme.TimeOut) : U("fehlt");
    };

    // The lock looks one item back only: after a locked theme, in the order
    // of the tree, an item whose item before has no minimum stay opens at
    // once, and the pupil skips what is still locked in front of it.
    int locked_before = -1;
    for (size_t i = 0; i < m_Themes.size(); i++)
    {
        if (locked(int(i)))
        {
            locked_before = int(i);
            continue;
        }
        if (locked_before < 0)
            continue;
        const Theme_Node& before = m_Themes[Prev_Theme(int(i))];
        Problem(m_Theme_File, timeout_where(before),
                wxString::Format(U("%s: darum lässt sich %s aus der Navigation öffnen, solange %s noch "
                                   "gesperrt ist, und überspringt so die Mindestzeit davor; ein TimeOut hier "
                                   "(etwa TimeOut=30) hält es gesperrt, bis %s so lange offen war"),
                                 missing(before), Quote(m_Themes[i].Name), Quote(m_Themes[locked_before].Name),
                                 Quote(before.Name)));
    }

    // The reflection aid opens when the minimum stay of the theme just
    // before the glossary, the last one of the tree, has been served.
    if (!m_bReflections)
        return;
    int last = 0;
    while (!m_Themes[last].Children.empty())
        last = m_Themes[last].Children.back();
    if (!m_bGlossary)
        Problem(m_Theme_File, "[General] Reflections",
                U("die Reflektionshilfe wird nie freigeschaltet: sie wird frei, wenn die Mindestzeit "
                  "des letzten Themas vor dem \"Lexikon\" abgelaufen ist, und ohne Lexikon folgt "
                  "dem letzten Thema nichts; nennen Sie unter Glossar ein Lexikon"));
    else if (m_Themes[last].TimeOut <= 0)
        Problem(m_Theme_File, timeout_where(m_Themes[last]),
                wxString::Format(U("%s: die Reflektionshilfe wird nie freigeschaltet; sie wird frei, wenn "
                                   "die Mindestzeit von %s, dem letzten Thema vor dem \"Lexikon\", "
                                   "abgelaufen ist: schreiben Sie hier TimeOut= mit den Sekunden"),
                                 missing(m_Themes[last]), Quote(m_Themes[last].Name)));
}

void Course_Checker::Problem(const Checked_File& config, const wxString& key, const wxString& text)
{
    Problem(config.Path, Where(config, key), text);
}

void Course_Checker::Problem(const wxString& file, const wxString& where, const wxString& text)
{
    m_pReport->Add(file, where, text);
}

wxString Course_Checker::Where(const Checked_File& config, const wxString& key)
{
    const wxString group = Group_Of(config);
    return group.empty() ? key : "[" + group + "] " + key;
}

wxString Course_Checker::Quote(const wxString& text)
{
    return "\"" + text + "\"";
}
