#include "common/Clock.h"

namespace
{
    bool s_bFixed = false;
    wxDateTime s_Fixed;
    wxTimeSpan s_Step;
}

wxDateTime Clock::Now()
{
    if (!s_bFixed)
        return wxDateTime::UNow();
    const wxDateTime now = s_Fixed;
    s_Fixed += s_Step;
    return now;
}

void Clock::Set(const wxDateTime& time, const wxTimeSpan& step)
{
    s_Fixed = time;
    s_Step = step;
    s_bFixed = true;
}

void Clock::Advance(const wxTimeSpan& span)
{
    if (!s_bFixed)
        Set(wxDateTime::UNow());
    s_Fixed += span;
}

void Clock::Use_System()
{
    s_bFixed = false;
}
