#include "simframe/src/Tirsal_Testing.h"

#include "common/Clock.h"

void Tirsal_Set_Clock(const wxDateTime& time)
{
    Clock::Set(time);
}

void Tirsal_Advance_Clock(const wxTimeSpan& span)
{
    Clock::Advance(span);
}

void Tirsal_Use_System_Clock()
{
    Clock::Use_System();
}
