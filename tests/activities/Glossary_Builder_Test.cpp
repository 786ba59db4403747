#include "activities/Glossary_Builder.h"

#include "common/Text_Codec.h"
#include "tests/support/Temp_Dir.h"

#include <gtest/gtest.h>
#include <random>
#include <unistd.h>

namespace
{
    std::vector<wxString> Labels(const Glossary_Builder& builder)
    {
        std::vector<wxString> labels;
        for (const wxString& page : builder.Get_Pages())
            labels.push_back(Glossary_Builder::Page_Label(page));
        return labels;
    }

    std::vector<wxString> Entries_Of(const std::string& bytes, const wxString& directory = "/kurs")
    {
        Glossary_Builder builder;
        builder.Read_Entries_From_Bytes(bytes, directory);
        return builder.Get_Entries();
    }

    std::vector<wxString> W(std::initializer_list<const char*> utf8)
    {
        std::vector<wxString> out;
        for (const char* s : utf8)
            out.push_back(wxString::FromUTF8(s));
        return out;
    }
}

TEST(Glossary, Gathers_Entries_Into_Pages_By_Initial_And_Star)
{
    Temp_Dir dir;
    dir.Write("lexikon.txt",
              "Lexikon des Teichs\n"
              "<Hecht>{Raubfisch}\n"
              "<Aal>\n{Wanderfisch}\n"
              "<*Zellen> egal {Bausteine}\n"
              "<Alge>{<b>Produzent</b>}\n"
              "<hecht>{klein geschrieben}\n");
    Glossary_Builder builder;
    ASSERT_TRUE(builder.Read_Entries(dir.File("lexikon.txt")));
    EXPECT_EQ(builder.Get_Entries(),
              W({"*Zellen:Bausteine", "Aal:Wanderfisch", "Alge:<b>Produzent</b>", "Hecht:Raubfisch",
                 "hecht:klein geschrieben"}));

    builder.Build_Pages();
    EXPECT_EQ(Labels(builder), W({"A", "H", "Zellen", "h"}));
    const std::vector<wxString>& pages = builder.Get_Pages();
    ASSERT_EQ(pages.size(), 4u);
    EXPECT_EQ(Glossary_Builder::Page_Html(pages[0]),
              "<h4>Aal</h4><p>Wanderfisch</p><hr><h4>Alge</h4><p><b>Produzent</b></p>");
    EXPECT_EQ(Glossary_Builder::Page_Html(pages[2]), "<h4>Zellen</h4><p>Bausteine</p>");

    // A "*" page sorts after the letter page of its first letter.
    builder.Read_Entries_From_Bytes("<*Zellen>{a}<Zander>{b}", "/");
    builder.Build_Pages();
    EXPECT_EQ(Labels(builder), W({"Z", "Zellen"}));
}

TEST(Glossary, Reads_Titles_And_Bodies_By_The_Bracket_Rules)
{
    // Line breaks (CR LF counting as one) become single blanks.
    EXPECT_EQ(Entries_Of("<Nahrungs\r\nkette>{erste\r\nzweite\nZeile}"),
              W({"Nahrungs kette:erste zweite Zeile"}));
    // A colon in the title ends the title there.
    EXPECT_EQ(Entries_Of("<Art: Hecht>{Esox}"), W({"Art: Hecht:Esox"}));
    Glossary_Builder colon;
    colon.Read_Entries_From_Bytes("<Art: Hecht>{Esox}", "/");
    colon.Build_Pages();
    EXPECT_EQ(colon.Get_Pages(), W({"A:<h4>Art</h4><p> Hecht:Esox</p>"}));
    // Titles may hold "<", bodies "<" and ">"; a title ends at the first ">".
    EXPECT_EQ(Entries_Of("<a<b>{x>y}"), W({"a<b:x>y"}));
    // An entry cut short by the end of the file keeps what was read.
    EXPECT_EQ(Entries_Of("<Hecht>{Ein Raub"), W({"Hecht:Ein Raub"}));
    EXPECT_EQ(Entries_Of("<Hec"), W({"Hec:"}));
    EXPECT_EQ(Entries_Of("<Hecht>"), W({"Hecht:"}));
    // The empty entry is dropped; one with only a title or a body stays.
    EXPECT_EQ(Entries_Of("<>{}<Titel>{}<>{Text}"), W({":Text", "Titel:"}));
    EXPECT_TRUE(Entries_Of("<>{}").empty());
    EXPECT_TRUE(Entries_Of("<").empty());
    EXPECT_TRUE(Entries_Of("").empty());
    Glossary_Builder title_only;
    title_only.Read_Entries_From_Bytes("<Teich>", "/");
    title_only.Build_Pages();
    EXPECT_EQ(title_only.Get_Pages(), W({"T:<h4>Teich</h4><p></p>"}));
}

TEST(Glossary, Replaces_The_Marker_By_The_Files_Directory)
{
    Temp_Dir dir;
    dir.Write("kurs/lexikon/lexikon.txt",
              "<Bild GLOSSAR_PATH>{<img src=\"GLOSSAR_PATH/teich.png\">GLOSSAR_PATHGLOSSAR_PATH}");
    const wxString expected_dir = dir.File("kurs/lexikon");
    char old[4096];
    ASSERT_TRUE(getcwd(old, sizeof old));
    ASSERT_EQ(chdir(dir.Path_Str().c_str()), 0);
    Glossary_Builder builder;
    bool ok = builder.Read_Entries("kurs/./lexikon/lexikon.txt");
    ASSERT_EQ(chdir(old), 0);
    ASSERT_TRUE(ok);
    EXPECT_EQ(builder.Get_Entries(),
              std::vector<wxString>({"Bild " + expected_dir + ":<img src=\"" + expected_dir +
                                     "/teich.png\">" + expected_dir + expected_dir}));
}

