#include "activities/Exercise_File.h"

#include "tests/support/Temp_Dir.h"

#include <gtest/gtest.h>
#include <random>

namespace
{
    std::vector<Exercise_Question> Read(const Temp_Dir& dir, const std::string& bytes)
    {
        dir.Write("uebung.ini", bytes);
        std::vector<Exercise_Question> questions;
        EXPECT_TRUE(Read_Exercise_File(dir.File("uebung.ini"), &questions));
        return questions;
    }
}

TEST(Exercise_File, Reads_Usable_Groups_In_Name_Order)
{
    Temp_Dir dir;
    std::vector<Exercise_Question> questions = Read(dir,
        "[Frage2]\nQuestion=Zweite\n[Frage2/Answers]\nb=1:B\nA=0:A\nc=1:C\n"
        "[Frage1]\nQuestion=R\xE4uber?\n[Frage1/Answers]\nx=1:Hecht\n"
        "[Frage3_ohne_Text]\n[Frage3_ohne_Text/Answers]\na=1:Ja\n"
        "[Frage4_ohne_Antworten]\nQuestion=Wo?\n"
        "[Frage5_leer]\nQuestion=Leer?\n[Frage5_leer/Answers]\n"
        "[Frage6_Schluessel]\nQuestion=Schluessel?\nAnswers=1:Ja\n"
        "[Frage7_Pfade]\nQuestion=Pfade\n[Frage7_Pfade/Answers]\n../Question=1:weg\nq/r=1:weg\na=0:bleibt\n");
    ASSERT_EQ(questions.size(), 3u);
    EXPECT_EQ(questions[0].Text, wxString::FromUTF8("Räuber?"));
    ASSERT_EQ(questions[1].Answers.size(), 3u);
    EXPECT_EQ(questions[1].Answers[0].Label, "A");
    EXPECT_FALSE(questions[1].Answers[0].Correct);
    EXPECT_EQ(questions[1].Answers[1].Label, "B");
    EXPECT_TRUE(questions[1].Answers[2].Correct);
    // Entry names that are paths would read another group's value.
    ASSERT_EQ(questions[2].Answers.size(), 1u);
    EXPECT_EQ(questions[2].Answers[0].Label, "bleibt");
}

TEST(Exercise_File, Missing_Empty_And_Binary_Files)
{
    Temp_Dir dir;
    std::vector<Exercise_Question> questions(1);
    EXPECT_FALSE(Read_Exercise_File(dir.File("fehlt.ini"), &questions));
    EXPECT_FALSE(Read_Exercise_File(dir.Path(), &questions));
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_TRUE(Read(dir, "").empty());

    std::mt19937 random(4711);
    for (int round = 0; round < 20; round++)
    {
        std::string bytes(4096, '\0');
        for (char& c : bytes)
            c = char(random());
        bytes += "\n[X]\nQuestion=\x01\n[X/Answers]\n\x80=\xFF:\n";
        std::vector<Exercise_Question> read = Read(dir, bytes);
        ASSERT_FALSE(read.empty());
        for (const Exercise_Question& question : read)
            EXPECT_FALSE(question.Answers.empty());
        EXPECT_EQ(read.back().Answers.size(), 1u);
    }
}
