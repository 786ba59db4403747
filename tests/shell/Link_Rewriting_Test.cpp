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
    // A directory with percent signs stays literal.
    text = "<a href=\"./a.htm\">a</a>";
    Rewrite_Content_Links(text, "/kurs/100%s");
    EXPECT_EQ(text, "<a href=\"file:///kurs/100%s/a.htm\">a</a>");
}

TEST(Link_Rewriting, Task_Texts_Get_Four_Rewrites)
{
    wxString text = "<a href=\"./a.htm\">a</a><a href=\"../b.htm\">b</a>"
                    "<img src=\"./b.png\"><img src=\"../c.png\"><a href=\"http://x.de/./y\">y</a>";
    Rewrite_Task_Links(text, "/K/t");
    EXPECT_EQ(text, "<a href=\"file:///K/t/a.htm\">a</a><a href=\"file:///K/t/../b.htm\">b</a>"
                    "<img src=\"/K/t/b.png\"><img src=\"/K/t/../c.png\"><a href=\"http://x.de/./y\">y</a>");
}

TEST(Link_Rewriting, Font_Sizes_Stay_Between_Four_Points_And_The_Largest_Drawable)
{
    // Near the int range the sums once overflowed; far above a few thousand points the renderer fails.
    struct Case { int offset; std::vector<int> sizes; };
    const int max = MAX_FONT_POINTS;
    const Case cases[] = {{-10, {4, 4, 4, 4, 6, 8, 10}},
                          {0, {8, 10, 12, 14, 16, 18, 20}},
                          {max - 20, {max - 12, max - 10, max - 8, max - 6, max - 4, max - 2, max}},
                          {INT_MIN, std::vector<int>(7, 4)},
                          {INT_MAX - 7, std::vector<int>(7, max)},
                          {INT_MAX, std::vector<int>(7, max)}};
    for (const Case& c : cases)
    {
        int sizes[7];
        Html_Font_Sizes(c.offset, sizes);
        EXPECT_EQ(std::vector<int>(sizes, sizes + 7), c.sizes) << c.offset;
    }
}
