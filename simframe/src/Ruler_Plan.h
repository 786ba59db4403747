#pragma once

#include <functional>
#include <vector>
#include <wx/string.h>

// Where the grid lines and labels of one plot axis go. Computed without a
// device context, so the drawing only carries out a plan.

/// A plot rectangle in pixels.
struct Ruler_Box
{
    int X = 0, Y = 0, Width = 0, Height = 0;
};

/// One grid line across the rectangle and its label.
struct Ruler_Line
{
    double Value = 0;
    wxString Label;
    int From_X = 0, From_Y = 0, To_X = 0, To_Y = 0;
    int Label_X = 0, Label_Y = 0;  ///< top-left corner of the label
};

struct Ruler_Plan
{
    static constexpr int Font_Points = 7;  ///< size of the label font

    int Decimals = 0;  ///< decimal places of every label
    double Step = 0;   ///< distance between two grid lines in units
    std::vector<Ruler_Line> Lines;
};

/// Measures a label in the label font: width and height in pixels.
using Ruler_Measure = std::function<void(const wxString& text, int& width, int& height)>;

/// The label text of a grid value: fixed-point with decimals places, full
/// stop as separator.
wxString Ruler_Label(double value, int decimals);

/// Plans the ruler of one axis over box: horizontal for the x axis (vertical
/// lines, labels at the bottom edge), otherwise the y axis (horizontal lines,
/// labels at the left edge); ascending puts min at the left or bottom.
/// The step starts at the power of ten below a tenth of the range and
/// doubles until two lines are at least twice the label width of max plus
/// 4 pixels apart; lines lie on the multiples of the step within min..max.
/// False, with plan untouched, unless min < max with both finite and the box
/// at least one pixel wide and high; also when the range is too small or
/// too large for its step or scale to fit in a double. measure is asked
/// once, for max's label.
bool Plan_Ruler(const Ruler_Box& box, bool horizontal, double min, double max, bool ascending,
                const Ruler_Measure& measure, Ruler_Plan& plan);
