#include "shell/Exercise_Settings.h"

namespace
{
    bool s_Flags[3] = {true, false, true};
    wxString s_Texts[2] = {"Test bestanden.", "Test nicht bestanden."};
    int s_Default_TimeOut = 0;
}

bool Get_Exercise_Flag(int index)
{
    return index >= 1 && index <= 3 ? s_Flags[index - 1] : false;
}

void Set_Exercise_Flag(int index, bool value)
{
    if (index >= 1 && index <= 3)
        s_Flags[index - 1] = value;
}

wxString Get_Exercise_Text(int index)
{
    return index >= 1 && index <= 2 ? s_Texts[index - 1] : wxString();
}

void Set_Exercise_Text(int index, const wxString& text)
{
    if (index >= 1 && index <= 2)
        s_Texts[index - 1] = text;
}

void Init_Exercise_Settings()
{
    s_Flags[0] = true;
    s_Flags[1] = false;
    s_Flags[2] = true;
    s_Texts[0] = "Test bestanden.";
    s_Texts[1] = "Test nicht bestanden.";
}

int Get_Default_TimeOut()
{
    return s_Default_TimeOut;
}

void Set_Default_TimeOut(int seconds)
{
    s_Default_TimeOut = seconds;
}
