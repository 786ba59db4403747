#pragma once

#include "common/Truncate.h"

// The arithmetic behind the value controls: a range of doubles laid over the
// toolkit's whole-number slider and spin control. Percent positions run from
// 0 to 100 over the range; whole-number mode shows the value itself.

/// The range a value control keeps. Min and Max are never equal; Max below
/// Min maps the control in reverse.
struct Value_Range
{
    double Min = 0.0;
    double Max = 1.0;
};

/// min to max, or 0 to 1 when the range is empty or cannot be measured
/// (equal ends, a not-a-number or infinite end, or ends so far apart that
/// a hundred times their difference overflows).
Value_Range Checked_Range(double min, double max);


/// The percent position (0 to 100) that value takes in range: the exact
/// position truncated toward zero, then held to 0..100.
int Percent_Position(double value, const Value_Range& range);

/// The value that a percent position stands for.
double Percent_Value(int position, const Value_Range& range);

/// The whole number a spin control in whole-number mode shows for value:
/// value held between the two ends of the range, truncated toward zero.
/// Not-a-number shows Min.
int Whole_Number_Position(double value, const Value_Range& range);

/// The integer range of a spin control: 0 to 100 in percent mode, otherwise
/// min and max truncated toward zero, smaller end first.
void Spin_Control_Limits(double min, double max, bool percent, int& low, int& high);

/// A value given as a percentage of min..max, as the slider builder takes it;
/// value unchanged unless max > min.
double Value_From_Percent(double percent, double min, double max);
