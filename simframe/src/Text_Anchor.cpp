#include "simframe/src/Text_Anchor.h"

#include "simframe/src/Value_Mapping.h"

#include <cmath>

namespace
{
    const int Left_Top = 0x09;
    const int Hcenter = 0x02, Right = 0x04, Vcenter = 0x10, Bottom = 0x20;
    const double Degree = 0.017453292519943295;
}

bool Text_Needs_Extent(int align)
{
    return align != Left_Top;
}

void Text_Origin(int align, int x, int y, int w, int h, int& out_x, int& out_y)
{
    if (align & Hcenter)
        x -= w / 2;
    else if (align & Right)
        x -= w;
    if (align & Vcenter)
        y -= h / 2;
    else if (align & Bottom)
        y -= h;
    out_x = x;
    out_y = y;
}

void Text_Origin(int align, int x, int y, int w, int h, double angle, int& out_x, int& out_y)
{
    // a runs along the text's baseline, b from its top down to its bottom.
    const double a = angle * Degree;
    const double b = (angle - 90) * Degree;
    if (align & Hcenter)
    {
        x += Truncate_To_Int(-0.5 * w * std::cos(a));
        y += Truncate_To_Int(0.5 * w * std::sin(a));
    }
    else if (align & Right)
    {
        x -= Truncate_To_Int(w * std::cos(a));
        y += Truncate_To_Int(w * std::sin(a));
    }
    if (align & Vcenter)
    {
        x += Truncate_To_Int(-0.5 * h * std::cos(b));
        y += Truncate_To_Int(0.5 * h * std::sin(b));
    }
    else if (align & Bottom)
    {
        x -= Truncate_To_Int(h * std::cos(b));
        y += Truncate_To_Int(h * std::sin(b));
    }
    out_x = x;
    out_y = y;
}
