#include "activities/Screen_Area.h"

#include <wx/display.h>

wxRect Visible_Screen_Area(const wxWindow* window)
{
    return wxDisplay(window).GetClientArea();
}
