// The content-page and task-pane link rewriting on arbitrary page bytes, as
// the theme reads the pages (CR LF as one line feed, then decoded), and the
// content font sizes for an arbitrary offset.

#include "common/Text_Codec.h"
#include "shell/Link_Rewriting.h"
#include "tests/fuzz/Fuzz_Support.h"

namespace
{
    const wxString DIR = "/kurs/seiten";

    size_t Count(const wxString& text, const wxString& pattern)
    {
        size_t n = 0;
        for (size_t at = text.find(pattern); at != wxString::npos; at = text.find(pattern, at + pattern.length()))
            n++;
        return n;
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string bytes(reinterpret_cast<const char*>(data), size);
    Squeeze_CRLF(bytes);
    const wxString page = Decode_Course_Text(bytes);

    // Every "./" reference is made absolute, and nothing else changes.
    wxString content = page;
    const size_t references = Count(page, "href=\"./");
    FUZZ_CHECK(Rewrite_Content_Links(content, DIR) == int(references) && Count(content, "href=\"./") == 0);
    FUZZ_CHECK(content.length() == page.length() + references * (wxString("href=\"file://" + DIR + "/").length() - 8));

    wxString tasks = page;
    Rewrite_Task_Links(tasks, DIR);
    for (const char* pattern : {"href=\"./", "href=\"../", "src=\"./", "src=\"../"})
        FUZZ_CHECK(Count(tasks, pattern) == 0);
    FUZZ_CHECK(tasks.length() >= page.length());

    // The seven sizes for an offset taken from the first bytes: never below 4 points, never getting smaller.
    int offset = 0, sizes[7];
    if (size >= sizeof offset)
        memcpy(&offset, data, sizeof offset);
    Html_Font_Sizes(offset, sizes);
    for (int i = 0; i < 7; i++)
        FUZZ_CHECK(sizes[i] >= 4 && (i == 0 || sizes[i] >= sizes[i - 1]));
    return 0;
}
