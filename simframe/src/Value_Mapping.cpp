#include "simframe/src/Value_Mapping.h"

#include <cmath>

Value_Range Checked_Range(double min, double max)
{
    Value_Range range;
    // The difference is the divisor of every mapping and is multiplied by
    // the percent position: it must be non-zero and stay finite times 100
    // (which also rejects not-a-number and infinite ends).
    const double span = max - min;
    if (!std::isfinite(span * 100) || span == 0.0)
        return range;
    range.Min = min;
    range.Max = max;
    return range;
}

int Percent_Position(double value, const Value_Range& range)
{
    const double position = (value - range.Min) * 100 / (range.Max - range.Min);
    // Held in double first: converting a position far outside 0..100 (or a
    // not-a-number) to int would be undefined.
    if (!(position > 0.0))
        return 0;
    if (position >= 100.0)
        return 100;
    return int(position);
}

double Percent_Value(int position, const Value_Range& range)
{
    return range.Min + position * (range.Max - range.Min) * 0.01;
}

int Whole_Number_Position(double value, const Value_Range& range)
{
    // Held between the smaller and the larger end: for a reversed range,
    // comparing with Min first and Max second would move every value inside
    // the range to Min.
    const double low = range.Min < range.Max ? range.Min : range.Max;
    const double high = range.Min < range.Max ? range.Max : range.Min;
    double shown = value;
    if (std::isnan(value))
        shown = range.Min;
    else if (value <= low)
        shown = low;
    else if (value >= high)
        shown = high;
    return Truncate_To_Int(shown);
}

void Spin_Control_Limits(double min, double max, bool percent, int& low, int& high)
{
    if (percent)
    {
        low = 0;
        high = 100;
        return;
    }
    low = Truncate_To_Int(min);
    high = Truncate_To_Int(max);
    // The toolkit refuses to create a spin control whose lower limit is
    // above its upper one; a reversed range still limits the same numbers.
    if (low > high)
    {
        const int swap = low;
        low = high;
        high = swap;
    }
}

double Value_From_Percent(double percent, double min, double max)
{
    if (max > min)
        return min + (max - min) * percent * 0.01;
    return percent;
}
