// The glossary reader and page builder on arbitrary bytes: entries read
// from the file's bytes, gathered into pages, and the pages' font sizes.

#include "activities/Glossary_Builder.h"
#include "common/Text_Codec.h"
#include "tests/fuzz/Fuzz_Support.h"

#include <cstring>

namespace
{
    const wxString DIRECTORY = "/kurs/lexikon";

    bool Sorted_By_Bytes(const std::vector<wxString>& texts)
    {
        for (size_t i = 1; i < texts.size(); i++)
            if (Encode_Windows_1252(texts[i - 1]) > Encode_Windows_1252(texts[i]))
                return false;
        return true;
    }
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz_Init();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    Glossary_Builder builder;
    const bool any = builder.Read_Entries_From_Bytes(bytes, DIRECTORY);
    const std::vector<wxString>& entries = builder.Get_Entries();
    FUZZ_CHECK(any == !entries.empty());
    FUZZ_CHECK(Sorted_By_Bytes(entries));
    for (const wxString& entry : entries)
    {
        // Title and colon, or colon and body: never the colon alone.
        FUZZ_CHECK(entry.length() > 1 && entry.Contains(":"));
        FUZZ_CHECK(!entry.Contains("\n") && !entry.Contains(Glossary_Builder::PATH_MARKER));
    }

    builder.Build_Pages();
    const std::vector<wxString>& pages = builder.Get_Pages();
    FUZZ_CHECK(pages.size() <= entries.size());
    FUZZ_CHECK(entries.empty() || !pages.empty());
    FUZZ_CHECK(Sorted_By_Bytes(pages));
    for (const wxString& page : pages)
    {
        FUZZ_CHECK(page.length() > 1);
        FUZZ_CHECK(Glossary_Builder::Page_Label(page) + ":" + Glossary_Builder::Page_Html(page) == page);
    }

    int offset = 0;
    if (size >= sizeof offset)
        memcpy(&offset, data, sizeof offset);
    int sizes[7];
    Glossary_Builder::Font_Sizes(offset, sizes);
    for (int i = 0; i < 7; i++)
        FUZZ_CHECK(sizes[i] >= 4 && (i == 0 || sizes[i] >= sizes[i - 1]));
    return 0;
}
