// The answer-code rule on arbitrary values: the solution marker before the
// first colon, the label after it, and a self-test label's picture name.

#include "activities/Answer_Code.h"
#include "common/Text_Codec.h"
#include "tests/fuzz/Fuzz_Support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const wxString value = Decode_Course_Text(std::string(reinterpret_cast<const char*>(data), size));
    const Answer_Code code = Parse_Answer_Code(value);

    // The label is what the pupil sees of the value: all of it, or what
    // follows a one-character marker and its colon.
    const bool marked = value.length() >= 1 && value[0] != ':' && (value.length() == 1 || value[1] == ':');
    FUZZ_CHECK(code.Label == (marked ? value.Mid(2) : value));
    FUZZ_CHECK(code.Correct == (marked && value[0] == '1'));

    const wxString picture = Get_Picture_Name(code.Label);
    FUZZ_CHECK(code.Label.EndsWith(picture));
    FUZZ_CHECK(picture.empty() || code.Label.Contains(":"));
    FUZZ_CHECK(Is_Picture_Label(code.Label) == code.Label.Contains("IMAGE:"));
    return 0;
}
