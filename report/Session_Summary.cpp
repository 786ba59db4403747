#include "report/Session_Summary.h"

#include "common/Record_Texts.h"
#include "report/Course_Items.h"

#include <algorithm>
#include <set>

const char* const Selftest_Item = "Selbsttest";
const char* const Reflection_Item = "Reflektionshilfe";
const char* const Start_Item = "(Start)";

namespace
{
    using namespace Record_Texts;

    // A text the program writes, cut where its "%s" stand: the pieces
    // around them, split once.
    struct Format
    {
        explicit Format(const wxString& format)
        {
            const wxString mark = "%s";
            const size_t a = format.find(mark), b = a == wxString::npos ? a : format.find(mark, a + 2);
            Args = a == wxString::npos ? 0 : b == wxString::npos ? 1 : 2;
            Head = format.substr(0, a);
            Middle = Args == 2 ? format.substr(a + 2, b - a - 2) : wxString();
            Tail = Args == 0 ? wxString() : format.substr((Args == 2 ? b : a) + 2);
        }

        wxString Head, Middle, Tail;
        int Args;
    };

    // A judged self-test question: a head ("Zeit "), the share right-aligned
    // in three places, then the verdict with the question.
    struct Question_Format
    {
        explicit Question_Format(const char* utf8)
            : Head(Record_Text(utf8).BeforeFirst('%')), Rest("%" + Record_Text(utf8).AfterFirst('%').Mid(4))
        {
        }

        wxString Head;
        Format Rest;
    };

    // The texts the program writes itself, made once.
    struct Own_Texts
    {
        Format Started{Record_Text(Log_Started)}, Ended{Record_Text(Log_Ended)}, Page{Record_Text(Page_Opened)},
            Link{Record_Text(Link_Opened)}, Checked{Record_Text(Exercise_Checked)},
            Wrong{Record_Text(Exercise_Wrong)}, Right{Record_Text(Exercise_Right)},
            Solution{Record_Text(Exercise_Solution)}, Reset{Record_Text(Exercise_Reset)},
            Test_Started{Record_Text(Selftest_Started)}, Test_Ended{Record_Text(Selftest_Ended)},
            Test_Aborted{Record_Text(Selftest_Aborted)}, Opened{Record_Text(Reflection_Opened)},
            Closed{Record_Text(Reflection_Closed)};
        Question_Format Question_Right{Record_Texts::Question_Right}, Question_Wrong{Record_Texts::Question_Wrong};
    };

    // Whether text (from at on) is what format makes, and what stands for
    // its "%s". With two, the first takes all it can: a question may hold
    // the separator, the ticked boxes never do.
    bool Fits(const wxString& text, const Format& format, wxString* first = nullptr, wxString* second = nullptr,
              size_t at = 0)
    {
        const size_t length = text.length() - at;
        if (format.Args == 0)
            return at == 0 && text == format.Head;
        const size_t ends = format.Head.length() + format.Tail.length();
        if (length < ends || text.compare(at, format.Head.length(), format.Head) != 0
            || text.compare(text.length() - format.Tail.length(), format.Tail.length(), format.Tail) != 0)
            return false;
        const size_t from = at + format.Head.length(), count = length - ends;
        if (format.Args == 1)
        {
            if (first)
                *first = text.substr(from, count);
            return true;
        }
        if (count < format.Middle.length())
            return false;
        const size_t m = text.rfind(format.Middle, from + count - format.Middle.length());
        if (m == wxString::npos || m < from)
            return false;
        if (first)
            *first = text.substr(from, m - from);
        if (second)
            *second = text.substr(m + format.Middle.length(), from + count - m - format.Middle.length());
        return true;
    }

    enum Kind
    {
        Item, Page, Unknown, Other_Own, Checked, Wrong, Passed, Solution, Reset, Test_Started, Test_Ended,
        Test_Aborted, Question, Opened, Closed
    };

    bool Fits_Question(const Own_Texts& t, const wxString& text, bool* right, int* percent, wxString* question)
    {
        for (const Question_Format* format : {&t.Question_Right, &t.Question_Wrong})
        {
            if (!text.StartsWith(format->Head))
                continue;
            size_t at = format->Head.length();
            while (at < text.length() && text[at] == ' ')
                at++;
            long value = 0;
            const size_t digits = at;
            for (; at < text.length() && text[at] >= '0' && text[at] <= '9' && at - digits < 6; at++)
                value = value * 10 + (text[at] - '0');
            if (at > digits && Fits(text, format->Rest, question, nullptr, at))
            {
                *right = format == &t.Question_Right;
                *percent = int(value);
                return true;
            }
        }
        return false;
    }

