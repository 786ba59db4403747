#pragma once

#include <wx/string.h>

/// How long "Nächstes Thema frei" stays in the status bar once a minimum stay
/// is served.
constexpr int STAY_SERVED_NOTICE_MS = 5000;

/// The status-bar text of a minimum stay with left_ms still to serve: the
/// time left in whole seconds, rounded up ("Nächstes Thema in 1:25", hours in
/// front of longer stays); again when the pupil had left this stay early
/// and it began anew; "Nächstes Thema frei" once nothing is left.
wxString Stay_Countdown(int left_ms, bool again);
