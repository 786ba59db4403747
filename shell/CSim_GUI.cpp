#include "shell/CSim_GUI.h"

#include "common/Text_Codec.h"
#include "shell/CSim_Frame.h"
#include "shell/Icon_Art_Provider.h"
#include "shell/Command_Line.h"
#include "checker/Course_Checker.h"
#include "shell/Program_Dir.h"
#include "shell/Session_End.h"

#include <cstdio>
#include <wx/init.h>
#include <wx/translation.h>

wxIMPLEMENT_APP_NO_MAIN(CSim_GUI);

namespace
{
    wxString s_Start_File;
    wxString s_Theme_File;
}

CSim_GUI::CSim_GUI() : m_pFrame(nullptr)
{
}

void CSim_GUI::Set_Course_Files(const wxString& start_file, const wxString& theme_file)
{
    s_Start_File = start_file;
    s_Theme_File = theme_file;
}

bool CSim_GUI::OnInit()
{
    // The interface is German: the toolkit's own texts (message box
    // captions, button labels) come from its German catalogue.
    wxTranslations* translations = new wxTranslations;
    translations->SetLanguage(wxLANGUAGE_GERMAN);
    translations->AddStdCatalog();
    wxTranslations::Set(translations);
    Set_Program_Dir(Find_Executable_Dir());
    wxArtProvider::Push(new Icon_Art_Provider(Get_Program_Dir() + "icons"));
    Install_Session_End_Handlers();
    m_pFrame = new CSim_Frame(s_Start_File, s_Theme_File);
    return true;
}

int main(int argc, char** argv)
{
    Use_UTF8_Character_Locale();
    wxArrayString args;
    for (int i = 1; i < argc; i++)
        args.push_back(wxString(argv[i], *wxConvFileName));

    // Help and the course check run without a display.
    Command_Line line = Command_Line::Parse(args);
    switch (line.What)
    {
    case Command_Line::Help:
        fputs(Command_Line::Help_Text().utf8_str(), stdout);
        return 0;
    case Command_Line::Error:
        fprintf(stderr, "%s\n\n%s", (const char*)line.Message.utf8_str(),
                (const char*)Command_Line::Help_Text().utf8_str());
        return 2;
    case Command_Line::Check:
    {
        // A console application object: the toolkit then starts without
        // connecting to a display.
        wxApp::SetInstance(new wxAppConsole);
        wxInitializer toolkit;
        if (!toolkit.IsOk())
            return 2;
        Set_Program_Dir(Find_Executable_Dir());
        return Check_Course(line.Path, stdout);
    }
    case Command_Line::Run:
        break;
    }
    CSim_GUI::Set_Course_Files(line.Start_File, line.Theme_File);
    return wxEntry(argc, argv);
}
