// The values export without a window: a model run written as CSV and read
// back, and cells a spreadsheet could misread.

#include "plugins/pond/Pond_Export.h"
#include "plugins/pond/Pond_Model.h"

#include "tests/plugins/Csv_Reading.h"

#include <limits>

TEST(Pond_Export, Values_Of_Both_Runs_Read_Back_To_The_Model)
{
    Pond_Parameters start;
    start.a = 0.08;
    start.d = 0.2;
    start.Rudd_Start = 200;
    start.Pike_Start = 20;
    start.Capacity = 1000;
    Pond_Parameters changed = start;
    changed.a = 0.12;
    Pond_Series reference, current;
    reference.Resize(200);
    current.Resize(200);
    Pond_Run(reference, start, POND_SCENARIO_CONSTANT, POND_PREDATION_CLASSIC, 0.5);
    Pond_Run(current, changed, POND_SCENARIO_CONSTANT, POND_PREDATION_CLASSIC, 0.5);

    const std::string bytes = Pond_Values_Csv("Zeit [Monate]", 0.5, 200, {
        {wxString::FromUTF8("Kapazität"), &current.Capacity, &reference.Capacity},
        {"Hechte", &current.Pike, &reference.Pike},
    });
    // One Windows-1252 byte for the umlaut, line feeds only.
    EXPECT_EQ(bytes.substr(0, bytes.find('\n')), "Zeit [Monate];Kapazit\xE4t;Hechte;"
                                                 "Kapazit\xE4t (Ausgangsfunktion);Hechte (Ausgangsfunktion)");
    EXPECT_EQ(bytes.find('\r'), std::string::npos);
    const Csv_Rows rows = Read_Csv(bytes);
    Expect_Columns(rows, 0.5, {&current.Capacity, &current.Pike, &reference.Capacity, &reference.Pike});
    EXPECT_EQ(rows[2][0], "0,5");
}

TEST(Pond_Export, Odd_Values_And_Titles_Keep_Every_Row_Intact)
{
    EXPECT_EQ(Pond_Csv_Number(1234567.5), "1234567,500000");
    EXPECT_EQ(Pond_Csv_Number(-0.25), "-0,250000");
    EXPECT_EQ(Pond_Csv_Number(std::numeric_limits<double>::infinity()), "");
    const std::vector<double> huge = {1e300};
    Expect_Columns(Read_Csv(Pond_Values_Csv("t", 1, 1, {{"K", &huge, &huge}})), 1, {&huge, &huge});

    // X_NAME comes from a course: a quote, a semicolon, a line feed and a
    // character beyond the code page must neither split nor end the header.
    // A series shorter than the plot leaves its cells empty.
    const std::vector<double> two = {1, 2};
    const std::vector<double> three = {1, 2, 3};
    const wxString title = wxString::FromUTF8("Zeit \"t\"; Monate\n€\u2192");
    EXPECT_EQ(Pond_Values_Csv(title, 1.0, 3, {{"Rotfedern", &three, &two}}),
              "\"Zeit \"\"t\"\"; Monate\n\x80?\";Rotfedern;Rotfedern (Ausgangsfunktion)\n"
              "0;1,000000;1,000000\n1;2,000000;2,000000\n2;3,000000;\n");
}
