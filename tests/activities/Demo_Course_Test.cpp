#include "activities/Exercise_File.h"

#include <gtest/gtest.h>
#include <wx/filename.h>

// A slip in a marker or a picture name of the demo course would otherwise
// only show in front of a class.

namespace
{
    const wxString COURSE = wxString(CORVENA_SOURCE_DIR) + "/course/";

    std::vector<Exercise_Question> Read_Answerable(const wxString& file)
    {
        std::vector<Exercise_Question> questions;
        EXPECT_TRUE(Read_Exercise_File(COURSE + file, &questions));
        for (const Exercise_Question& question : questions)
        {
            int correct = 0;
            for (const Exercise_Answer& answer : question.Answers)
                correct += answer.Correct;
            EXPECT_TRUE(correct >= 1 && correct < int(question.Answers.size())) << question.Text.utf8_str().data();
        }
        return questions;
    }
}

TEST(Demo_Course, Exercises_And_Self_Test_Are_Answerable_And_Complete)
{
    for (const char* name : {"nahrungskette.ini", "raeuber_beute.ini", "kapazitaet.ini", "karpfen.ini"})
    {
        size_t count = Read_Answerable(wxString("uebungen/") + name).size();
        EXPECT_TRUE(count >= 2 && count <= 4) << name;
    }

    std::vector<Exercise_Question> questions = Read_Answerable("selbsttest/selbsttest.ini");
    EXPECT_GE(questions.size(), 8u);
    int picture_questions = 0;
    for (const Exercise_Question& question : questions)
    {
        size_t pictures = 0;
        for (const Exercise_Answer& answer : question.Answers)
        {
            EXPECT_EQ(answer.Label.Contains("IMAGE:"), !answer.Picture.empty()) << answer.Label.utf8_str().data();
            if (!answer.Picture.empty())
            {
                pictures++;
                EXPECT_LT(wxFileName::GetSize(answer.Picture), 40u * 1024);
            }
        }
        picture_questions += pictures == question.Answers.size();
    }
    EXPECT_GE(picture_questions, 2);
}
