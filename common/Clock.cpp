#include "common/Clock.h"

namespace
{
    bool s_bFixed = false;
    wxDateTime s_Fixed;
}

wxDateTime Clock::Now()
{
    return s_bFixed ? s_Fixed : wxDateTime::UNow();
}

void Clock::Set(const wxDateTime& time)
{
    s_Fixed = time;
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