    // What an entry is; arg receives what its text names (a file, a label,
    // a question).
    Kind Classify(const Own_Texts& t, const wxString& text, const wxString& stay, const Course_Items* course,
                  wxString* arg, bool* right, int* percent)
    {
        const std::pair<const Format*, Kind> formats[] = {
            {&t.Checked, Checked}, {&t.Wrong, Wrong}, {&t.Right, Passed}, {&t.Solution, Solution},
            {&t.Reset, Reset}, {&t.Test_Started, Test_Started}, {&t.Test_Ended, Test_Ended},
            {&t.Test_Aborted, Test_Aborted}, {&t.Opened, Opened}, {&t.Closed, Closed},
            {&t.Started, Other_Own}, {&t.Ended, Other_Own}, {&t.Link, Other_Own}};
        for (const auto& [format, kind] : formats)
            if (Fits(text, *format, arg))
                return kind;
        if (Fits_Question(t, text, right, percent, arg))
            return Question;
        wxString label;
        if (Fits(text, t.Page, &label) && label == stay)
            return Page;
        return !course || course->Is_Item(text) ? Item : Unknown;
    }

    size_t Row(Session_Summary& s, const wxString& item)
    {
        auto it = std::find_if(s.Items.begin(), s.Items.end(), [&](const Item_Time& row) { return row.Item == item; });
        if (it != s.Items.end())
            return size_t(it - s.Items.begin());
        s.Items.push_back({item});
        return s.Items.size() - 1;
    }

    // The tally of the exercise file at path (as the log quotes it).
    int Tally(Session_Summary& s, const wxString& path)
    {
        const wxString source = path.AfterLast('/').AfterLast('\\');
        for (size_t i = 0; i < s.Exercises.size(); i++)
            if (s.Exercises[i].Source == source)
                return int(i);
        s.Exercises.push_back({source});
        return int(s.Exercises.size() - 1);
    }
}

Session_Summary Summarise_Session(const Activity_Log& log, const Course_Items* course)
{
    static const Own_Texts t;
    Session_Summary s;
    if (log.Entries.empty())
        return s;
    s.Begin = log.Entries.front().Time;
    s.End = log.Entries.back().Time;
    s.Finished = Fits(log.Entries.back().Text, t.Ended);

    enum { Stay, In_Selftest, In_Reflection } mode = Stay;
    // The root theme is open when the log starts: its stay has no line.
    size_t stay = Row(s, course ? course->Root : wxString(Start_Item)), side = 0;
    s.Items[stay].Visits = 1;
    int run_questions = 0, run_right = 0;
    std::set<wxString> shown;  // exercises whose solution was shown since their last reset
    int checked = -1;  // the exercise whose check the next line judges

    for (const Activity_Entry& e : log.Entries)
    {
        wxString arg;
        bool right = false;
        int percent = 0;
        const Kind kind = Classify(t, e.Text, s.Items[stay].Item, course, &arg, &right, &percent);
        s.Unknown_Lines += kind == Unknown;
        // A self-test or reflection aid left without its closing line ends
        // before the next item is opened.
        if (kind == Item)
            mode = Stay;
        const long seconds = std::max(0L, e.Seconds);
        s.Seconds += seconds;
        s.Items[mode == Stay ? stay : side].Seconds += seconds;

        // Wrong answers and the pass follow their check directly.
        const int judged = checked;
        checked = -1;
        switch (kind)
        {
        case Item:
            stay = Row(s, e.Text);
            s.Items[stay].Visits++;
            break;
        case Checked:
            checked = Tally(s, arg);
            s.Exercises[checked].Checks++;
            s.Checks++;
            break;
        case Wrong:
            if (judged < 0)
                break;
            s.Answers.push_back({e.Time, false, s.Exercises[judged].Source, arg, false});
            checked = judged;
            break;
        case Passed:
        {
            if (judged < 0)
                break;
            // After the solution was shown the boxes hold it: such a pass is
            // not the pupil's own.
            Exercise_Tally& tally = s.Exercises[judged];
            const bool own = !shown.count(tally.Source);
            tally.Right += own;
            s.Checks_Right += own;
            s.Answers.push_back({e.Time, false, tally.Source,
                                 own ? wxString() : wxString::FromUTF8("(nach Anzeige der Lösung)"), true});
            break;
        }
        case Solution:
        {
            Exercise_Tally& tally = s.Exercises[Tally(s, arg)];
            tally.Solutions++;
            s.Solutions++;
            shown.insert(tally.Source);
            break;
        }
        case Reset:
            shown.erase(s.Exercises[Tally(s, arg)].Source);
            break;
        case Test_Started:
        case Opened:
            mode = kind == Test_Started ? In_Selftest : In_Reflection;
            side = Row(s, kind == Test_Started ? Selftest_Item : Reflection_Item);
            s.Items[side].Visits++;
            if (kind == Test_Started)
            {
                s.Selftest_Runs++;
                run_questions = run_right = 0;
            }
            break;
        case Question:
            s.Answers.push_back({e.Time, true, Selftest_Item, arg, right, percent});
            run_questions++;
            run_right += right;
            break;
        case Test_Ended:
            if (mode != In_Selftest)
                break;
            s.Selftest_Questions = run_questions;
            s.Selftest_Right = run_right;
            mode = Stay;
            break;
        case Test_Aborted:
            mode = mode == In_Selftest ? Stay : mode;
            break;
        case Closed:
            s.Reflections_Closed++;
            mode = mode == In_Reflection ? Stay : mode;
            break;
        default:
            break;
        }
    }
    return s;
}
