#include "checker/Course_Checker.h"

#include "checker/Write_Obstacle.h"
#include "shell/Command_Line.h"
#include "shell/Plugin_Probe.h"

#include <algorithm>
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

    // The name among names that name is most likely a slip for, or empty:
    // one slip, or two in a long name.
    wxString Closest_Name(const wxString& name, const std::vector<wxString>& names)
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
    Check_Record_Collisions();
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

    long log = 1;
    Check_Number(config, "DOLOG", U("es gilt 1 (Aufzeichnung an)"), &log);
    if (log != 0)
        Check_Record(config, "LOGFILE", U("das Aktivitätsprofil"));
    Check_Number(config, "NOTEPADSHOW", U("es gilt 0 (Notizen verborgen)"));
    Check_Record(config, "NOTEPADFILE", U("die Notizen"));

    wxString theme_file;
    if (config.Read_File("THEMES", &theme_file))
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
    Check_Theme(config);
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
    Check_Number(config, "TimeOut", U("die Themen haben keine Mindestzeit"));
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

    wxString file;
    if (Check_File(config, "Glossar", U("es gibt kein Lexikon"), &file))
        Check_Glossary(file);
    if (Check_File(config, "Selftest", U("es gibt keinen Selbsttest"), &file))
        Check_Question_File(file, true);
    if (Check_File(config, "Reflections", U("es gibt keine Reflektionshilfe"), &file))
        Check_Reflections(file);
}

void Course_Checker::Check_Theme(Checked_File& config)
{
    // As a theme builds itself: its keys, the content page, the simulation,
    // the tasks, the exercises, then its children.
    static const Key_Table theme = {THEME_KEYS, "in eine Gruppe unter [Themes]"};
    static const Key_Table general = {GENERAL_KEYS, "in die Gruppe [General]"};
    static const Key_Table exercises = {EXERCISE_KEYS, "in die Gruppe [General/Exercises]"};
    static const Key_Table start = {START_KEYS, "in die Datei sim_corvena.ini"};
    Check_Keys(config, theme, {&general, &exercises, &start});
    Check_Number(config, "TimeOut", U("es gilt die Mindestzeit aus [General]"));

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
        Check_Theme(config);
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
        Check_Options(config, options, wxFileName(found).GetFullName(), probe.Get_Option_Keys());
    Check_Record(config, "Simulation_Log", U("die Aufzeichnung der Simulation"));
}

void Course_Checker::Check_Options(Checked_File& config, const wxString& options,
                                   const wxString& library, const std::vector<wxString>& keys)
{
    // The plug-in looks each key up as the first "KEY=" anywhere in the
    // string, case and blanks included; items are split at ";".
    size_t start = 0;
    while (start <= options.length())
    {
        size_t end = options.find(';', start);
        if (end == wxString::npos)
            end = options.length();
        const wxString item = options.substr(start, end - start);
        const size_t item_start = start;
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
        const wxString key = item.Left(equals);
        if (std::find(keys.begin(), keys.end(), key) == keys.end())
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
            if (other_start == first)
                Problem(config, "Simulation_Opts",
                        wxString::Format(U("%s steht mehrmals da: es gilt nur der erste Wert, %s"),
                                         Quote(key), Quote(other)));
            else
                Problem(config, "Simulation_Opts",
                        wxString::Format(U("%s wird nicht gelesen: \"%s=\" steht schon vorher in %s"),
                                         Quote(item), key, Quote(other)));
            continue;
        }
        if (item.length() == size_t(equals) + 1)
            Problem(config, "Simulation_Opts",
                    wxString::Format(U("%s hat keinen Wert: es gilt die Vorgabe"), Quote(key)));
    }
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
                                wxString* path)
{
    wxString value;
    if (!config.Read(key, &value))
        return false;
    if (value.empty())
    {
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
    m_Records.push_back({normal, config.Path, Where(config, key)});
}

void Course_Checker::Check_Record_Collisions()
{
    // A record written over a course file destroys the course.
    for (const Record& record : m_Records)
        if (m_Done.count(record.Path))
            Problem(record.File, record.Where,
                    wxString::Format(U("die Aufzeichnung würde die Kursdatei %s überschreiben"),
                                     Quote(m_pReport->Show(record.Path))));
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
