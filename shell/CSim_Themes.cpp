#include "shell/CSim_Themes.h"

#include "activities/CSim_Glossar.h"
#include "activities/CSim_Reflections.h"
#include "activities/CSim_Selftest.h"
#include "shell/CSim_Config.h"
#include "shell/Theme_Entry.h"
#include "shell/Exercise_Settings.h"

#include <algorithm>
#include <climits>

CSim_Themes::CSim_Themes(wxWindow* parent, const wxString& path)
    : m_pRoot(nullptr), m_pGlossar(nullptr), m_pSelftest(nullptr), m_pReflections(nullptr)
{
    CSim_Config config(path);
    config.Read("/General/Name", &m_Name, "Sim-Corvena");
    Read_Settings(config);

    // The activities come before the themes, so every theme sees the final
    // settings.
    Create_Glossar(parent, config);
    Create_Selftest(parent, config);
    Create_Reflections(parent, config);

    config.Set_Path("/Themes");
    m_pRoot = new Theme_Entry(parent, config);
}

CSim_Themes::~CSim_Themes()
{
    delete m_pRoot;
    // The main window destroys the glossary once it is made.
    if (m_pGlossar && !m_pGlossar->Is_Made())
        delete m_pGlossar;
}

void CSim_Themes::Read_Settings(CSim_Config& config)
{
    long seconds = 0;
    config.Read("/General/TimeOut", &seconds);
    Set_Default_TimeOut(int(std::max<long>(INT_MIN, std::min<long>(INT_MAX, seconds))));

    wxString text;
    if (config.Read("/General/Exercises/Text_Okay", &text))
        Set_Exercise_Text(1, text);
    if (config.Read("/General/Exercises/Text_Failed", &text))
        Set_Exercise_Text(2, text);

    const char* keys[3] = {"/General/Exercises/Show", "/General/Exercises/Button_Show",
                           "/General/Exercises/Button_Reset"};
    for (int i = 0; i < 3; i++)
    {
        long value;
        if (config.Read(keys[i], &value))
            Set_Exercise_Flag(i + 1, value != 0);
    }
}

void CSim_Themes::Create_Glossar(wxWindow* parent, CSim_Config& config)
{
    wxString file;
    if (!config.Read_File("/General/Glossar", &file))
        return;
    m_pGlossar = new CSim_Glossar(parent, file);
    if (!m_pGlossar->Has_Pages())
    {
        m_pGlossar->Destroy();
        m_pGlossar = nullptr;
    }
}

void CSim_Themes::Create_Selftest(wxWindow* parent, CSim_Config& config)
{
    wxString file;
    if (!config.Read_File("/General/Selftest", &file))
        return;
    long time;
    config.Read("/General/Selftest_Time", &time, 60);
    m_pSelftest = new CSim_Selftest(parent, file, int(std::max<long>(INT_MIN, std::min<long>(INT_MAX, time))));
    if (!m_pSelftest->Has_Questions())
    {
        m_pSelftest->Destroy();
        m_pSelftest = nullptr;
    }
}

void CSim_Themes::Create_Reflections(wxWindow* parent, CSim_Config& config)
{
    wxString file;
    if (!config.Read_File("/General/Reflections", &file))
        return;
    m_pReflections = new CSim_Reflections(parent, file);
    if (m_pReflections->Get_Item_Count() == 0)
    {
        m_pReflections->Destroy();
        m_pReflections = nullptr;
    }
}

bool CSim_Themes::Show_Glossar_Entry(const wxString& text)
{
    m_pGlossar->Make_Pages();
    for (size_t i = 0; i < m_pGlossar->GetPageCount(); i++)
        if (m_pGlossar->GetPageText(i).CmpNoCase(text) == 0)
        {
            m_pGlossar->SetSelection(i);
            return true;
        }
    return false;
}
