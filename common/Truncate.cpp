#include "common/Truncate.h"

#include <climits>
#include <cmath>

int Truncate_To_Int(double value)
{
    if (std::isnan(value))
        return 0;
    if (value <= double(INT_MIN))
        return INT_MIN;
    if (value >= double(INT_MAX))
        return INT_MAX;
    return int(value);
}
