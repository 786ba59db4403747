// The option-string lookup on arbitrary input: the first line is the key a
// plug-in asks for, the rest a theme's option string (decoded as the theme
// file's text is).

#include "common/Text_Codec.h"
#include "simframe/src/Option_String.h"
#include "tests/fuzz/Fuzz_Support.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t end = input.find('\n');
    const std::string key = input.substr(0, end);
    const wxString options = Decode_Course_Text(end == std::string::npos ? "" : input.substr(end + 1));

    // Nothing found leaves the value alone; a value runs from its key's "="
    // to the next ";" and is never empty.
    wxString value = "unchanged";
    const bool found = Find_Option(options, key.c_str(), value);
    FUZZ_CHECK(found || value == "unchanged");
    if (!found)
        return 0;
    FUZZ_CHECK(!value.empty() && !value.Contains(";"));
    FUZZ_CHECK(options.Contains(Decode_Course_Text(key.c_str()) + "=" + value));

    int number = 7;
    FUZZ_CHECK(Option_To_Int(value, number) || number == 7);
    double real = 7.5;
    FUZZ_CHECK(Option_To_Double(value, real) ? std::isfinite(real) : real == 7.5);
    return 0;
}
