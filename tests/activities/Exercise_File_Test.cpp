#include "activities/Exercise_File.h"

#include "shell/CSim_Config.h"
#include "tests/support/Temp_Dir.h"

#include <gtest/gtest.h>
#include <random>

namespace
{
    const char* const EXAMPLE =
        "[Frage2]\n"
        "Question=Welche Aussagen stimmen?\n"
        "[Frage2/Answers]\n"
        "3=0:Dritte Aussage\n"
        "1=1:Erste Aussage\n"
        "2=1:Zweite Aussage\n"
        "[Frage1]\n"
        "Question=Welches Tier ist ein R\xE4uber?\n"
        "[Frage1/Answers]\n"
        "b=1:Hecht\n"
        "A=0:Rotfeder\n";

    std::vector<Exercise_Question> Read(const Temp_Dir& dir, const std::string& bytes)
    {
        dir.Write("uebung.ini", bytes);
        std::vector<Exercise_Question> questions;
        EXPECT_TRUE(Read_Exercise_File(dir.File("uebung.ini"), &questions));
        return questions;
    }
}

TEST(Exercise_File, Reads_Questions_And_Answers_In_Name_Order)
{
    Temp_Dir dir;
    std::vector<Exercise_Question> questions = Read(dir, EXAMPLE);
    ASSERT_EQ(questions.size(), 2u);

    EXPECT_EQ(questions[0].Text, wxString::FromUTF8("Welches Tier ist ein Räuber?"));
    ASSERT_EQ(questions[0].Answers.size(), 2u);
    EXPECT_EQ(questions[0].Answers[0].Label, "Rotfeder");
    EXPECT_FALSE(questions[0].Answers[0].Correct);
    EXPECT_EQ(questions[0].Answers[1].Label, "Hecht");
    EXPECT_TRUE(questions[0].Answers[1].Correct);

    ASSERT_EQ(questions[1].Answers.size(), 3u);
    EXPECT_EQ(questions[1].Answers[0].Label, "Erste Aussage");
    EXPECT_TRUE(questions[1].Answers[0].Correct);
    EXPECT_TRUE(questions[1].Answers[1].Correct);
    EXPECT_EQ(questions[1].Answers[2].Label, "Dritte Aussage");
    EXPECT_FALSE(questions[1].Answers[2].Correct);
}

TEST(Exercise_File, Leaves_Out_Groups_Without_Text_Or_Answers)
{
    Temp_Dir dir;
    std::vector<Exercise_Question> questions = Read(dir,
        "[A_Ohne_Text]\n"
        "[A_Ohne_Text/Answers]\n"
        "a=1:Ja\n"
        "[B_Ohne_Antworten]\n"
        "Question=Wo sind die Antworten?\n"
        "[C_Leere_Antworten]\n"
        "Question=Leer?\n"
        "[C_Leere_Antworten/Answers]\n"
        "[D_Antworten_als_Schluessel]\n"
        "Question=Schluessel?\n"
        "Answers=1:Ja\n"
        "[E_Gut]\n"
        "Question=\n"
        "[E_Gut/Answers]\n"
        "a=1\n");
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].Text, "");
    ASSERT_EQ(questions[0].Answers.size(), 1u);
    EXPECT_TRUE(questions[0].Answers[0].Correct);
}

TEST(Exercise_File, Missing_Empty_And_Binary_Files_Give_No_Questions)
{
    Temp_Dir dir;
    std::vector<Exercise_Question> questions(1);
    EXPECT_FALSE(Read_Exercise_File(dir.File("fehlt.ini"), &questions));
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_FALSE(Read_Exercise_File(dir.Path(), &questions));

    EXPECT_TRUE(Read(dir, "").empty());

    std::mt19937 random(4711);
    for (int round = 0; round < 20; round++)
    {
        std::string bytes(4096, '\0');
        for (char& c : bytes)
            c = char(random());
        // Some structure among the noise, so that groups do get parsed.
        bytes += "\n[X]\nQuestion=\x01\x02\n[X/Answers]\n\x80=\xFF:\n../Question=1\nq/r=1:weg\n";
        std::vector<Exercise_Question> read = Read(dir, bytes);
        for (const Exercise_Question& question : read)
            EXPECT_FALSE(question.Answers.empty());
        // The last group: one answer; the names that are paths are none.
        ASSERT_FALSE(read.empty());
        EXPECT_EQ(read.back().Text, "\x01\x02");
        ASSERT_EQ(read.back().Answers.size(), 1u);
        EXPECT_EQ(read.back().Answers[0].Label, "");
        EXPECT_FALSE(read.back().Answers[0].Correct);
    }
}

