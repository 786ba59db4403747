#pragma once

#include <wx/gdicmn.h>

class wxWindow;

/// What a pupil can see of the screen that shows window: the screen less
/// the desktop's panels and docks. A dialog that is to fill the screen takes
/// this, title bar and frame included.
wxRect Visible_Screen_Area(const wxWindow* window);
