#include "shell/Link_Rewriting.h"

#include <algorithm>

int Rewrite_Content_Links(wxString& text, const wxString& dir)
{
    return int(text.Replace("href=\"./", "href=\"file://" + dir + "/"));
}

void Rewrite_Task_Links(wxString& text, const wxString& dir)
{
    text.Replace("href=\"./", "href=\"file://" + dir + "/");
    text.Replace("href=\"../", "href=\"file://" + dir + "/../");
    text.Replace("src=\"./", "src=\"" + dir + "/");
    text.Replace("src=\"../", "src=\"" + dir + "/../");
}

void Html_Font_Sizes(int offset, int sizes[7])
{
    // The offset comes from the start-up file and the font commands and has
    // no bounds of its own; the text renderer fails on sizes far beyond
    // MAX_FONT_POINTS, and the toolkit asserts near the int range.
    for (int i = 0; i < 7; i++)
    {
        long long size = 8 + 2 * i + (long long)offset;
        sizes[i] = int(std::min<long long>(std::max<long long>(size, 4), MAX_FONT_POINTS));
    }
}
