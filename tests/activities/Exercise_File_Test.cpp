#include "activities/Answer_Code.h"
#include "activities/Exercise_File.h"
#include "activities/Glossary_Builder.h"
#include "shell/CSim_Config.h"

#include <gtest/gtest.h>
#include <wx/utils.h>

TEST(Answer_Code, Marker_Label_And_Correctness)
{
    const struct { const char* Value; bool Correct; const char* Label; } cases[] = {
        {"1:Hecht", true, "Hecht"}, {"0:Rotfeder", false, "Rotfeder"}, {"x:Karpfen", false, "Karpfen"},
        {"n:Karpfen", false, "Karpfen"}, {"l:Hecht", false, "Hecht"}, {"10:Zehn Hechte", false, "10:Zehn Hechte"},
        {"Ohne Doppelpunkt", false, "Ohne Doppelpunkt"}, {":Hecht", false, ":Hecht"}, {"", false, ""},
        {"1", true, ""}, {"1:", true, ""}, {"0", false, ""}, {"1:Uhrzeit: 12:30", true, "Uhrzeit: 12:30"}, {"1::", true, ":"}};
    for (const auto& c : cases)
    {
        const Answer_Code code = Parse_Answer_Code(c.Value);
        EXPECT_EQ(code.Correct, c.Correct) << c.Value;
        EXPECT_EQ(code.Label, c.Label) << c.Value;
    }
    // A picture is asked for by "IMAGE:" anywhere; its name follows the label's first colon.
    EXPECT_FALSE(Is_Picture_Label("image:bilder/hecht.png"));
    EXPECT_TRUE(Is_Picture_Label("Ein Raubfisch IMAGE:bilder/hecht.png"));
    EXPECT_EQ(Get_Picture_Name("Ein Raubfisch IMAGE:bilder/hecht.png"), "bilder/hecht.png");
    EXPECT_EQ(Get_Picture_Name("Bild: IMAGE:hecht.png"), " IMAGE:hecht.png");
}

// A slip in a marker, a picture name or a bracket of the demo course would
// otherwise only show in front of a class.
TEST(Demo_Course, Self_Test_Glossary_And_Reflections_Read_Cleanly)
{
    const wxString course = CORVENA_SOURCE_DIR "/course/";
    std::vector<Exercise_Question> questions;
    ASSERT_TRUE(Read_Exercise_File(course + "selbsttest/selbsttest.ini", &questions));
    EXPECT_GE(questions.size(), 8u);
    for (const Exercise_Question& question : questions)
    {
        int correct = 0;
        for (const Exercise_Answer& answer : question.Answers)
        {
            correct += answer.Correct;
            EXPECT_EQ(answer.Label.Contains("IMAGE:"), !answer.Picture.empty()) << answer.Label.utf8_str().data();
        }
        EXPECT_TRUE(correct >= 1 && correct < int(question.Answers.size())) << question.Text.utf8_str().data();
    }

    Glossary_Builder glossary;
    ASSERT_TRUE(glossary.Read_Entries(course + "lexikon/lexikon.txt"));
    EXPECT_GE(glossary.Get_Entries().size(), 20u);
    EXPECT_EQ(glossary.Get_Cut_Entry().Missing, 0);
    for (const wxString& entry : glossary.Get_Entries())
        EXPECT_EQ(entry.find_first_of("{}"), wxString::npos) << entry.utf8_str().data();

    CSim_Config reflection(course + "reflexion/reflexion.ini");
    long min_length = 0, cookie;
    EXPECT_TRUE(reflection.Read("MIN_LENGTH", &min_length) && min_length > 0);
    wxString value;
    reflection.Read_File("Logfile", &value);
    EXPECT_EQ(value, wxGetHomeDir() + "/Sim-Corvena/reflexion_antworten.txt");  // the pupil's folder, not the course
    int topics = 0;
    for (bool ok = reflection.Get_First_Group(&value, &cookie); ok; ok = reflection.Get_Next_Group(&value, &cookie))
        topics++;
    EXPECT_EQ(topics, 3);
}
