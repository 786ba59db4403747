#pragma once

// Hooks of the framework library for tests and hosts that need control over
// time or over the simulation logs. Not installed: the library keeps its own copy
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

/// Starts the simulation log at path for a window that comes later (its
/// earlier run kept, the header written now), as its window's Set_Log_File
/// would; the window joins it. Nothing for an empty path.
TIRSAL_API void Tirsal_Hold_Log(const wxString& path);

/// Ends the hold of Tirsal_Hold_Log on path. With withdraw (no window
/// came), the log is removed when nobody else uses or wrote to it.
TIRSAL_API void Tirsal_Release_Log(const wxString& path, bool withdraw);
