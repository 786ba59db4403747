#include "report/Record_Reader.h"

#include "common/Record_Texts.h"
#include "common/Text_Codec.h"

#include <algorithm>

using namespace Record_Texts;

namespace
{
    // The first count lines of bytes, without their CR and without a
    // byte-order mark before the first.
    std::vector<std::string> First_Lines(const std::string& bytes, size_t count)
    {
        std::vector<std::string> lines;
        size_t start = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
        while (lines.size() < count && start <= bytes.size())
        {
            size_t end = bytes.find('\n', start);
            std::string line = bytes.substr(start, end == std::string::npos ? std::string::npos : end - start);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines.push_back(line);
            if (end == std::string::npos)
                break;
            start = end + 1;
        }
        return lines;
    }

    // The lines of a decoded text; a line feed at the very end ends the
    // last line and opens none.
    std::vector<wxString> Lines_Of(const wxString& text)
    {
        std::vector<wxString> lines;
        size_t start = 0;
        while (start < text.length())
        {
            size_t end = text.find('\n', start);
            if (end == wxString::npos)
                end = text.length();
            lines.push_back(text.substr(start, end - start));
            start = end + 1;
        }
        return lines;
    }

    // Reads count digits at text[*at]; moves *at past them.
    bool Digits(const wxString& text, size_t* at, size_t count, long* value)
    {
        *value = 0;
        size_t i = *at;
        for (; i < text.length() && (count == 0 || i < *at + count) && text[i] >= '0' && text[i] <= '9'; i++)
        {
            if (*value > 100000000)
                return false;
            *value = *value * 10 + (text[i] - '0');
        }
        bool ok = i > *at && (count == 0 || i == *at + count);
        *at = i;
        return ok;
    }

    // "H:MM:SS" with any number of hour digits, perhaps negative when the
    // clock was set back.
    bool Parse_Span(const wxString& text, long* seconds)
    {
        size_t at = !text.empty() && text[0] == '-' ? 1 : 0;
        long h, m, s;
        if (!Digits(text, &at, 0, &h) || at >= text.length() || text[at++] != ':' || !Digits(text, &at, 2, &m)
            || at >= text.length() || text[at++] != ':' || !Digits(text, &at, 2, &s) || at != text.length()
            || m > 59 || s > 59)
            return false;
        *seconds = (h * 3600 + m * 60 + s) * (text[0] == '-' ? -1 : 1);
        return true;
    }
}

Record_Kind Recognise_Record(const std::string& head)
{
    const std::vector<std::string> lines = First_Lines(head, 4);
    // Compared as bytes: the head may end inside a character.
    auto is = [&](size_t i, const char* text) {
        return i < lines.size() && (lines[i] == text || lines[i] == Encode_Windows_1252(Record_Text(text)));
    };
    if (is(1, Log_Title) && is(3, Activity_Columns))
        return Record_Kind::Activity_Log;
    if (is(0, Log_Title) && is(2, Simulation_Columns))
        return Record_Kind::Simulation_Log;
    if (is(0, Answers_Title))
        return Record_Kind::Reflection_Answers;
    return Record_Kind::None;
}

std::string Record_Start(const std::string& head, Record_Kind kind)
{
    const std::vector<std::string> lines = First_Lines(head, 5);
    const size_t date = kind == Record_Kind::Activity_Log ? 2 : 1;
    const std::string label = Date_Label;
    if (kind == Record_Kind::Reflection_Answers || lines.size() <= date || lines[date].compare(0, label.size(), label))
        return std::string();
    return lines[date].substr(label.size()) + (lines.size() > 4 ? " " + lines[4].substr(0, 8) : "");
}

wxString Decode_Record(std::string bytes)
{
    Squeeze_CRLF(bytes);
    return Decode_Course_Text(bytes);
}

bool Parse_Clock_Time(const wxString& text, long* seconds)
{
    size_t at = 0;
    long h, m, s;
    if (text.length() != 8 || !Digits(text, &at, 2, &h) || text[at++] != ':' || !Digits(text, &at, 2, &m)
        || text[at++] != ':' || !Digits(text, &at, 2, &s) || h > 23 || m > 59 || s > 60)
        return false;
    *seconds = h * 3600 + m * 60 + s;
    return true;
}

