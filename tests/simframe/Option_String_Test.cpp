#include "simframe/src/Option_String.h"

#include <gtest/gtest.h>

namespace
{
    // The text lookup as a plug-in sees it: the value, or "(none)" when the
    // lookup fails and leaves the output as preloaded.
    wxString Text(const wxString& options, const char* key)
    {
        wxString value = "(none)";
        Find_Option(options, key, value);
        return value;
    }

    int Int(const wxString& options, const char* key, int preset = -777)
    {
        wxString text;
        int value = preset;
        if (Find_Option(options, key, text))
            Option_To_Int(text, value);
        return value;
    }

    double Double(const wxString& options, const char* key, double preset = -777)
    {
        wxString text;
        double value = preset;
        if (Find_Option(options, key, text))
            Option_To_Double(text, value);
        return value;
    }
}

TEST(Option_String, Finds_The_First_Occurrence_By_Plain_Substring_Search)
{
    EXPECT_EQ(Text("A=1;B=2", "A"), "1");
    EXPECT_EQ(Text("A=1;B=2", "B"), "2");
    EXPECT_EQ(Text("A=1;B=2", "C"), "(none)");
    EXPECT_EQ(Text("A=1", "A"), "1");
    // The pattern B= occurs first inside AB=, and inside an earlier value.
    EXPECT_EQ(Text("AB=1;B=2", "B"), "1");
    EXPECT_EQ(Text("NAME=X=3;X=4", "X"), "3");
    EXPECT_EQ(Int("RF_GROW_MAX=5;GROW_MAX=9", "GROW_MAX"), 5);
    EXPECT_EQ(Text("A=1;A=2", "A"), "1");
    // A value may hold "=" but ends at the first ";".
    EXPECT_EQ(Text("A=x=y;B=2", "A"), "x=y");
}

TEST(Option_String, Empty_Values_Missing_Equals_And_Case_Count_As_Absent)
{
    EXPECT_EQ(Text("A=;B=2", "A"), "(none)");
    EXPECT_EQ(Int("A=;B=2", "A", 42), 42);
    EXPECT_EQ(Text("A;B=2", "A"), "(none)");
    EXPECT_EQ(Text("a=1", "A"), "(none)");
    EXPECT_EQ(Text("A=1", "a"), "(none)");
    // An empty value does not fall through to a later occurrence.
    EXPECT_EQ(Text("A=;A=2", "A"), "(none)");
}

TEST(Option_String, Spaces_Belong_To_Keys_And_Values)
{
    EXPECT_EQ(Text("A= 5;B=2", "A"), " 5");
    EXPECT_EQ(Int("A= 5;B=2", "A"), 5);
    EXPECT_DOUBLE_EQ(Double("A= 0.5", "A"), 0.5);
    EXPECT_EQ(Text("A=5 ;B=2", "A"), "5 ");
    EXPECT_EQ(Int("A=5 ;B=2", "A"), -777);
    EXPECT_EQ(Text("A =1", "A"), "(none)");
    EXPECT_EQ(Text("A =1", "A "), "1");
    EXPECT_EQ(Text("X_NAME=Zeit [Monate];Y=1", "X_NAME"), "Zeit [Monate]");
}

TEST(Option_String, Numbers_Use_The_Classic_Locale_And_Must_Fill_The_Value)
{
    EXPECT_DOUBLE_EQ(Double("A=-2e3", "A"), -2000);
    EXPECT_EQ(Double("A=0,5", "A"), -777);
    EXPECT_EQ(Int("A=0.5", "A"), -777);
    EXPECT_EQ(Int("A=-12", "A"), -12);
    EXPECT_EQ(Int("A=12abc", "A"), -777);
    EXPECT_EQ(Double("A=x", "A"), -777);
    // Whole numbers beyond int, and values that are not finite numbers,
    // are refused rather than wrapped or handed on to a model.
    EXPECT_EQ(Int("A=4294967297", "A"), -777);
    EXPECT_EQ(Int("A=2147483647", "A"), 2147483647);
    EXPECT_EQ(Double("A=nan", "A"), -777);
    EXPECT_EQ(Double("A=inf", "A"), -777);
    EXPECT_EQ(Double("A=-infinity", "A"), -777);
    EXPECT_EQ(Double("A=1e999", "A"), -777);
}

TEST(Option_String, Degenerate_Strings_And_Keys_Find_Nothing)
{
    EXPECT_EQ(Text("", "A"), "(none)");
    EXPECT_EQ(Text("=;==;;=;", "A"), "(none)");
    EXPECT_EQ(Text("=;==;;=;", ""), "(none)");
    EXPECT_EQ(Text("A=1", ""), "(none)");
    EXPECT_EQ(Text("A=1", nullptr), "(none)");
    EXPECT_EQ(Text("A=1;", "A"), "1");
    EXPECT_EQ(Text("A==", "A"), "=");
}

TEST(Option_String, Megabyte_Strings_Are_Searched_Whole)
{
    wxString options;
    for (int i = 0; i < 100000; i++)
        options << "KEY" << i << "=" << i << ";";
    options << "LAST=end";
    ASSERT_GT(options.length(), 1000000u);
    EXPECT_EQ(Text(options, "LAST"), "end");
    EXPECT_EQ(Int(options, "KEY99999"), 99999);
    EXPECT_EQ(Text(options, "MISSING"), "(none)");

    wxString separators(';', 1 << 20);
    separators += "A=1";
    EXPECT_EQ(Text(separators, "A"), "1");
}

TEST(Option_String, Text_Beyond_Ascii_Is_Matched_As_Characters)
{
    // Values keep their characters; keys may be written in UTF-8 or in
    // Windows-1252 bytes, and both name the same key.
    const wxString options = wxString::FromUTF8("RESET_NAME=Zurücksetzen;GRÖSSE=3");
    EXPECT_EQ(Text(options, "RESET_NAME"), wxString::FromUTF8("Zurücksetzen"));
    EXPECT_EQ(Int(options, "GR\xC3\x96SSE"), 3);
    EXPECT_EQ(Int(options, "GR\xD6SSE"), 3);
    // A key whose bytes decode to nothing known still never matches "=".
    EXPECT_EQ(Text("A=1", "\xFF"), "(none)");
}
