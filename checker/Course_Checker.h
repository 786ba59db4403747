#pragma once

#include "checker/Check_Report.h"
#include "shell/CSim_Config.h"

#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <vector>
#include <wx/string.h>

class Plugin_Probe;

/// A course INI file open for checking, with the path the report names.
class Checked_File : public CSim_Config
{
public:
    wxString Path;
};

/// Checks the course at path (a "sim_corvena.ini" or a theme file) without
/// opening a window and writes one German line per problem to out. Returns
/// 0 without problems, 1 with problems, 2 when path cannot be read.
int Check_Course(const wxString& path, FILE* out);

/// Reads a course the way the program does, through the program's own
/// readers, and reports everything the program would pass over in silence:
/// missing files, unknown keys, numbers that are none, plug-ins that do not
/// load, links that lead nowhere, questions that cannot be answered right,
/// records that cannot be written. It changes nothing on disk.
class Course_Checker
{
public:
    enum Result
    {
        Clean = 0,
        Problems = 1,
        Unreadable = 2
    };

    Course_Checker();
    ~Course_Checker();

    /// Checks the course at path. A start file is told from a theme file as
    /// the command line does it.
    Result Check(const wxString& path);

    /// The problem lines, then the summary line.
    std::vector<wxString> Get_Lines() const;

private:
    /// The names of a group's keys, and where a key of that name belongs
    /// when it turns up elsewhere.
    struct Key_Table
    {
        std::vector<const char*> Names;
        const char* Place;
    };

    /// How a page's relative references are found by the window showing it.
    enum Page_Kind
    {
        Content_Page,   ///< against the page's own directory
        Task_Page,      ///< only in the forms the task rewriting makes absolute
        Glossary_Page   ///< not at all: the glossary marker gives absolute paths
    };

    // The start file and the theme file (Course_Checker.cpp).
    void Check_Start_File(Checked_File& config);
    void Check_Theme_File(const wxString& path);
    void Check_General(Checked_File& config);
    void Check_Theme(Checked_File& config, int parent);
    void Check_Simulation(Checked_File& config);
    void Check_Options(Checked_File& config, const wxString& options, const wxString& library,
                       const Plugin_Probe& probe);
    void Check_Option_Number(Checked_File& config, const wxString& options, const wxString& library,
                             const wxString& key, const wxString& item, const wxString& value,
                             const Plugin_Probe& probe);
    /// The minimum stays, once the whole tree is known: themes that open
    /// while one in front of them is locked, a reflection aid never unlocked.
    void Check_Progression();
    const Plugin_Probe& Probe(const wxString& library);

    // Exercises, self-test, glossary and reflection aid
    // (Course_Checker_Activities.cpp).
    void Check_Glossary(const wxString& path);
    void Check_Question_File(const wxString& path, bool selftest);
    void Check_Question(Checked_File& config, bool selftest);
    void Check_Reflections(const wxString& path);

    // Content and task pages (Course_Checker_Pages.cpp).
    void Check_Page(const wxString& path, Page_Kind kind);
    void Check_References(const wxString& file, const wxString& where, const wxString& text,
                          Page_Kind kind, const wxString& directory);
    void Check_Reference(const wxString& file, const wxString& where, const wxString& shown,
                         const wxString& attribute, const wxString& value, Page_Kind kind,
                         const wxString& directory);

    // What every file needs.
    bool Open(Checked_File& config, const wxString& path);
    bool First_Time(const wxString& path, const char* use);
    void Check_Keys(Checked_File& config, const Key_Table& known,
                    const std::vector<const Key_Table*>& elsewhere);
    void Check_Groups(Checked_File& config, const std::vector<const char*>& known,
                      const wxString& why);
    bool Check_Number(Checked_File& config, const wxString& key, const wxString& otherwise,
                      long* value = nullptr);
    /// An input file named by key: true and *path when it exists; otherwise
    /// a problem that ends with what its absence means, reported or, with
    /// problem given, handed back.
    bool Check_File(Checked_File& config, const wxString& key, const wxString& consequence,
                    wxString* path, wxString* problem = nullptr);
    /// A record file named by key (what: the record) that must be writable
    /// and no other record's file.
    void Check_Record(Checked_File& config, const wxString& key, const wxString& what);
    /// Records over course files, and records every pupil would share.
    void Check_Record_Places();
    /// The reason there is no glossary, once, with the links it leaves dead.
    void Report_Missing_Glossary();

    void Problem(const Checked_File& config, const wxString& key, const wxString& text);
    void Problem(const wxString& file, const wxString& where, const wxString& text);
    static wxString Where(const Checked_File& config, const wxString& key);
    /// The name among names that name is most likely a slip for, or empty:
    /// one slip, or two in a long name; case is ignored.
    static wxString Closest_Name(const wxString& name, const std::vector<wxString>& names);
    /// A value or a name quoted for a message.
    static wxString Quote(const wxString& text);

    struct Record
    {
        wxString Path;
        wxString File;
        wxString Where;
        wxString Written;  // the value as the course writes it
    };

    /// A theme as the navigation tree holds it.
    struct Theme_Node
    {
        wxString Group;
        wxString Name;
        bool bTimeOut_Key = false;
        long TimeOut = 0;  // seconds, the default applied
        int Parent = -1;
        std::vector<int> Children;
    };
    int Prev_Theme(int theme) const;

    /// Where the record at path belongs instead: below the pupil's own
    /// folder, in one for this course.
    wxString Own_Place(const wxString& record) const;

    /// A problem held back until the check ends: the file, group and key,
    /// and what to say.
    struct Held_Problem
    {
        wxString File;
        wxString Where;
        wxString Text;
    };

    std::unique_ptr<Check_Report> m_pReport;
    wxString m_Checked;
    Result m_Result = Clean;
    std::set<wxString> m_Done;                       // course files read
    std::set<wxString> m_Seen;                       // files checked, by how they are used
    std::map<wxString, std::unique_ptr<Plugin_Probe>> m_Probes;
    bool m_bGlossary = false;
    std::vector<wxString> m_Glossary_Labels;
    std::vector<std::pair<wxString, wxString>> m_Glossary_Titles;  // entry title, its page
    Held_Problem m_No_Glossary;       // why there is none; empty while unknown
    int m_Dead_Glossary_Links = 0;
    wxString m_First_Dead_Link;
    bool m_bReflections = false;
    long m_Default_TimeOut = 0;
    wxString m_Theme_File;
    std::vector<Theme_Node> m_Themes;
    std::vector<wxString> m_Course_Dirs;  // with a trailing "/"
    std::vector<Record> m_Records;
};
