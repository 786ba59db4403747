#include "report/Report_Tables.h"

#include "common/Csv_Cells.h"
#include "report/Session_Summary.h"

#include <cerrno>
#include <cmath>

const char* const Report_Table_Files[6] = {"sitzungen.csv", "themen.csv", "antworten.csv", "simulationen.csv",
                                           "reflexion.csv", "eintraege.csv"};

namespace
{
    std::string Text(const wxString& text)
    {
        return Csv_Text(text);
    }

    std::string Number(long number)
    {
        return std::to_string(number);
    }

    // A count that may be unknown: empty then.
    std::string Count(int number)
    {
        return number < 0 ? std::string() : Number(number);
    }

    // A simulation's value: a number with a decimal comma where it is one.
    std::string Value(const wxString& value)
    {
        double number;
        if (!value.empty() && value.ToCDouble(&number) && std::isfinite(number))
            return Csv_Short_Number(number);
        return Text(value);
    }

    // The date of each entry: the log's date, moved on where the clock
    // passed midnight, as the entries' durations say (a day of 86,400 s
    // give or take an hour for the clocks being put back).
    class Entry_Dates
    {
    public:
        explicit Entry_Dates(const wxString& date) : m_bValid(m_Date.ParseISODate(date)), m_Text(date) {}

        wxString Next(const wxString& time, long seconds)
        {
            long clock;
            if (!m_bValid || !Parse_Clock_Time(time, &clock))
                return m_Text;
            if (m_Last >= 0)
            {
                long days = std::lround(double(m_Last + std::max(0L, seconds) - clock) / 86400);
                if (days <= 0 && clock < m_Last - 3600)
                    days = 1;
                if (days > 0)
                {
                    m_Date += wxDateSpan::Days(int(days));
                    m_Text = m_Date.FormatISODate();
                }
            }
            m_Last = clock;
            return m_Text;
        }

    private:
        wxDateTime m_Date;
        bool m_bValid;
        wxString m_Text;
        long m_Last = -1;
    };
}

Csv_Table::~Csv_Table()
{
    Close();
}

bool Csv_Table::Open(const wxString& path, const std::vector<const char*>& columns)
{
    m_File = fopen(path.fn_str(), "w");
    if (!m_File)
        return false;
    setvbuf(m_File, nullptr, _IOFBF, 1 << 16);
    std::vector<std::string> header;
    for (const char* column : columns)
        header.push_back(Text(wxString::FromUTF8(column)));
    Row(header);
    return true;
}

void Csv_Table::Row(const std::vector<std::string>& cells)
{
    if (!m_File)
        return;
    std::string line;
    for (size_t i = 0; i < cells.size(); i++)
        line += (i ? ";" : "") + cells[i];
    line += '\n';
    m_bFailed |= fwrite(line.data(), 1, line.size(), m_File) != line.size();
}

bool Csv_Table::Close()
{
    if (!m_File)
        return !m_bFailed;
    m_bFailed |= ferror(m_File) != 0;
    m_bFailed |= fclose(m_File) != 0;
    m_File = nullptr;
    return !m_bFailed;
}

bool Report_Tables::Open(const wxString& dir)
{
    return m_Sessions.Open(dir + Report_Table_Files[0],
                           {"Schüler", "Datei", "Kurs", "Datum", "Beginn", "Ende", "Dauer", "Beendet",
                            "Übungen geprüft", "Übungen richtig", "Lösung angezeigt", "Selbsttest Durchgänge",
                            "Selbsttest Fragen", "Selbsttest richtig", "Reflexion abgeschlossen"})
           && m_Themes.Open(dir + Report_Table_Files[1], {"Schüler", "Datei", "Thema", "Besuche", "Zeit", "Sekunden"})
           && m_Answers.Open(dir + Report_Table_Files[2],
                             {"Schüler", "Datei", "Uhrzeit", "Art", "Quelle", "Text", "Ergebnis", "Zeit %"})
           && m_Simulations.Open(dir + Report_Table_Files[3],
                                 {"Schüler", "Datei", "Datum", "Uhrzeit", "Aktivität", "Wert"})
           && m_Reflections.Open(dir + Report_Table_Files[4],
                                 {"Schüler", "Datei", "Nr", "Thema", "Bewertung", "Erläuterung"})
           && m_Entries.Open(dir + Report_Table_Files[5],
                             {"Schüler", "Datei", "Datum", "Uhrzeit", "Dauer", "Eintrag"});
}

void Report_Tables::Add_Session(const wxString& pupil, const wxString& file, const Activity_Log& log,
                                const Session_Summary& s)
{
    const std::string who = Text(pupil), where = Text(file);
    m_Sessions.Row({who, where, Text(log.Course), Text(log.Date), Text(s.Begin), Text(s.End),
                    Text(Format_Seconds(s.Seconds)), s.Finished ? "ja" : "nein", Number(s.Checks),
                    Number(s.Checks_Right), Number(s.Solutions), Number(s.Selftest_Runs),
                    Count(s.Selftest_Questions), Count(s.Selftest_Right), Number(s.Reflections_Closed)});
    for (const Item_Time& item : s.Items)
        m_Themes.Row({who, where, Text(item.Item), Number(item.Visits), Text(Format_Seconds(item.Seconds)),
                      Number(item.Seconds)});
    for (const Judged_Answer& a : s.Answers)
        m_Answers.Row({who, where, Text(a.Time), a.Selftest ? "Selbsttest" : Text(wxString::FromUTF8("Übung")),
                       Text(a.Source), Text(a.Text), a.Right ? "richtig" : "falsch", Count(a.Percent)});
    Entry_Dates dates(log.Date);
    for (const Activity_Entry& e : log.Entries)
        m_Entries.Row({who, where, Text(dates.Next(e.Time, e.Seconds)), Text(e.Time), Number(e.Seconds),
                       Text(e.Text)});
}

void Report_Tables::Add_Simulation(const wxString& pupil, const wxString& file, const Simulation_Log& log)
{
    const std::string who = Text(pupil), where = Text(file);
    Entry_Dates dates(log.Date);
    for (const Simulation_Entry& e : log.Entries)
        m_Simulations.Row({who, where, Text(dates.Next(e.Time, 0)), Text(e.Time), Text(e.Activity), Value(e.Value)});
}

void Report_Tables::Add_Reflection(const wxString& pupil, const wxString& file, const Reflection_Answers& answers)
{
    const std::string who = Text(pupil), where = Text(file);
    for (const Reflection_Topic& topic : answers.Topics)
    {
        wxString rating = topic.Rating;
        rating.Trim();
        long number;
        m_Reflections.Row({who, where, Number(topic.Number), Text(topic.Topic),
                           rating.ToLong(&number) ? Number(number) : Text(rating), Text(topic.Explanation)});
    }
}

bool Report_Tables::Close()
{
    bool ok = m_Sessions.Close();
    for (Csv_Table* table : {&m_Themes, &m_Answers, &m_Simulations, &m_Reflections, &m_Entries})
        ok = table->Close() && ok;
    return ok;
}
