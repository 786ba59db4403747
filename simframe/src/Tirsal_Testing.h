#pragma once

// Hooks of the framework library for tests and hosts that need control over
// time or hear about records. Not installed: the library keeps its own copy
// of the clock and of Record_Trouble, which the program's cannot reach.

#include <wx/datetime.h>

#include "tirsal/Tirsal_Export.h"

/// Makes the library's clock (log times, the merge window) stand at time.
TIRSAL_API void Tirsal_Set_Clock(const wxDateTime& time);

/// Moves the library's clock forward (from the system time if none is set).
TIRSAL_API void Tirsal_Advance_Clock(const wxTimeSpan& span);

/// Back to the system clock.
TIRSAL_API void Tirsal_Use_System_Clock();

/// Hands the library's reports on simulation logs (written or not, see
/// Record_Trouble) to handler; null keeps them in the library, which then
/// notes failures on standard error only.
TIRSAL_API void Tirsal_Set_Record_Handler(void (*handler)(const wxString& path, bool written));

/// Forgets the last activity logged in the process, as if none had been.
TIRSAL_API void Tirsal_Reset_Activity_Merge();
