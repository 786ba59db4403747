#include "report/Class_Report.h"

#include "common/Record_File.h"
#include "report/Class_Overview.h"
#include "report/Course_Items.h"
#include "report/Record_Reader.h"
#include "report/Report_Charts.h"
#include "report/Report_Page.h"
#include "report/Report_Tables.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <wx/filename.h>

namespace fs = std::filesystem;

namespace
{
    // Enough for the first lines of any record; records beyond the largest
    // size are refused rather than read into memory.
    constexpr size_t Head_Size = 64 * 1024;
    constexpr size_t Largest_Record = 64u << 20;

    wxString U(const char* text)
    {
        return wxString::FromUTF8(text);
    }

    wxString From_Path(const fs::path& path)
    {
        return wxString(path.c_str(), *wxConvFileName);
    }

    fs::path To_Path(const wxString& path)
    {
        return fs::path(std::string(path.fn_str()));
    }

    wxString Absolute(const wxString& path)
    {
        wxFileName name = wxFileName::DirName(path);
        name.Normalize(wxPATH_NORM_DOTS | wxPATH_NORM_ABSOLUTE | wxPATH_NORM_TILDE);
        wxString full = name.GetPath();
        return full.empty() ? wxString("/") : full;
    }

    wxString Quoted(const wxString& text)
    {
        return U("„") + text + U("“");
    }

    wxString Reason(int error)
    {
        switch (error)
        {
        case ENOENT: return U("nicht vorhanden");
        case ENOTDIR: return U("kein Ordner");
        case EACCES:
        case EPERM: return U("keine Berechtigung");
        case ENOSPC:
        case EDQUOT: return U("kein Platz mehr auf dem Datenträger");
        case EROFS: return U("der Datenträger ist schreibgeschützt");
        case EIO: return U("Lesefehler des Datenträgers");
        default: return wxString::Format(U("Fehler %d (%s)"), error, strerror(error));
        }
    }

    // Up to limit bytes of the file at path; false with *error set.
    bool Read_Bytes(const fs::path& path, size_t limit, std::string* bytes, int* error)
    {
        const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return *error = errno, false;
        bytes->clear();
        char buffer[1 << 16];
        while (bytes->size() < limit)
        {
            const ssize_t got = read(fd, buffer, std::min(sizeof buffer, limit - bytes->size()));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
            {
                *error = errno;
                close(fd);
                return false;
            }
            if (got == 0)
                break;
            bytes->append(buffer, size_t(got));
        }
        close(fd);
        return true;
    }

    // "aktivitaet-2026-12-07_14-16-27" is an earlier run of "aktivitaet".
    wxString Without_Run_Stamp(const wxString& stem)
    {
        static const char pattern[] = "-0000-00-00_00-00-00";
        const size_t n = sizeof pattern - 1;
        if (stem.length() <= n)
            return stem;
        for (size_t i = 0; i < n; i++)
        {
            const wxUniChar c = stem[stem.length() - n + i];
            if (pattern[i] == '0' ? !(c >= '0' && c <= '9') : c != pattern[i])
                return stem;
        }
        return stem.Left(stem.length() - n);
    }

    struct Found_Record
    {
        fs::path Path;
        wxString File, Pupil;
        std::string Start;
        Record_Kind Kind;
    };

    bool Pupil_Before(const wxString& a, const wxString& b)
    {
        const int folded = a.CmpNoCase(b);
        return folded != 0 ? folded < 0 : a < b;
    }

    // Everything below the class folder: the records, and what was passed over.
    class Folder_Walk
    {
    public:
        Folder_Walk(const fs::path& out) : m_Out(out), m_Staging_Prefix("." + out.filename().string() + ".neu-") {}

        void Walk(const fs::path& dir, const fs::path& relative)
        {
            std::error_code ec;
            std::vector<fs::directory_entry> entries;
            for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
                entries.push_back(*it);
            if (ec)
                Pass(relative.empty() ? "." : From_Path(relative), U("Ordner nicht lesbar: ") + Reason(ec.value()),
                     true);
            std::sort(entries.begin(), entries.end(),
                      [](const fs::directory_entry& a, const fs::directory_entry& b) { return a.path() < b.path(); });
            for (const fs::directory_entry& entry : entries)
                Look_At(entry, relative / entry.path().filename());
        }

        std::vector<Found_Record> Records;
        std::vector<Passed_File> Passed;

    private:
        void Pass(const wxString& file, const wxString& reason, bool failure)
        {
            Passed.push_back({file, reason, failure});
        }