TEST(Glossary, Sorts_By_Windows_1252_Bytes_Whatever_The_Files_Encoding)
{
    // Z (0x5A) < Š (0x8A) < Ä (0xC4) in Windows-1252, although Š comes after
    // Ä in Unicode and in UTF-8 bytes.
    const std::vector<wxString> expected = W({"A", "Z", "Š", "Ä", "ä"});
    for (bool utf8 : {false, true})
    {
        SCOPED_TRACE(utf8 ? "UTF-8" : "Windows-1252");
        std::string text = utf8 ? "<Äsche>{}<Štika>{}<Zander>{}<Aal>{}<äsen>{}"
                                : "<\xC4sche>{}<\x8Atika>{}<Zander>{}<Aal>{}<\xE4sen>{}";
        Glossary_Builder builder;
        ASSERT_TRUE(builder.Read_Entries_From_Bytes(text, "/"));
        builder.Build_Pages();
        EXPECT_EQ(Labels(builder), expected);
    }
}

TEST(Glossary, Font_Sizes_Follow_The_Offset_Down_To_Four_Points)
{
    struct Case { int offset; std::vector<int> sizes; };
    for (const Case& c : {Case{0, {8, 10, 12, 14, 16, 18, 20}}, Case{-6, {4, 4, 6, 8, 10, 12, 14}},
                          Case{3, {11, 13, 15, 17, 19, 21, 23}}, Case{-100, {4, 4, 4, 4, 4, 4, 4}}})
    {
        int sizes[7];
        Glossary_Builder::Font_Sizes(c.offset, sizes);
        EXPECT_EQ(std::vector<int>(sizes, sizes + 7), c.sizes) << "offset " << c.offset;
    }
}

TEST(Glossary, Survives_Hostile_Files)
{
    Glossary_Builder builder;
    EXPECT_FALSE(builder.Read_Entries("/nonexistent/lexikon.txt"));
    EXPECT_FALSE(builder.Read_Entries("/tmp"));
    EXPECT_TRUE(builder.Get_Entries().empty());

    // Binary garbage, NUL bytes included: every entry still has its colon
    // and every page its label.
    std::mt19937 random(4711);
    std::string garbage(200000, '\0');
    for (char& c : garbage)
        c = char(random() % 256);
    builder.Read_Entries_From_Bytes(garbage, "/");
    EXPECT_FALSE(builder.Get_Entries().empty());
    for (const wxString& entry : builder.Get_Entries())
        ASSERT_NE(entry.find(':'), wxString::npos);
    builder.Build_Pages();
    EXPECT_FALSE(builder.Get_Pages().empty());
}

TEST(Glossary, Builds_Fifty_Thousand_Entries)
{
    std::string text;
    for (int i = 0; i < 50000; i++)
    {
        text += "<";
        text += char('A' + i % 26);
        text += "eintrag " + std::to_string(i) + ">\r\n{Beschreibung GLOSSAR_PATH " + std::to_string(i) + "}\r\n";
    }
    Glossary_Builder builder;
    ASSERT_TRUE(builder.Read_Entries_From_Bytes(text, "/kurs/lexikon"));
    builder.Build_Pages();
    EXPECT_EQ(builder.Get_Entries().size(), 50000u);
    EXPECT_EQ(builder.Get_Pages().size(), 26u);
    // Page A holds every 26th entry, separated by rules.
    const wxString& page_a = builder.Get_Pages()[0];
    size_t rules = 0;
    for (size_t at = page_a.find("<hr>"); at != wxString::npos; at = page_a.find("<hr>", at + 1))
        rules++;
    EXPECT_EQ(rules, (50000u + 25) / 26 - 1);
}

TEST(Glossary, Tells_Which_Entry_The_End_Of_The_File_Cut_Short)
{
    auto cut = [](const std::string& bytes) {
        Glossary_Builder builder;
        builder.Read_Entries_From_Bytes(bytes, "/");
        return builder.Get_Cut_Entry();
    };
    EXPECT_EQ(cut("<Hecht>{Raubfisch}<Rotfe").Missing, '>');
    EXPECT_EQ(cut("<Hecht>{Raubfisch}<Rotfe").Entry, "Rotfe:");
    EXPECT_EQ(cut("<Hecht>\n").Missing, '{');
    EXPECT_EQ(cut("<Hecht>{Raub").Missing, '}');
    EXPECT_EQ(cut("<Hecht>{Raub").Entry, "Hecht:Raub");
    // A lone "<" at the end opens an entry that holds nothing.
    EXPECT_EQ(cut("<Hecht>{Raubfisch}<").Missing, '>');
    // Text around complete entries cuts nothing short.
    EXPECT_EQ(cut("Vorwort\n<Hecht>{Raubfisch}\nNachwort ohne Klammern\n").Missing, 0);
    EXPECT_EQ(cut("").Missing, 0);
}