TEST(Exercise_File, Keeps_Hundreds_Of_Questions_And_Long_Labels)
{
    Temp_Dir dir;
    std::string bytes;
    const std::string long_label(5000, 'W');
    for (int q = 0; q < 300; q++)
    {
        char group[32];
        snprintf(group, sizeof group, "F%03d", q);
        bytes += std::string("[") + group + "]\nQuestion=" + group + "\n[" + group + "/Answers]\n";
        for (int a = 0; a < 40; a++)
            bytes += "a" + std::to_string(100 + a) + "=" + (a % 2 ? "1:" : "0:") + (a ? "x" : long_label) + "\n";
    }
    std::vector<Exercise_Question> questions = Read(dir, bytes);
    ASSERT_EQ(questions.size(), 300u);
    EXPECT_EQ(questions[299].Text, "F299");
    ASSERT_EQ(questions[7].Answers.size(), 40u);
    EXPECT_EQ(questions[7].Answers[0].Label.length(), 5000u);
    EXPECT_TRUE(questions[7].Answers[39].Correct);
}

TEST(Exercise_File, Resolves_Pictures_Only_When_They_Exist)
{
    Temp_Dir dir;
    dir.Write("bilder/hecht.png", "egal");
    dir.Write("bilder/teich.png", "egal");
    std::vector<Exercise_Question> questions = Read(dir,
        "[Frage3]\n"
        "Question=Welcher Fisch frisst andere Fische?\n"
        "Image=bilder/teich.png\n"
        "[Frage3/Answers]\n"
        "a=1:IMAGE:bilder/hecht.png\n"
        "b=0:IMAGE:bilder/fehlt.png\n"
        "c=1:Ein Raubfisch IMAGE:bilder\\hecht.png\n"
        "d=0:Bild: IMAGE:bilder/hecht.png\n"
        "e=0:image:bilder/hecht.png\n"
        "f=0:IMAGE:\n"
        "[Frage4]\n"
        "Question=Ohne Bild\n"
        "Image=bilder/fehlt.png\n"
        "[Frage4/Answers]\n"
        "a=1:Ja\n");
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[0].Image, dir.File("bilder/teich.png"));
    EXPECT_EQ(questions[1].Image, "");

    const std::vector<Exercise_Answer>& answers = questions[0].Answers;
    ASSERT_EQ(answers.size(), 6u);
    EXPECT_EQ(answers[0].Picture, dir.File("bilder/hecht.png"));
    EXPECT_EQ(answers[1].Picture, "");
    EXPECT_EQ(answers[1].Label, "IMAGE:bilder/fehlt.png");
    EXPECT_EQ(answers[2].Picture, dir.File("bilder/hecht.png"));
    EXPECT_TRUE(answers[2].Correct);
    EXPECT_EQ(answers[3].Picture, "");  // its picture name is " IMAGE:bilder/hecht.png"
    EXPECT_EQ(answers[4].Picture, "");
    EXPECT_EQ(answers[5].Picture, "");
}

TEST(Exercise_File, Question_Reader_Works_On_The_Current_Group)
{
    Temp_Dir dir;
    dir.Write("test.ini", EXAMPLE);
    CSim_Config config(dir.File("test.ini"));
    config.Set_Path("/Frage2");
    Exercise_Question question;
    ASSERT_TRUE(Read_Exercise_Question(config, &question));
    EXPECT_EQ(question.Answers.size(), 3u);
    EXPECT_EQ(config.Get_Path(), "/Frage2/Answers");

    config.Set_Path("/");
    Exercise_Question untouched;
    untouched.Text = "vorher";
    EXPECT_FALSE(Read_Exercise_Question(config, &untouched));
    EXPECT_EQ(untouched.Text, "vorher");
}
