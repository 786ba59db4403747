// The option-string lookup on arbitrary input: the first line is the key a
// plug-in asks for, the rest the option string of a theme (decoded as the
// theme file's text is).

#include "common/Text_Codec.h"
#include "simframe/src/Option_String.h"
#include "tests/fuzz/Fuzz_Support.h"

#include <cmath>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz_Init();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string key, rest;
    Fuzz_Split_Line(std::string(reinterpret_cast<const char*>(data), size), key, rest);
    const wxString options = Decode_Course_Text(rest);

    wxString value = "unchanged";
    if (!Find_Option(options, key.c_str(), value))
    {
        FUZZ_CHECK(value == "unchanged");
        return 0;
    }
    // A value runs from its key's "=" to the next ";" and is never empty.
    FUZZ_CHECK(!value.empty() && !value.Contains(";"));
    FUZZ_CHECK(options.Contains(Decode_Course_Text(key.c_str()) + "=" + value));

    int number = 7;
    if (!Option_To_Int(value, number))
        FUZZ_CHECK(number == 7);
    double real = 7.5;
    if (Option_To_Double(value, real))
        FUZZ_CHECK(std::isfinite(real));
    else
        FUZZ_CHECK(real == 7.5);
    return 0;
}
