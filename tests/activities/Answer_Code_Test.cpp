#include "activities/Answer_Code.h"

#include <gtest/gtest.h>

namespace
{
    void Expect_Code(const wxString& value, bool correct, const wxString& label)
    {
        SCOPED_TRACE(std::string(value.utf8_str()));
        Answer_Code code = Parse_Answer_Code(value);
        EXPECT_EQ(code.Correct, correct);
        EXPECT_EQ(code.Label, label);
    }
}

TEST(Answer_Code, Single_Character_Marker_Before_The_First_Colon)
{
    Expect_Code("1:Hecht", true, "Hecht");
    Expect_Code("0:Rotfeder", false, "Rotfeder");
    Expect_Code("x:Karpfen", false, "Karpfen");
    Expect_Code("n:Karpfen", false, "Karpfen");
    // Only the one is a right marker: letters that look like it are not.
    Expect_Code("l:Hecht", false, "Hecht");
    Expect_Code("I:Hecht", false, "Hecht");
    Expect_Code(wxString::FromUTF8("ä:Hecht"), false, "Hecht");
}

TEST(Answer_Code, Values_Without_A_Marker_Are_Shown_Whole_And_Not_Correct)
{
    Expect_Code("10:Zehn Hechte", false, "10:Zehn Hechte");
    Expect_Code("Ohne Doppelpunkt", false, "Ohne Doppelpunkt");
    Expect_Code(":Hecht", false, ":Hecht");
    Expect_Code(":::", false, ":::");
    Expect_Code("", false, "");
    Expect_Code("11", false, "11");
}

TEST(Answer_Code, A_Lone_Marker_Has_An_Empty_Label)
{
    Expect_Code("1", true, "");
    Expect_Code("1:", true, "");
    Expect_Code("0", false, "");
    Expect_Code("0:", false, "");
}

TEST(Answer_Code, Labels_Keep_Their_Own_Colons)
{
    Expect_Code("1:Uhrzeit: 12:30", true, "Uhrzeit: 12:30");
    Expect_Code("1::", true, ":");
    Expect_Code("0:IMAGE:bilder/hecht.png", false, "IMAGE:bilder/hecht.png");
}

TEST(Answer_Code, Picture_Name_Follows_The_First_Colon_Of_The_Label)
{
    EXPECT_TRUE(Is_Picture_Label("IMAGE:bilder/hecht.png"));
    EXPECT_TRUE(Is_Picture_Label("Ein Raubfisch IMAGE:bilder/hecht.png"));
    EXPECT_FALSE(Is_Picture_Label("image:bilder/hecht.png"));
    EXPECT_FALSE(Is_Picture_Label("IMAGE bilder/hecht.png"));

    EXPECT_EQ(Get_Picture_Name("IMAGE:bilder/hecht.png"), "bilder/hecht.png");
    EXPECT_EQ(Get_Picture_Name("Ein Raubfisch IMAGE:bilder/hecht.png"), "bilder/hecht.png");
    // Only the first colon counts, even when it is not the one of "IMAGE:".
    EXPECT_EQ(Get_Picture_Name("Bild: IMAGE:hecht.png"), " IMAGE:hecht.png");
    EXPECT_EQ(Get_Picture_Name("Hecht"), "");
}
