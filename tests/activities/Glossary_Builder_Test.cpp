#include "activities/Glossary_Builder.h"

#include "tests/support/Temp_Dir.h"

#include <gtest/gtest.h>

namespace
{
    const char* const EXAMPLE = "Lexikon des Teichs\n<Hecht>{Raubfisch}\n<Aal>\n{Wanderfisch}\n"
                                "<*Zellen> egal {Bausteine}\n<Alge>{<b>Produzent</b>}\n<hecht>{klein}\n";

    using Texts = std::vector<wxString>;

    // The builder after reading bytes, with its pages built.
    struct Built : Glossary_Builder
    {
        explicit Built(const std::string& bytes)
        {
            Read_Entries_From_Bytes(bytes, "/kurs");
            Build_Pages();
        }
        Texts Labels() const
        {
            Texts labels;
            for (const wxString& page : Get_Pages())
                labels.push_back(Page_Label(page));
            return labels;
        }
    };
}

TEST(Glossary, Gathers_Entries_Into_Pages_By_Initial_And_Star)
{
    Built glossary(EXAMPLE);
    EXPECT_EQ(glossary.Labels(), (Texts{"A", "H", "Zellen", "h"}));
    ASSERT_EQ(glossary.Get_Pages().size(), 4u);
    EXPECT_EQ(Glossary_Builder::Page_Html(glossary.Get_Pages()[0]),
              "<h4>Aal</h4><p>Wanderfisch</p><hr><h4>Alge</h4><p><b>Produzent</b></p>");
    EXPECT_EQ(Glossary_Builder::Page_Html(glossary.Get_Pages()[2]), "<h4>Zellen</h4><p>Bausteine</p>");
    // A "*" page sorts after its letter's page; order is by Windows-1252 bytes (Z < Š < Ä), whatever the encoding.
    EXPECT_EQ(Built("<*Zellen>{a}<Zander>{b}<Äsche>{}<Štika>{}<äsen>{}").Labels(), (Texts{L"Z", L"Zellen", L"Š", L"Ä", L"ä"}));
    EXPECT_EQ(Built("<\xC4sche>{}<\x8Atika>{}<Zander>{}").Labels(), (Texts{L"Z", L"Š", L"Ä"}));
    // Each "*" entry has a page of its own, also right after another.
    EXPECT_EQ(Built("<*Algen>{a}<*Zellen>{b}").Labels(), (Texts{"Algen", "Zellen"}));
}

TEST(Glossary, Reads_Titles_And_Bodies_By_The_Bracket_Rules)
{
    const struct { const char* Bytes; Texts Entries; char Missing; } cases[] = {
        // Line breaks (CR LF counting as one) become single blanks.
        {"<Nahrungs\r\nkette>{erste\r\nzweite\nZeile}", Texts{"Nahrungs kette:erste zweite Zeile"}, 0},
        {"<a<b>{x>y}", Texts{"a<b:x>y"}, 0},
        // An entry cut short by the end of the file keeps what was read.
        {"<Hecht>{Raubfisch}<Rotfe", Texts{"Hecht:Raubfisch", "Rotfe:"}, '>'},
        {"<Hecht>\n", Texts{"Hecht:"}, '{'},
        {"<Hecht>{Ein Raub", Texts{"Hecht:Ein Raub"}, '}'},
        // The empty entry is dropped; one with only a title or a body stays.
        {"<>{}<Titel>{}<>{Text}", Texts{":Text", "Titel:"}, 0},
        {"<>{}", {}, 0},
        {"Vorwort\n<Hecht>{Raubfisch}\nNachwort ohne Klammern\n", Texts{"Hecht:Raubfisch"}, 0},
    };
    for (const auto& c : cases)
    {
        Built glossary(c.Bytes);
        EXPECT_EQ(glossary.Get_Entries(), c.Entries) << c.Bytes;
        EXPECT_EQ(glossary.Get_Cut_Entry().Missing, c.Missing) << c.Bytes;
    }
    // A colon in the title ends the heading there; a title alone gives an empty paragraph.
    EXPECT_EQ(Built("<Art: Hecht>{Esox}").Get_Pages(), (Texts{"A:<h4>Art</h4><p> Hecht:Esox</p>"}));
    EXPECT_EQ(Built("<Teich>").Get_Pages(), (Texts{"T:<h4>Teich</h4><p></p>"}));
}

TEST(Glossary, Replaces_The_Marker_By_The_Files_Directory)
{
    Temp_Dir dir;
    dir.Write("kurs/lexikon/lexikon.txt", "<Bild GLOSSAR_PATH>{<img src=\"GLOSSAR_PATH/teich.png\">GLOSSAR_PATHGLOSSAR_PATH}");
    const wxString path = dir.File("kurs/lexikon");
    Glossary_Builder builder;
    In_Directory here(dir.Path());
    ASSERT_TRUE(builder.Read_Entries("kurs/./lexikon/lexikon.txt"));
    EXPECT_EQ(builder.Get_Entries(), Texts({"Bild " + path + ":<img src=\"" + path + "/teich.png\">" + path + path}));
}

