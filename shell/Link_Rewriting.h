#pragma once

#include <wx/string.h>

// Teachers write links and pictures next to their pages as "./name". The
// HTML windows get the page text, not the file, so such references are made
// absolute against the page's directory (dir: absolute, no trailing "/").

/// Content pages: every href="./ becomes href="file://DIR/. Returns how many
/// references were rewritten.
int Rewrite_Content_Links(wxString& text, const wxString& dir);

/// Task texts: href="./ and href="../ become file URLs, src="./ and src="../
/// become absolute paths.
void Rewrite_Task_Links(wxString& text, const wxString& dir);

/// The largest font size given to an HTML page, in points.
const int MAX_FONT_POINTS = 1000;

/// The seven HTML font sizes (8 to 20 points in steps of 2) moved by offset,
/// none below 4 points and none above MAX_FONT_POINTS.
void Html_Font_Sizes(int offset, int sizes[7]);