        void Look_At(const fs::directory_entry& entry, const fs::path& relative)
        {
            std::error_code ec;
            const fs::file_status status = entry.symlink_status(ec);
            const wxString shown = From_Path(relative);
            if (fs::is_symlink(status))
                return Pass(shown, U("Verknüpfung; ihr wird nicht gefolgt"), false);
            if (fs::is_directory(status))
            {
                const std::string name = entry.path().filename().string();
                if (name.compare(0, m_Staging_Prefix.size(), m_Staging_Prefix) == 0
                    || fs::equivalent(entry.path(), m_Out, ec))
                    return;
                return Walk(entry.path(), relative);
            }
            if (!fs::is_regular_file(status))
                return Pass(shown, U("keine gewöhnliche Datei"), false);
            std::string head;
            int error = 0;
            if (!Read_Bytes(entry.path(), Head_Size, &head, &error))
                return Pass(shown, U("nicht lesbar: ") + Reason(error), true);
            const Record_Kind kind = Recognise_Record(head);
            if (kind == Record_Kind::None)
                return Pass(shown, U("keine Aufzeichnung"), false);
            const wxString pupil = relative.has_parent_path() ? From_Path(relative.parent_path())
                                                              : Without_Run_Stamp(From_Path(relative.stem()));
            Records.push_back({entry.path(), shown, pupil, Record_Start(head, kind), kind});
        }

        fs::path m_Out;
        std::string m_Staging_Prefix;
    };

    wxString Line_Numbers(const std::vector<size_t>& lines)
    {
        wxString text = lines.size() == 1 ? U("Zeile ") : U("Zeilen ");
        for (size_t i = 0; i < lines.size() && i < 10; i++)
            text << (i ? ", " : "") << lines[i];
        if (lines.size() > 10)
            text << U(" und ") << lines.size() - 10 << U(" weitere");
        return text + (lines.size() == 1 ? U(" passt") : U(" passen"));
    }

    void Add_Items(std::vector<Item_Time>& into, const std::vector<Item_Time>& items)
    {
        for (const Item_Time& item : items)
        {
            auto it = std::find_if(into.begin(), into.end(), [&](const Item_Time& i) { return i.Item == item.Item; });
            if (it == into.end())
                into.push_back(item);
            else
            {
                it->Visits += item.Visits;
                it->Seconds += item.Seconds;
            }
        }
    }

    // Reads the records one by one into the tables and the overview.
    class Record_Gatherer
    {
    public:
        Record_Gatherer(Class_Overview& overview, Report_Tables& tables, const Course_Items* course)
            : m_Overview(overview), m_Tables(tables), m_pCourse(course)
        {
        }

        void Read(const Found_Record& record)
        {
            if (m_Overview.Pupils.empty() || m_Overview.Pupils.back().Name != record.Pupil)
            {
                m_Overview.Pupils.emplace_back();
                m_Overview.Pupils.back().Name = record.Pupil;
            }
            Pupil_Overview& pupil = m_Overview.Pupils.back();
            std::string bytes;
            int error = 0;
            if (!Read_Bytes(record.Path, Largest_Record + 1, &bytes, &error))
                return Fail(record, U("nicht lesbar: ") + Reason(error));
            if (bytes.size() > Largest_Record)
                return Fail(record, U("zu groß für eine Aufzeichnung (über 64 MB)"));
            const wxString text = Decode_Record(std::move(bytes));
            std::vector<size_t> bad;
            bool read = false;
            if (record.Kind == Record_Kind::Activity_Log)
            {
                Activity_Log log;
                if ((read = Read_Activity_Log(text, &log)))
                    Add_Session(pupil, record, log);
                bad = log.Bad_Lines;
            }
            else if (record.Kind == Record_Kind::Simulation_Log)
            {
                Simulation_Log log;
                if ((read = Read_Simulation_Log(text, &log)))
                {
                    m_Tables.Add_Simulation(pupil.Name, record.File, log);
                    pupil.Simulation_Logs++;
                    pupil.Simulation_Entries += log.Entries.size();
                }
                bad = log.Bad_Lines;
            }
            else
            {
                Reflection_Answers answers;
                if ((read = Read_Reflection_Answers(text, &answers)))
                {
                    m_Tables.Add_Reflection(pupil.Name, record.File, answers);
                    pupil.Ratings.clear();
                    for (const Reflection_Topic& topic : answers.Topics)
                        pupil.Ratings.emplace_back(topic.Topic, wxString(topic.Rating).Trim());
                }
                bad = answers.Bad_Lines;
            }
            if (!read)
                Fail(record, U("die Kopfzeilen sind nicht lesbar"));
            else if (!bad.empty())
                Fail(record, U("nur zum Teil gelesen: ") + Line_Numbers(bad) + U(" nicht zum Aufbau"));
        }

        void Finish()
        {
            for (auto& [source, exercise] : m_Exercises)
            {
                exercise.first.Pupils = int(exercise.second.size());
                m_Overview.Exercises.push_back(exercise.first);
            }
            // The course's order first, then what the course does not name.
            if (m_pCourse)
                std::stable_sort(m_Overview.Item_Order.begin(), m_Overview.Item_Order.end(),
                                 [&](const wxString& a, const wxString& b) { return Rank(a) < Rank(b); });
        }

