#pragma once

#include <wx/string.h>

class wxStaticText;
class wxWindow;

/// A static text on parent showing text, measured in the font it inherits.
/// (GTK measures a label given at creation in the default font, so a larger
/// inherited font would cut its end off.)
wxStaticText* New_Static_Label(wxWindow* parent, const wxString& text);
