#pragma once

#include <wx/icon.h>

/// The window icon, drawn in code: three overlapping outlined squares (red
/// lower left, navy top, yellow right), each with a white highlight stripe,
/// on a transparent 32 x 32 background.
wxIcon Make_Frame_Icon();
