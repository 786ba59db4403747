// The demo course's glossary and reflection file stay well-formed: a stray
// bracket or a renamed picture shows up here.

#include "activities/Glossary_Builder.h"
#include "shell/CSim_Config.h"

#include <gtest/gtest.h>
#include <wx/filename.h>
#include <wx/utils.h>

namespace
{
    const wxString COURSE = CORVENA_SOURCE_DIR "/course/";
}

TEST(Demo_Course, Glossary_Has_Its_Entries_Own_Page_And_Picture)
{
    Glossary_Builder builder;
    ASSERT_TRUE(builder.Read_Entries(COURSE + "lexikon/lexikon.txt"));
    EXPECT_GE(builder.Get_Entries().size(), 20u);
    builder.Build_Pages();
    std::vector<wxString> labels;
    for (const wxString& page : builder.Get_Pages())
    {
        labels.push_back(Glossary_Builder::Page_Label(page));
        EXPECT_EQ(page.find_first_of("{}"), wxString::npos) << page.utf8_str();
    }
    EXPECT_NE(std::find(labels.begin(), labels.end(), "Nahrungsnetz"), labels.end());

    const wxString picture = COURSE + "lexikon/nahrungskette.png";
    EXPECT_LT(wxFileName::GetSize(picture), wxULongLong(40 * 1024));
    bool shown = false;
    for (const wxString& entry : builder.Get_Entries())
        shown |= entry.find("src=\"" + picture + "\"") != wxString::npos;
    EXPECT_TRUE(shown);
}

TEST(Demo_Course, Reflection_File_Has_Three_Topics)
{
    CSim_Config config(COURSE + "reflexion/reflexion.ini");
    ASSERT_TRUE(config.Is_Open());
    long min_length = 0;
    EXPECT_TRUE(config.Read("MIN_LENGTH", &min_length));
    EXPECT_GT(min_length, 0);
    wxString value;
    config.Read_File("Logfile", &value);
    // The answers go to the pupil's folder, not into the course.
    EXPECT_EQ(value, wxGetHomeDir() + "/Sim-Corvena/reflexion_antworten.txt");

    int topics = 0, pictures = 0;
    wxString group;
    long cookie;
    for (bool ok = config.Get_First_Group(&group, &cookie); ok; ok = config.Get_Next_Group(&group, &cookie))
    {
        topics++;
        config.Set_Path("/" + group);
        pictures += config.Read_File("Description_Img", &value);
        config.Set_Path("/");
    }
    EXPECT_EQ(topics, 3);
    EXPECT_GE(pictures, 1);
}
