// The glossary and the reflection file of the demo course stay well-formed:
// an author's stray bracket or a renamed picture shows up here.

#include "activities/Glossary_Builder.h"
#include "shell/CSim_Config.h"

#include <gtest/gtest.h>
#include <wx/filename.h>
#include <wx/regex.h>

namespace
{
    const wxString COURSE = CORVENA_SOURCE_DIR "/course/";
}

TEST(Demo_Course, Glossary_Has_Its_Entries_And_Pictures)
{
    Glossary_Builder builder;
    ASSERT_TRUE(builder.Read_Entries(COURSE + "lexikon/lexikon.txt"));
    EXPECT_GE(builder.Get_Entries().size(), 20u);
    builder.Build_Pages();
    bool has_own_page = false;
    for (const wxString& page : builder.Get_Pages())
    {
        has_own_page |= Glossary_Builder::Page_Label(page).length() > 1;
        // Brackets of the file format never end up in a page.
        EXPECT_EQ(page.find('{'), wxString::npos) << page.utf8_str();
        EXPECT_EQ(page.find('}'), wxString::npos) << page.utf8_str();
    }
    EXPECT_TRUE(has_own_page);

    wxRegEx picture("src=\"([^\"]+)\"");
    int pictures = 0;
    for (const wxString& entry : builder.Get_Entries())
    {
        wxString rest = entry;
        while (picture.Matches(rest))
        {
            wxString path = picture.GetMatch(rest, 1);
            EXPECT_TRUE(wxFileName::FileExists(path)) << path.utf8_str();
            EXPECT_LT(wxFileName::GetSize(path), wxULongLong(40 * 1024)) << path.utf8_str();
            pictures++;
            size_t start, length;
            picture.GetMatch(&start, &length, 0);
            rest = rest.substr(start + length);
        }
    }
    EXPECT_GE(pictures, 1);
}

TEST(Demo_Course, Reflection_File_Has_Three_Topics)
{
    CSim_Config config(COURSE + "reflexion/reflexion.ini");
    ASSERT_TRUE(config.Is_Open());
    long min_length = 0;
    EXPECT_TRUE(config.Read("MIN_LENGTH", &min_length));
    EXPECT_GT(min_length, 0);
    wxString value;
    for (const char* key : {"Title", "Intro", "MIN_PROMPT", "Logfile"})
        EXPECT_TRUE(config.Read(key, &value)) << key;
    config.Read_File("Logfile", &value);
    EXPECT_EQ(wxFileName(value).GetPath(), wxFileName(COURSE + "reflexion/").GetPath());

    int topics = 0, pictures = 0;
    wxString group;
    long cookie;
    for (bool ok = config.Get_First_Group(&group, &cookie); ok; ok = config.Get_Next_Group(&group, &cookie))
    {
        topics++;
        config.Set_Path("/" + group);
        for (const char* key : {"Reflection", "Description", "Assessment", "Explanation"})
            EXPECT_TRUE(config.Read(key, &value)) << group.utf8_str() << " " << key;
        if (config.Exists("Description_Img"))
        {
            EXPECT_TRUE(config.Read_File("Description_Img", &value)) << value.utf8_str();
            pictures++;
        }
        config.Set_Path("/");
    }
    EXPECT_EQ(topics, 3);
    EXPECT_GE(pictures, 1);
}
