// The glossary reader and page builder on arbitrary bytes: entries read
// from the file's bytes and gathered into pages. Their font sizes are the
// content pages' (the link rewriting's target checks them).

#include "activities/Glossary_Builder.h"
#include "common/Text_Codec.h"
#include "tests/fuzz/Fuzz_Support.h"

namespace
{
    bool Sorted_By_Bytes(const std::vector<wxString>& texts)
    {
        for (size_t i = 1; i < texts.size(); i++)
            if (Encode_Windows_1252(texts[i - 1]) > Encode_Windows_1252(texts[i]))
                return false;
        return true;
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Glossary_Builder builder;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const bool any = builder.Read_Entries_From_Bytes(bytes, "/kurs/lexikon");
    const std::vector<wxString>& entries = builder.Get_Entries();
    FUZZ_CHECK(any == !entries.empty() && Sorted_By_Bytes(entries));
    // Title and colon, or colon and body, never the colon alone; one line.
    for (const wxString& entry : entries)
        FUZZ_CHECK(entry.length() > 1 && entry.Contains(":") && !entry.Contains("\n")
                   && !entry.Contains(Glossary_Builder::PATH_MARKER));

    builder.Build_Pages();
    const std::vector<wxString>& pages = builder.Get_Pages();
    FUZZ_CHECK(pages.size() <= entries.size() && (entries.empty() || !pages.empty()) && Sorted_By_Bytes(pages));
    for (const wxString& page : pages)
        FUZZ_CHECK(page.length() > 1
                   && Glossary_Builder::Page_Label(page) + ":" + Glossary_Builder::Page_Html(page) == page);
    return 0;
}