    private:
        size_t Rank(const wxString& item) const
        {
            return size_t(std::find(m_pCourse->Labels.begin(), m_pCourse->Labels.end(), item)
                          - m_pCourse->Labels.begin());
        }

        void Fail(const Found_Record& record, const wxString& reason)
        {
            m_Overview.Passed.push_back({record.File, reason, true});
        }

        void Add_Session(Pupil_Overview& pupil, const Found_Record& record, const Activity_Log& log)
        {
            Session_Summary summary = Summarise_Session(log, m_pCourse);
            m_Tables.Add_Session(pupil.Name, record.File, log, summary);
            std::vector<Judged_Answer>().swap(summary.Answers);  // written: the overview keeps no rows
            if (std::find(m_Overview.Courses.begin(), m_Overview.Courses.end(), log.Course) == m_Overview.Courses.end())
                m_Overview.Courses.push_back(log.Course);
            for (const Item_Time& item : summary.Items)
                if (std::find(m_Overview.Item_Order.begin(), m_Overview.Item_Order.end(), item.Item)
                    == m_Overview.Item_Order.end())
                    m_Overview.Item_Order.push_back(item.Item);
            Add_Items(pupil.Items, summary.Items);
            if (summary.Selftest_Questions >= 0)
            {
                pupil.Selftest_Questions = summary.Selftest_Questions;
                pupil.Selftest_Right = summary.Selftest_Right;
            }
            for (const Exercise_Tally& tally : summary.Exercises)
            {
                auto& [exercise, pupils] = m_Exercises[tally.Source];
                exercise.Source = tally.Source;
                if (m_pCourse && m_pCourse->Exercises.count(tally.Source))
                    exercise.Theme = m_pCourse->Exercises.at(tally.Source);
                exercise.Checks += tally.Checks;
                exercise.Right += tally.Right;
                exercise.Solutions += tally.Solutions;
                if (tally.Checks > 0)
                    pupils.insert(pupil.Name);
            }
            m_Overview.Unknown_Lines += summary.Unknown_Lines;
            pupil.Sessions.push_back({record.File, log.Date, std::move(summary)});
        }

        Class_Overview& m_Overview;
        Report_Tables& m_Tables;
        const Course_Items* m_pCourse;
        std::map<wxString, std::pair<Exercise_Overview, std::set<wxString>>> m_Exercises;
    };

    bool Is_Empty_Directory(const fs::path& path)
    {
        std::error_code ec;
        return fs::is_directory(path, ec) && fs::is_empty(path, ec) && !ec;
    }

    // Puts the finished report where the old one was, in one step where
    // the file system can swap two folders.
    bool Put_In_Place(const fs::path& staging, const fs::path& out, int* error)
    {
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(out, ec)) || Is_Empty_Directory(out))
        {
            if (rename(staging.c_str(), out.c_str()) == 0)
                return true;
        }
        else if (renameat2(AT_FDCWD, staging.c_str(), AT_FDCWD, out.c_str(), RENAME_EXCHANGE) == 0)
        {
            fs::remove_all(staging, ec);
            return true;
        }
        else if (errno == EINVAL || errno == ENOSYS)
        {
            const fs::path old = staging.string() + ".alt";
            if (rename(out.c_str(), old.c_str()) == 0)
            {
                if (rename(staging.c_str(), out.c_str()) == 0)
                    return fs::remove_all(old, ec), true;
                *error = errno;
                rename(old.c_str(), out.c_str());
                return false;
            }
        }
        *error = errno;
        return false;
    }
}

wxString Report_Folder(const Report_Request& request)
{
    return request.Out.empty() ? Absolute(request.Folder) + "/Auswertung" : Absolute(request.Out);
}

bool Is_Earlier_Report(const wxString& path)
{
    const fs::path dir = To_Path(path);
    std::error_code ec;
    if (!fs::is_regular_file(dir / "bericht.html", ec))
        return false;
    std::set<std::string> ours(std::begin(Report_Table_Files), std::end(Report_Table_Files));
    ours.insert({"bericht.html", Time_Chart_File, Selftest_Chart_File});
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        if (!ours.count(it->path().filename().string()) || !it->is_regular_file(ec))
            return false;
    return !ec;
}

