#include "activities/Exercise_File.h"

#include "activities/Answer_Code.h"
#include "shell/CSim_Config.h"

bool Read_Exercise_Question(CSim_Config& config, Exercise_Question* question)
{
    Exercise_Question read;
    if (!config.Read("Question", &read.Text) || !config.Exists("Answers"))
        return false;
    if (!config.Read_File("Image", &read.Image))
        read.Image.clear();

    config.Set_Path("Answers");
    wxString name;
    long cookie;
    for (bool more = config.Get_First_Entry(&name, &cookie); more; more = config.Get_Next_Entry(&name, &cookie))
    {
        // An entry name that reads as a path ("../Question") would fetch a
        // value from another group: such a line is no answer.
        wxString value;
        if (name.Contains("/") || name == ".." || !config.Read(name, &value))
            continue;
        Answer_Code code = Parse_Answer_Code(value);

        Exercise_Answer answer;
        answer.Correct = code.Correct;
        answer.Label = code.Label;
        if (Is_Picture_Label(code.Label))
        {
            wxString picture = Get_Picture_Name(code.Label);
            if (config.Resolve_File(&picture))
                answer.Picture = picture;
        }
        read.Answers.push_back(answer);
    }
    if (read.Answers.empty())
        return false;
    *question = read;
    return true;
}

bool Read_Exercise_File(const wxString& path, std::vector<Exercise_Question>* questions)
{
    CSim_Config config(path);
    if (!config.Is_Open())
        return false;

    std::vector<Exercise_Question> read;
    const wxString home = config.Get_Path();
    for (const wxString& group : config.Get_Group_Names())
    {
        config.Set_Path(group);
        Exercise_Question question;
        if (Read_Exercise_Question(config, &question))
            read.push_back(question);
        config.Set_Path(home);
    }
    *questions = read;
    return true;
}
