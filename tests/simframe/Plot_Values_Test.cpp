// What a plot gives out, without a window: where its curve points land and
// the cells of its values file.

#include "common/Csv_Cells.h"
#include "simframe/src/Curve_Points.h"
#include "tirsal/Plot_Export.h"

#include <gtest/gtest.h>
#include <limits>

namespace
{
    const double NaN = std::numeric_limits<double>::quiet_NaN();
}

TEST(Curve_Points, Are_Limited_Before_They_Become_Int)
{
    // 380 pixels for 1500 units on a plot whose bottom is at 380; below it a
    // point stops at lowest, 10 pixels under the window, also on plots
    // taller than 1000 pixels.
    const double sy = 380.0 / 1500, inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(Curve_Y(380, sy, 1000, 410), 380 - 253);
    EXPECT_EQ(Curve_Y(380, sy, 1501, 410), 0);  // row 0 is still inside
    EXPECT_EQ(Curve_Y(380, sy, 1600, 410), -10);
    EXPECT_EQ(Curve_Y(380, sy, inf, 410), -10);
    EXPECT_EQ(Curve_Y(380, sy, NaN, 410), -10);
    EXPECT_EQ(Curve_Y(380, sy, -1e300, 410), 410);
    EXPECT_EQ(Curve_Y(1180, 1.0, 0, 1210), 1180);
    EXPECT_EQ(Curve_Y(1180, 1.0, -200, 1210), 1210);
}

TEST(Plot_Values, Odd_Values_And_Titles_Keep_Every_Row_Intact)
{
    EXPECT_EQ(Csv_Number(1234567.5), "1234567,500000");
    EXPECT_EQ(Csv_Number(-0.25), "-0,250000");
    EXPECT_EQ(Csv_Number(1e300).find_first_of(".e"), std::string::npos);
    EXPECT_EQ(Csv_Number(std::numeric_limits<double>::infinity()), "");
    // A time axis in steps of 0.1 without the noise of binary fractions.
    EXPECT_EQ(Csv_Short_Number(3 * 0.1), "0,3");
    EXPECT_EQ(Csv_Short_Number(399 * 0.1), "39,9");
    EXPECT_EQ(Csv_Short_Number(-1e300).find_first_of(".e"), std::string::npos);

    // X_NAME comes from a course: a quote, a semicolon, a line feed and
    // characters beyond Windows-1252 neither split nor end the header. A
    // series shorter than the plot leaves its cells empty; one without a
    // reference run has no reference column.
    const std::vector<double> two = {1, 2}, three = {1, 2, 3};
    const wxString title = wxString::FromUTF8("Zeit \"t\"; Monate\n€\u2192");
    EXPECT_EQ(Plot_Values_Csv(title, 0.5, 3, {{wxString::FromUTF8("Kapazität"), &three, &two}, {"Algen", &two, nullptr}}),
              "\"Zeit \"\"t\"\"; Monate\n\x80?\";Kapazit\xE4t;Algen;Kapazit\xE4t (Ausgangsfunktion)\n"
              "0;1,000000;1,000000;1,000000\n0,5;2,000000;2,000000;2,000000\n1;3,000000;;\n");
}
