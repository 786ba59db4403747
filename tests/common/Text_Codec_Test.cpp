#include "common/Text_Codec.h"

#include <gtest/gtest.h>

TEST(Text_Codec, Windows_1252_Round_Trip_Of_Every_Byte)
{
    std::string all;
    for (int c = 1; c < 256; c++)
        all.push_back(char(c));
    // Not valid UTF-8 (lone continuation bytes), so read as Windows-1252.
    const wxString text = Decode_Course_Text(all);
    EXPECT_EQ(text.length(), 255u);
    EXPECT_EQ(Encode_Windows_1252(text), all);
    EXPECT_EQ(text[0x80 - 1], wxUniChar(0x20AC));  // the euro sign
}

TEST(Text_Codec, Chooses_UTF8_Only_For_Valid_Non_ASCII_Text)
{
    EXPECT_EQ(Decode_Course_Text("Gr\xC3\xB6\xC3\x9F" "e"), wxString::FromUTF8("Größe"));
    EXPECT_EQ(Decode_Course_Text("Gr\xF6\xDF" "e"), wxString::FromUTF8("Größe"));
    EXPECT_EQ(Decode_Course_Text("\xEF\xBB\xBF" "Teich"), "Teich");
    // A byte-order mark followed by bytes that are not UTF-8 after all.
    EXPECT_EQ(Decode_Course_Text("\xEF\xBB\xBF" "\xE4"), wxString::FromUTF8("ä"));
    // Overlong and surrogate forms are not accepted as UTF-8.
    EXPECT_EQ(Decode_Course_Text("\xC0\xAF").length(), 2u);
    EXPECT_EQ(Decode_Course_Text("\xED\xA0\x80").length(), 3u);
}

TEST(Text_Codec, Squeezes_Only_CR_Before_LF)
{
    std::string text = "a\r\nb\rc\r\r\n";
    Squeeze_CRLF(text);
    EXPECT_EQ(text, "a\nb\rc\r\n");
}
