#include "report/Course_Items.h"

#include "common/Record_Texts.h"
#include "shell/CSim_Config.h"
#include "shell/Command_Line.h"

#include <algorithm>
#include <wx/filename.h>

namespace
{
    void Add_Theme(CSim_Config& config, Course_Items* items)
    {
        wxString name, file;
        config.Read("Name", &name, "Unbenannt");
        items->Labels.push_back(name);
        if (config.Read("Exercises", &file))
        {
            config.Resolve_File(&file);
            items->Exercises.emplace(wxFileName(file).GetFullName(), name);
        }
        const wxString path = config.Get_Path();
        for (const wxString& group : config.Get_Group_Names())
        {
            config.Set_Path(group);
            Add_Theme(config, items);
            config.Set_Path(path);
        }
    }
}

bool Course_Items::Is_Item(const wxString& label) const
{
    return std::find(Labels.begin(), Labels.end(), label) != Labels.end();
}

bool Read_Course_Items(const wxString& path, Course_Items* items)
{
    wxString themes = path;
    if (Command_Line::Is_Start_File(path) && !CSim_Config(path).Read_File("/THEMES", &themes))
        return false;
    CSim_Config config(themes);
    if (!config.Is_Open())
        return false;
    *items = Course_Items();
    config.Read("/General/Name", &items->Title, "Sim-Corvena");
    config.Set_Path("/Themes");
    Add_Theme(config, items);
    items->Root = items->Labels.front();
    items->Labels.push_back(Record_Text(Record_Texts::Glossary_Item));
    return true;
}
