#pragma once

// Hooks of the framework library for tests and hosts that need control over
// time. Not installed: the library keeps its own copy of the clock, which
// the program's and the tests' Clock cannot reach.

#include <wx/datetime.h>

#include "tirsal/Tirsal_Export.h"

/// Makes the library's clock (log times, the merge window) stand at time.
TIRSAL_API void Tirsal_Set_Clock(const wxDateTime& time);

/// Moves the library's clock forward (from the system time if none is set).
TIRSAL_API void Tirsal_Advance_Clock(const wxTimeSpan& span);

/// Back to the system clock.
TIRSAL_API void Tirsal_Use_System_Clock();

/// Forgets the last activity logged in the process, as if none had been.
TIRSAL_API void Tirsal_Reset_Activity_Merge();
