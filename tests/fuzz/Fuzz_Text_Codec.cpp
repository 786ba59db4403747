// The decoding of course bytes: UTF-8 where the bytes are UTF-8, else
// Windows-1252, which must come back byte for byte when written as a record.

#include "common/Text_Codec.h"
#include "tests/fuzz/Fuzz_Support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const wxString text = Decode_Course_Text(bytes);
    const std::string back = Encode_Windows_1252(text);

    const bool bom = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0;
    const bool utf8 = bytes.empty() || !wxString::FromUTF8(bytes.data(), bytes.size()).empty();
    FUZZ_CHECK(bom || utf8 || back == bytes);
    // Nothing is lost: only a file that is a bare byte-order mark reads empty;
    // one character per byte in Windows-1252, fewer for UTF-8 sequences.
    FUZZ_CHECK(!text.empty() || bytes.empty() || bytes == "\xEF\xBB\xBF");
    FUZZ_CHECK(text.length() <= bytes.size() && back.size() == text.length());

    std::string squeezed = bytes;
    Squeeze_CRLF(squeezed);
    FUZZ_CHECK(squeezed.find("\r\n") == std::string::npos || bytes.find("\r\r\n") != std::string::npos);
    return 0;
}
