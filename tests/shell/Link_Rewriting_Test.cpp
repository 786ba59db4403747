#include "shell/Link_Rewriting.h"

#include <climits>
#include <gtest/gtest.h>

TEST(Link_Rewriting, Content_Pages_Get_File_URLs_For_Dot_Slash_Links_Only)
{
    wxString text = "<a href=\"./blatt.pdf\">Blatt</a> <a href=\"../oben.htm\">oben</a> "
                    "<img src=\"./teich.png\"> <a href=\"./b.htm\">b</a>";
    EXPECT_EQ(Rewrite_Content_Links(text, "/kurs/teich"), 2);
    EXPECT_EQ(text, "<a href=\"file:///kurs/teich/blatt.pdf\">Blatt</a> <a href=\"../oben.htm\">oben</a> "
                    "<img src=\"./teich.png\"> <a href=\"file:///kurs/teich/b.htm\">b</a>");

    wxString climbing = "<a href=\"../a.htm\">a</a>";
    EXPECT_EQ(Rewrite_Content_Links(climbing, "/kurs"), 0);
    EXPECT_EQ(climbing, "<a href=\"../a.htm\">a</a>");
}

TEST(Link_Rewriting, Task_Texts_Get_Four_Rewrites)
{
    wxString text = "<a href=\"./a.htm\">a</a><a href=\"../b.htm\">b</a>"
                    "<img src=\"./b.png\"><img src=\"../c.png\"><a href=\"http://x.de/./y\">y</a>";
    Rewrite_Task_Links(text, "/K/t");
    EXPECT_EQ(text, "<a href=\"file:///K/t/a.htm\">a</a><a href=\"file:///K/t/../b.htm\">b</a>"
                    "<img src=\"/K/t/b.png\"><img src=\"/K/t/../c.png\"><a href=\"http://x.de/./y\">y</a>");
}

TEST(Link_Rewriting, Directories_With_Percent_Signs_Stay_Literal)
{
    wxString text = "<a href=\"./a.htm\">a</a>";
    Rewrite_Content_Links(text, "/kurs/100%s");
    EXPECT_EQ(text, "<a href=\"file:///kurs/100%s/a.htm\">a</a>");
}

TEST(Link_Rewriting, Font_Sizes_Never_Drop_Below_Four_Points)
{
    int sizes[7];
    Html_Font_Sizes(-10, sizes);
    EXPECT_EQ(std::vector<int>(sizes, sizes + 7), std::vector<int>({4, 4, 4, 4, 6, 8, 10}));
    Html_Font_Sizes(0, sizes);
    EXPECT_EQ(std::vector<int>(sizes, sizes + 7), std::vector<int>({8, 10, 12, 14, 16, 18, 20}));
    Html_Font_Sizes(3, sizes);
    EXPECT_EQ(sizes[6], 23);
}

TEST(Link_Rewriting, Font_Sizes_Stay_Drawable_For_Any_Offset)
{
    // The offset is as large as the start-up file makes it; near the int
    // range the sums once overflowed, and far above a few thousand points
    // the text renderer fails.
    int sizes[7];
    for (int offset : {INT_MAX, INT_MAX - 7, MAX_FONT_POINTS})
    {
        Html_Font_Sizes(offset, sizes);
        EXPECT_EQ(std::vector<int>(sizes, sizes + 7), std::vector<int>(7, MAX_FONT_POINTS)) << offset;
    }
    Html_Font_Sizes(INT_MIN, sizes);
    EXPECT_EQ(std::vector<int>(sizes, sizes + 7), std::vector<int>(7, 4));
    Html_Font_Sizes(MAX_FONT_POINTS - 20, sizes);
    EXPECT_EQ(sizes[5], MAX_FONT_POINTS - 2);
    EXPECT_EQ(sizes[6], MAX_FONT_POINTS);
}
