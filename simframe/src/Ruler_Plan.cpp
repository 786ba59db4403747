#include "simframe/src/Ruler_Plan.h"

#include "simframe/src/Value_Mapping.h"

#include <cmath>

wxString Ruler_Label(double value, int decimals)
{
    return wxString::FromCDouble(value, decimals);
}

namespace
{
    // Where the first line goes: the first multiple of step not below min.
    double First_Value(double min, double step)
    {
        double v = std::floor(min / step) * step;
        if (v < min)
            v += step;
        return v;
    }
}

bool Plan_Ruler(const Ruler_Box& box, bool horizontal, double min, double max, bool ascending,
                const Ruler_Measure& measure, Ruler_Plan& plan)
{
    if (!(min < max) || box.Width < 1 || box.Height < 1)
        return false;
    const double range = max - min;
    if (!std::isfinite(min) || !std::isfinite(max) || !std::isfinite(range))
        return false;

    const double length = horizontal ? box.Width : box.Height;
    const double scale = length / range;
    // A range so small that its pixels per unit overflow.
    if (!std::isfinite(scale))
        return false;

    const int k = int(std::floor(std::log10(range))) - 1;
    double step = std::pow(10.0, k);
    // A range near the smallest double has no power of ten below it.
    if (!(step > 0.0) || !std::isfinite(step))
        return false;
    const int decimals = step < 1 ? -k : 0;

    int label_width = 0, label_height = 0;
    measure(Ruler_Label(max, decimals), label_width, label_height);
    const double spacing = 2.0 * label_width + 4;

    // Each doubling doubles the pixel distance, so this ends after a few
    // rounds; a step that overflows to infinity ends it too.
    while (step * scale < spacing && std::isfinite(step))
        step *= 2;
    if (!std::isfinite(step))
        return false;

    Ruler_Plan result;
    result.Decimals = decimals;
    result.Step = step;
    // The start step is above a hundredth of the range and only grows, so
    // there are at most 101 lines (and fewer where v stops advancing).
    for (double v = First_Value(min, step); v <= max;)
    {
        if (v >= min)
        {
            Ruler_Line line;
            line.Value = v;
            line.Label = Ruler_Label(v, decimals);
            double pos = (v - min) * scale;
            if (!ascending)
                pos = length - pos;
            if (horizontal)
            {
                const double x = box.X + pos;
                line.From_X = line.To_X = Truncate_To_Int(x);
                line.From_Y = box.Y + box.Height;
                line.To_Y = box.Y;
                line.Label_X = Truncate_To_Int(x + 4);
                line.Label_Y = box.Y + box.Height - (label_height + 4);
            }
            else
            {
                const double y = box.Y + box.Height - pos;
                line.From_X = box.X;
                line.To_X = box.X + box.Width;
                line.From_Y = line.To_Y = Truncate_To_Int(y);
                line.Label_X = box.X + 4;
                line.Label_Y = Truncate_To_Int(y - (label_height + 4));
            }
            result.Lines.push_back(line);
        }
        // Far from zero a small step can fall below the resolution of v;
        // then v would stay where it is for ever.
        const double next = v + step;
        if (!(next > v))
            break;
        v = next;
    }
    plan = std::move(result);
    return true;
}
