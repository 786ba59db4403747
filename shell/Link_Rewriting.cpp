#include "shell/Link_Rewriting.h"

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
    for (int i = 0; i < 7; i++)
    {
        int size = 8 + 2 * i + offset;
        sizes[i] = size < 4 ? 4 : size;
    }
}
