#include "activities/Exercise_File.h"

#include <gtest/gtest.h>
#include <wx/filename.h>

// The exercise and self-test files of the demo course must read as intended:
// a slip in a marker or a picture name would only show in front of a class.

namespace
{
    const wxString COURSE = wxString(CORVENA_SOURCE_DIR) + "/course/";

    void Expect_Answerable(const Exercise_Question& question)
    {
        SCOPED_TRACE(std::string(question.Text.utf8_str()));
        EXPECT_FALSE(question.Text.empty());
        EXPECT_GE(question.Answers.size(), 2u);
        int correct = 0;
        for (const Exercise_Answer& answer : question.Answers)
            correct += answer.Correct;
        EXPECT_GE(correct, 1);
        EXPECT_LT(correct, int(question.Answers.size()));
    }
}

TEST(Demo_Course, Exercise_Files_Hold_Two_To_Four_Answerable_Questions)
{
    for (const char* name : {"nahrungskette.ini", "raeuber_beute.ini", "kapazitaet.ini", "karpfen.ini"})
    {
        SCOPED_TRACE(name);
        std::vector<Exercise_Question> questions;
        ASSERT_TRUE(Read_Exercise_File(COURSE + "uebungen/" + name, &questions));
        EXPECT_GE(questions.size(), 2u);
        EXPECT_LE(questions.size(), 4u);
        for (const Exercise_Question& question : questions)
        {
            Expect_Answerable(question);
            for (const Exercise_Answer& answer : question.Answers)
                EXPECT_FALSE(answer.Label.empty());
        }
    }
}

TEST(Demo_Course, Self_Test_Has_Picture_Questions_With_Small_Pictures)
{
    std::vector<Exercise_Question> questions;
    ASSERT_TRUE(Read_Exercise_File(COURSE + "selbsttest/selbsttest.ini", &questions));
    EXPECT_GE(questions.size(), 8u);

    int picture_questions = 0;
    std::vector<wxString> pictures;
    for (const Exercise_Question& question : questions)
    {
        Expect_Answerable(question);
        if (!question.Image.empty())
            pictures.push_back(question.Image);
        int with_picture = 0;
        for (const Exercise_Answer& answer : question.Answers)
        {
            if (answer.Label.Contains("IMAGE:"))
            {
                // Every picture the file asks for is there.
                EXPECT_FALSE(answer.Picture.empty()) << answer.Label.utf8_str().data();
                with_picture++;
                pictures.push_back(answer.Picture);
            }
        }
        if (with_picture == int(question.Answers.size()))
            picture_questions++;
    }
    EXPECT_GE(picture_questions, 2);
    for (const wxString& picture : pictures)
    {
        wxULongLong size = wxFileName::GetSize(picture);
        EXPECT_GT(size, 0u) << picture.utf8_str().data();
        EXPECT_LT(size, 40u * 1024) << picture.utf8_str().data();
    }
}
