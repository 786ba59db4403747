#include "simframe/src/Tirsal_Testing.h"

#include "common/Clock.h"
#include "common/Record_Trouble.h"

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

void Tirsal_Set_Record_Handler(void (*handler)(const wxString& path, bool written))
{
    Record_Trouble::Get().Set_Handler(handler);
}
