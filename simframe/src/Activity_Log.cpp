#include "simframe/src/Activity_Log.h"

#include "common/Record_Texts.h"
#include "common/Text_Codec.h"

wxString Activity_Log_Header(const wxDateTime& date)
{
    return Record_Text(Record_Texts::Log_Title) + "\n" + Record_Text(Record_Texts::Date_Label) + date.FormatISODate()
           + "\n" + Record_Text(Record_Texts::Simulation_Columns) + "\n\n";
}

wxString Activity_Log_Line(const wxDateTime& time, const wxString& activity, const wxString& value)
{
    return time.FormatISOTime() + "\t" + activity + "\t" + value + "\n";
}

std::string Activity_Log_Bytes(const wxArrayString& log)
{
    std::string bytes;
    for (const wxString& part : log)
        bytes += Encode_Windows_1252(part);
    return bytes;
}

bool Replaces_Last_Line(const Activity_Merge_State& state, const wxString& activity,
                        const wxDateTime& now, const wxString* last_line_activity)
{
    if (!state.bStarted || activity != state.Last_Activity)
        return false;
    // Whole seconds, truncated toward zero: 1.999 s still counts as one.
    const wxLongLong seconds = (now - state.Last_Time).GetMilliseconds() / 1000;
    if (seconds > 1)
        return false;
    // Another window may have logged the same activity last: then this
    // window's last line may record something else and must stay.
    return last_line_activity && *last_line_activity == activity;
}
