#pragma once

#include <vector>
#include <wx/string.h>

#include "tirsal/Tirsal_Export.h"

class wxColour;
class wxDC;
class wxRect;

// Alignment codes of Draw_Text: combine one horizontal and one vertical
// choice with |. When both choices of a direction are set, the centre wins.
constexpr int DRAW_TEXT_LEFT = 0x01;     ///< anchor at the text's left end
constexpr int DRAW_TEXT_HCENTER = 0x02;  ///< anchor at its horizontal centre
constexpr int DRAW_TEXT_RIGHT = 0x04;    ///< anchor at its right end
constexpr int DRAW_TEXT_TOP = 0x08;      ///< anchor at its top
constexpr int DRAW_TEXT_VCENTER = 0x10;  ///< anchor at its vertical centre
constexpr int DRAW_TEXT_BOTTOM = 0x20;   ///< anchor at its bottom
constexpr int DRAW_TEXT_TOPLEFT = 0x09;  ///< at the point, without measuring

/// Draws text so that the point chosen by align lies at (x, y), in the
/// device context's current font and text colour.
TIRSAL_API void Draw_Text(wxDC& dc, int align, int x, int y, const wxString& text);

/// The same for text rotated by angle degrees counter-clockwise (90 for a
/// title that reads upwards): the anchoring follows the rotated text.
TIRSAL_API void Draw_Text(wxDC& dc, int align, int x, int y, double angle, const wxString& text);

/// Draws the labelled grid of one axis across rect in colour: horizontal
/// for the x axis (vertical lines, labels along the bottom edge), otherwise
/// the y axis (horizontal lines, labels along the left edge). ascending puts
/// min at the left or bottom, otherwise at the right or top. Lines fall on
/// round values (1, 2, 4, 8 ... times a power of ten) spaced for their
/// labels, which use a 7-point font; size is accepted and not used. Leaves
/// that pen and font selected, the text colour as it was. False, drawing
/// nothing, unless min < max (both finite) and rect is at least one pixel
/// wide and high.
TIRSAL_API bool Draw_Ruler(wxDC& dc, const wxRect& rect, bool horizontal, double min, double max,
                           bool ascending, int size, const wxColour& colour);

/// Draws values[0 .. n-1] as one line in the device context's pen: point i
/// at x = rect.x + trunc(i * sx), value v at y = rect's bottom - trunc(sy *
/// v). A y below lowest (a value under the plot) is drawn at lowest, one
/// above the device context's top edge (a value off the scale, infinity,
/// not-a-number) at -10, so the line leaves the picture there. Of many
/// points in one pixel column only those that shape the line are drawn: a
/// series far longer than the plot is wide costs a few corners per column
/// and inks the same pixels as a line from every point to the next. With n
/// above the size of values, values.size() points are drawn; fewer than two
/// draw nothing.
TIRSAL_API void Draw_Curve(wxDC& dc, const wxRect& rect, int lowest, const std::vector<double>& values,
                           int n, double sx, double sy);
