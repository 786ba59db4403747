#include "activities/Answer_Code.h"

#include <gtest/gtest.h>

TEST(Answer_Code, Marker_Label_And_Correctness)
{
    const struct { const char* Value; bool Correct; const char* Label; } cases[] = {
        {"1:Hecht", true, "Hecht"}, {"0:Rotfeder", false, "Rotfeder"}, {"x:Karpfen", false, "Karpfen"},
        {"n:Karpfen", false, "Karpfen"}, {"l:Hecht", false, "Hecht"}, {"10:Zehn Hechte", false, "10:Zehn Hechte"},
        {"Ohne Doppelpunkt", false, "Ohne Doppelpunkt"}, {":Hecht", false, ":Hecht"}, {"", false, ""},
        {"1", true, ""}, {"1:", true, ""}, {"0", false, ""}, {"1:Uhrzeit: 12:30", true, "Uhrzeit: 12:30"}, {"1::", true, ":"}};
    for (const auto& c : cases)
    {
        const Answer_Code code = Parse_Answer_Code(c.Value);
        EXPECT_EQ(code.Correct, c.Correct) << c.Value;
        EXPECT_EQ(code.Label, c.Label) << c.Value;
    }
    // A picture is asked for by "IMAGE:" in capitals (the self-test's picture test shows the rest).
    EXPECT_FALSE(Is_Picture_Label("image:bilder/hecht.png"));
}

