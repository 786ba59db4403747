#include "activities/Exercise_File.h"
#include "common/Text_Codec.h"
#include "shell/CSim_Config.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
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

    // Every file a theme names, by key, through the whole theme tree.
    void Collect_Files(CSim_Config& config, std::multimap<wxString, wxString>& files)
    {
        for (const char* key : {"Content", "Tasks", "Exercises"})
        {
            wxString file;
            if (config.Exists(key))
            {
                EXPECT_TRUE(config.Read_File(key, &file)) << config.Get_Path().utf8_str().data() << " " << key;
                files.emplace(key, file);
            }
        }
        const wxString path = config.Get_Path();
        wxString group;
        long cookie;
        for (bool more = config.Get_First_Group(&group, &cookie); more; more = config.Get_Next_Group(&group, &cookie))
        {
            config.Set_Path(group);
            Collect_Files(config, files);
            config.Set_Path(path);
        }
    }
}

TEST(Demo_Course, Theme_File_Names_Existing_Files_And_Records_Go_Home)
{
    CSim_Config config(COURSE + "themen.ini");
    ASSERT_TRUE(config.Is_Open());
    wxString file;
    for (const char* key : {"/General/Glossar", "/General/Selftest", "/General/Reflections"})
        EXPECT_TRUE(config.Read_File(key, &file)) << key;

    config.Set_Path("/Themes");
    std::multimap<wxString, wxString> files;
    Collect_Files(config, files);
    EXPECT_EQ(files.count("Content"), 10u);
    EXPECT_EQ(files.count("Tasks"), 10u);
    EXPECT_EQ(files.count("Exercises"), 4u);
    for (const auto& named : files)
    {
        if (named.first == "Exercises")
        {
            Read_Answerable(named.second.Mid(COURSE.length()));
            continue;
        }
        // Plain ASCII with entities: readable whatever code page a course uses.
        std::string bytes;
        ASSERT_TRUE(Read_File_Bytes(named.second, bytes));
        EXPECT_EQ(std::count_if(bytes.begin(), bytes.end(), [](char c) { return c & 0x80; }), 0)
            << named.second.utf8_str().data();
    }

    CSim_Config start(COURSE + "sim_corvena.ini.in");
    for (const char* key : {"LOGFILE", "NOTEPADFILE"})
    {
        EXPECT_TRUE(start.Read(key, &file)) << key;
        EXPECT_TRUE(file.StartsWith("~/Sim-Corvena/")) << key;
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
