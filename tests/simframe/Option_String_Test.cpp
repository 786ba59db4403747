#include "simframe/src/Option_String.h"

#include <gtest/gtest.h>

namespace
{
    // A lookup as a plug-in makes it: the text, the int or the double, or
    // "-" when it fails and leaves the output as preloaded.
    wxString Get(const wxString& options, const char* key, char kind)
    {
        wxString text = "-";
        int whole = 0;
        double real = 0;
        if (!Find_Option(options, key, text) || kind == 't')
            return text;
        if (kind == 'i')
            return Option_To_Int(text, whole) ? wxString::Format("%d", whole) : wxString("-");
        return Option_To_Double(text, real) ? wxString::FromCDouble(real) : wxString("-");
    }
}

TEST(Option_String, Lookups_That_Can_Go_Wrong)
{
    const struct { const char* Options; const char* Key; char Kind; const char* Result; } cases[] = {
        {"A=1;B=2", "A", 't', "1"}, {"A=1;B=2", "B", 't', "2"}, {"A=1;B=2", "C", 't', "-"}, {"A=1;", "A", 't', "1"},
        // The first occurrence, found by plain substring search: B= inside AB=, X= inside a value.
        {"A=1;A=2", "A", 't', "1"}, {"AB=1;B=2", "B", 't', "1"}, {"NAME=X=3;X=4", "X", 't', "3"},
        {"RF_GROW_MAX=5;GROW_MAX=9", "GROW_MAX", 'i', "5"}, {"A=x=y;B=2", "A", 't', "x=y"}, {"A==", "A", 't', "="},
        // Empty values and missing "=" count as absent, without falling through to a later one.
        {"A=;B=2", "A", 't', "-"}, {"A=;A=2", "A", 't', "-"}, {"A;B=2", "A", 't', "-"}, {"A=1", "", 't', "-"},
        {"A=1", nullptr, 't', "-"}, {"=;==;;=;", "", 't', "-"},
        // Case and spaces belong to keys and values.
        {"a=1", "A", 't', "-"}, {"A=1", "a", 't', "-"}, {"A =1", "A", 't', "-"}, {"A =1", "A ", 't', "1"},
        {"A= 5;B=2", "A", 't', " 5"}, {"A= 5;B=2", "A", 'i', "5"}, {"A= 0.5", "A", 'd', "0.5"},
        {"A=5 ;B=2", "A", 't', "5 "}, {"A=5 ;B=2", "A", 'i', "-"},
        // Numbers in the classic locale, filling the value, finite and within range.
        {"A=0,5", "A", 'd', "-"}, {"A=-2e3", "A", 'd', "-2000"}, {"A=0.5", "A", 'i', "-"}, {"A=12abc", "A", 'i', "-"},
        {"A=4294967297", "A", 'i', "-"}, {"A=2147483647", "A", 'i', "2147483647"}, {"A=nan", "A", 'd', "-"},
        {"A=-infinity", "A", 'd', "-"}, {"A=1e999", "A", 'd', "-"},
        // Keys beyond ASCII match in UTF-8 or Windows-1252 bytes.
        {"GR\xC3\x96SSE=3", "GR\xC3\x96SSE", 'i', "3"}, {"GR\xC3\x96SSE=3", "GR\xD6SSE", 'i', "3"}, {"A=1", "\xFF", 't', "-"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Get(wxString::FromUTF8(c.Options), c.Key, c.Kind), c.Result)
            << c.Options << " " << (c.Key ? c.Key : "(null)") << " " << c.Kind;
}