wxString Format_Seconds(long seconds)
{
    return wxString::Format("%02ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60, seconds % 60);
}

bool Read_Activity_Log(const wxString& text, Activity_Log* log)
{
    const std::vector<wxString> lines = Lines_Of(text);
    if (lines.size() < 4 || lines[1] != Record_Text(Log_Title) || lines[3] != Record_Text(Activity_Columns))
        return false;
    *log = Activity_Log();
    log->Course = lines[0];
    if (!lines[2].StartsWith(Record_Text(Date_Label), &log->Date))
        log->Bad_Lines.push_back(3);
    log->Entries.reserve(lines.size() - 4);
    for (size_t i = 4; i < lines.size(); i++)
    {
        const wxString& line = lines[i];
        const size_t tab1 = line.find('\t');
        const size_t tab2 = tab1 == wxString::npos ? tab1 : line.find('\t', tab1 + 1);
        Activity_Entry entry;
        long clock;
        if (tab2 == wxString::npos || !Parse_Clock_Time(line.substr(0, tab1), &clock)
            || !Parse_Span(line.substr(tab1 + 1, tab2 - tab1 - 1), &entry.Seconds))
        {
            log->Bad_Lines.push_back(i + 1);
            continue;
        }
        entry.Time = line.substr(0, tab1);
        entry.Text = line.substr(tab2 + 1);
        log->Entries.push_back(entry);
    }
    return true;
}

bool Read_Simulation_Log(const wxString& text, Simulation_Log* log)
{
    const std::vector<wxString> lines = Lines_Of(text);
    if (lines.size() < 3 || lines[0] != Record_Text(Log_Title) || lines[2] != Record_Text(Simulation_Columns))
        return false;
    *log = Simulation_Log();
    if (!lines[1].StartsWith(Record_Text(Date_Label), &log->Date))
        log->Bad_Lines.push_back(2);
    if (lines.size() > 3 && !lines[3].empty())
        log->Bad_Lines.push_back(4);
    for (size_t i = 4; i < lines.size(); i++)
    {
        const wxString& line = lines[i];
        const size_t tab1 = line.find('\t');
        const size_t tab2 = tab1 == wxString::npos ? tab1 : line.find('\t', tab1 + 1);
        long clock;
        if (tab2 == wxString::npos || !Parse_Clock_Time(line.substr(0, tab1), &clock))
        {
            log->Bad_Lines.push_back(i + 1);
            continue;
        }
        log->Entries.push_back({line.substr(0, tab1), line.substr(tab1 + 1, tab2 - tab1 - 1), line.substr(tab2 + 1)});
    }
    return true;
}

bool Read_Reflection_Answers(const wxString& text, Reflection_Answers* answers)
{
    const wxString title = Record_Text(Answers_Title) + "\n";
    if (!text.StartsWith(title) && text != Record_Text(Answers_Title))
        return false;
    *answers = Reflection_Answers();
    auto block = [](int n) {
        return "\n" + Record_Text(Answers_Rule) + "\n" + wxString::Format(Record_Text(Answers_Heading), n) + "\n\n";
    };
    auto line_at = [&](size_t pos) { return size_t(std::count(text.begin(), text.begin() + pos, '\n')) + 1; };
    // Each topic is its block, "Thema: ", "Bewertung: " and "Erläuterung:"
    // lines and the explanation, which runs (line breaks and all) up to the
    // next topic's block or the end.
    size_t pos = title.length();
    for (int n = 1; pos < text.length(); n++)
    {
        Reflection_Topic topic;
        topic.Number = n;
        const wxString start = block(n);
        size_t at = pos + start.length();
        size_t topic_end = text.find('\n', at);
        size_t rating_end = topic_end == wxString::npos ? topic_end : text.find('\n', topic_end + 1);
        const wxString explanation = Record_Text(Answer_Explanation) + "\n";
        if (text.compare(pos, start.length(), start) != 0 || rating_end == wxString::npos
            || !text.substr(at, topic_end - at).StartsWith(Record_Text(Answer_Topic), &topic.Topic)
            || !text.substr(topic_end + 1, rating_end - topic_end - 1)
                    .StartsWith(Record_Text(Answer_Rating), &topic.Rating)
            || text.compare(rating_end + 1, explanation.length(), explanation) != 0)
        {
            answers->Bad_Lines.push_back(line_at(pos) + 1);
            break;
        }
        at = rating_end + 1 + explanation.length();
        size_t next = text.find("\n" + block(n + 1), at);
        size_t end = next == wxString::npos ? text.length() : next;
        topic.Explanation = text.substr(at, end - at);
        if (next == wxString::npos && topic.Explanation.EndsWith("\n"))
            topic.Explanation.RemoveLast();
        answers->Topics.push_back(topic);
        pos = next == wxString::npos ? text.length() : next + 1;
    }
    return true;
}
