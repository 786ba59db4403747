// The reader of the class report on arbitrary bytes, as it meets a pupil's
// file: recognised by its first lines, decoded and read as its kind, and an
// activity log followed entry by entry. What it reads must add up: every
// line after the header is an entry or a noted bad line, the items' times
// make the run's time, nothing is right more often than it was judged, and
// an entry written back as the program writes it reads the same.

#include "report/Course_Items.h"
#include "report/Record_Reader.h"
#include "report/Session_Summary.h"
#include "tests/fuzz/Fuzz_Support.h"

#include <algorithm>

namespace
{
    void Check_Summary(const Activity_Log& log, const Course_Items* course)
    {
        const Session_Summary s = Summarise_Session(log, course);
        long seconds = 0, items = 0;
        for (const Activity_Entry& e : log.Entries)
            seconds += std::max(0L, e.Seconds);
        for (const Item_Time& item : s.Items)
            items += item.Seconds;
        FUZZ_CHECK(s.Seconds == seconds && items == seconds);
        FUZZ_CHECK(s.Checks_Right <= s.Checks && s.Selftest_Right <= s.Selftest_Questions);
        FUZZ_CHECK((s.Selftest_Questions < 0) == (s.Selftest_Right < 0));
        FUZZ_CHECK(course || s.Unknown_Lines == 0);
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const Record_Kind kind = Recognise_Record(bytes);
    Record_Start(bytes, kind);
    const wxString text = Decode_Record(bytes);
    const size_t lines = size_t(std::count(text.begin(), text.end(), '\n')) + !(text.empty() || text.EndsWith("\n"));

    Activity_Log log;
    if (Read_Activity_Log(text, &log))
    {
        const size_t header_bad = !log.Bad_Lines.empty() && log.Bad_Lines.front() == 3;
        FUZZ_CHECK(log.Entries.size() + log.Bad_Lines.size() - header_bad == lines - 4);
        wxString again = log.Course + "\nAufzeichung der Aktivit\u00e4ten\nDatum: " + log.Date
                         + "\nUhrzeit\tDauer\tAktivtit\u00e4t\n";
        for (const Activity_Entry& e : log.Entries)
            again << e.Time << "\t" << (e.Seconds < 0 ? "-" + Format_Seconds(-e.Seconds) : Format_Seconds(e.Seconds))
                  << "\t" << e.Text << "\n";
        Activity_Log back;
        FUZZ_CHECK(Read_Activity_Log(again, &back) && back.Entries.size() == log.Entries.size());
        for (size_t i = 0; i < back.Entries.size(); i++)
            FUZZ_CHECK(back.Entries[i].Text == log.Entries[i].Text && back.Entries[i].Seconds == log.Entries[i].Seconds);
        Course_Items course;
        course.Root = "Teich";
        course.Labels = {"Teich", "Nahrungsketten", "Lexikon"};
        Check_Summary(log, nullptr);
        Check_Summary(log, &course);
    }
    Simulation_Log simulation;
    if (Read_Simulation_Log(text, &simulation))
        FUZZ_CHECK(simulation.Entries.size() + simulation.Bad_Lines.size() >= (lines > 4 ? lines - 4 : 0));
    Reflection_Answers answers;
    if (Read_Reflection_Answers(text, &answers))
        for (size_t i = 0; i < answers.Topics.size(); i++)
            FUZZ_CHECK(answers.Topics[i].Number == int(i + 1));
    FUZZ_CHECK(kind != Record_Kind::Reflection_Answers || text.StartsWith("Reflektionshilfen"));
    return 0;
}
