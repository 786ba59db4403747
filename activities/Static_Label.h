#pragma once

#include <wx/string.h>

class wxStaticText;
class wxWindow;

/// A static text on parent showing text, measured in the font it inherits.
/// (GTK measures a label given at creation in the default font, so a larger
/// inherited font would cut its end off.)
wxStaticText* New_Static_Label(wxWindow* parent, const wxString& text);

/// text broken into lines at blanks so that each fits width pixels in the
/// font of window (a word longer than that stays whole).
wxString Wrapped_Text(wxWindow* window, const wxString& text, int width);
