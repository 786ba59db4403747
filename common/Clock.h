#pragma once

#include <wx/datetime.h>

/// The wall clock every time stamp and duration is taken from. Tests set the
/// time instead of waiting for it.
namespace Clock
{
    /// The current local time, to the millisecond (or the time a test set).
    wxDateTime Now();

    /// Makes Now() return the given time until Advance() or Use_System(),
    /// each reading then moving it on by step (a clock that runs between two
    /// readings).
    void Set(const wxDateTime& time, const wxTimeSpan& step = wxTimeSpan());

    /// Moves a set time forward; sets it from the system time first if none
    /// was set.
    void Advance(const wxTimeSpan& span);

    /// Back to the system clock.
    void Use_System();
}