Report_Result Write_Class_Report(const Report_Request& request)
{
    Report_Result result;
    const wxString folder = Absolute(request.Folder);
    result.Out = Report_Folder(request);
    auto fail = [&](const wxString& message) {
        result.What = Report_Result::Not_Written;
        result.Message = message;
        return result;
    };
    auto not_written = [&](const wxString& why) {
        return fail(U("Die Auswertung kann nicht nach ") + Quoted(result.Out) + U(" geschrieben werden: ") + why
                    + ".");
    };

    const fs::path class_dir = To_Path(folder), out = To_Path(result.Out);
    struct stat st;
    if (stat(class_dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || access(class_dir.c_str(), R_OK | X_OK) != 0)
    {
        const int error = stat(class_dir.c_str(), &st) != 0 ? errno : !S_ISDIR(st.st_mode) ? ENOTDIR : EACCES;
        return fail(U("Der Klassenordner ") + Quoted(folder) + U(" kann nicht gelesen werden: ") + Reason(error) + ".");
    }
    Course_Items course;
    if (!request.Course.empty() && !Read_Course_Items(request.Course, &course))
        return fail(U("Der Kurs ") + Quoted(request.Course) + U(" kann nicht gelesen werden."));

    std::error_code ec;
    const fs::file_status out_status = fs::symlink_status(out, ec);
    if (fs::exists(out_status) && !fs::is_directory(out_status))
        return not_written(U("dort liegt eine Datei"));
    const wxString class_prefix = folder.EndsWith("/") ? folder : folder + "/";
    if (result.Out == folder || class_prefix.StartsWith(result.Out + "/"))
        return not_written(U("es ist der Klassenordner oder ein Ordner über ihm"));
    if (fs::exists(out_status) && !Is_Empty_Directory(out) && !Is_Earlier_Report(result.Out))
        return not_written(U("der Ordner enthält andere Dateien als eine frühere Auswertung; sie bleiben, wie sie "
                             "sind. Bitte den Ordner umbenennen oder verschieben"));

    Folder_Walk walk(out);
    walk.Walk(class_dir, fs::path());
    std::stable_sort(walk.Records.begin(), walk.Records.end(), [](const Found_Record& a, const Found_Record& b) {
        if (a.Pupil != b.Pupil)
            return Pupil_Before(a.Pupil, b.Pupil);
        if (a.Kind != b.Kind)
            return a.Kind < b.Kind;
        return a.Start != b.Start ? a.Start < b.Start : a.File < b.File;
    });

    // Everything is written into a folder of its own beside the report's
    // and put in its place once it is whole.
    if (!Make_Parent_Directories(result.Out + "/x"))
        return not_written(Reason(errno));
    std::string staging = (out.parent_path() / ("." + out.filename().string() + ".neu-XXXXXX")).string();
    if (!mkdtemp(&staging[0]))
        return not_written(Reason(errno));
    const mode_t mask = umask(0);
    umask(mask);
    chmod(staging.c_str(), 0777 & ~mask);
    const wxString staged = From_Path(staging) + "/";

    Class_Overview overview;
    overview.Folder = folder;
    overview.Course_Path = request.Course;
    overview.Passed = walk.Passed;
    Report_Tables tables;
    int error = 0;
    bool written = tables.Open(staged) || (error = errno, false);
    if (written)
    {
        Record_Gatherer gatherer(overview, tables, request.Course.empty() ? nullptr : &course);
        for (const Found_Record& record : walk.Records)
            gatherer.Read(record);
        gatherer.Finish();
        std::stable_sort(overview.Passed.begin(), overview.Passed.end(),
                         [](const Passed_File& a, const Passed_File& b) { return a.Failure > b.Failure; });
        written = (tables.Close() && Draw_Time_Chart(overview, staged + Time_Chart_File)
                   && Draw_Selftest_Chart(overview, staged + Selftest_Chart_File)
                   && Write_Report_Page(overview, staged + "bericht.html"))
                  || (error = errno, false);
    }
    if (!written || !Put_In_Place(staging, out, &error))
    {
        fs::remove_all(staging, ec);
        return not_written(Reason(error ? error : EIO));
    }

    size_t sessions = 0, failures = 0;
    for (const Pupil_Overview& pupil : overview.Pupils)
        sessions += pupil.Sessions.size();
    for (const Passed_File& passed : overview.Passed)
        failures += passed.Failure;
    result.What = failures ? Report_Result::Unread : Report_Result::Complete;
    result.Message = wxString::Format(U("Auswertung geschrieben: %s (Schüler: %zu, Sitzungen: %zu, übergangene "
                                        "Dateien: %zu, davon nicht lesbar: %zu)."),
                                      result.Out + "/bericht.html", overview.Pupils.size(), sessions,
                                      overview.Passed.size(), failures);
    for (const Passed_File& passed : overview.Passed)
        if (passed.Failure)
            result.Message << "\n" << U("Nicht gelesen: ") << passed.File << ": " << passed.Reason;
    return result;
}

int Report_Class(const Report_Request& request, FILE* out, FILE* err)
{
    const Report_Result result = Write_Class_Report(request);
    fprintf(result.What == Report_Result::Not_Written ? err : out, "%s\n", (const char*)result.Message.utf8_str());
    return result.What;
}
