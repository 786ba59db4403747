#include "shell/Html_References.h"

#include <gtest/gtest.h>

TEST(Html_References, Values_Read_As_The_HTML_Window_Reads_Them)
{
    std::vector<Html_Reference> found = Find_Html_References(
        "<p>Text</p>\n<A HREF=\"glossar://&Ouml;\">&Ouml;</a> <img src='bilder/k&auml;fer.png'>\n"
        "<!-- <a href=\"auskommentiert.htm\"> -->\n<a href=blatt.pdf>x</a><a href=\"&#196;&#x00FC;&amp;\">y</a>"
        "<a href=\"&unbekannt;\">z</a>");
    ASSERT_EQ(found.size(), 5u);
    EXPECT_EQ(found[0].Attribute, "href");
    EXPECT_EQ(found[0].Value, wxString::FromUTF8("glossar://Ö"));
    EXPECT_EQ(found[0].Line, 2);
    EXPECT_EQ(found[1].Attribute, "src");
    EXPECT_EQ(found[1].Value, wxString::FromUTF8("bilder/käfer.png"));
    EXPECT_EQ(found[2].Value, "blatt.pdf");
    EXPECT_EQ(found[2].Line, 4);
    EXPECT_EQ(found[3].Value, wxString::FromUTF8("Äü&"));
    EXPECT_EQ(found[4].Value, "&unbekannt;");
}
