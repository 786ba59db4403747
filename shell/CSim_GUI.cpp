#include "shell/CSim_GUI.h"

#include "common/Text_Codec.h"
#include "shell/CSim_Frame.h"
#include "shell/Icon_Art_Provider.h"
#include "shell/Command_Line.h"
#include "checker/Course_Checker.h"
#include "checker/Course_Template.h"
#include "report/Class_Report.h"
#include "report/Report_Dialog.h"
#include "shell/Preview_Mode.h"
#include "shell/Program_Dir.h"
#include "shell/Session_End.h"
#include "shell/Toolkit_Texts.h"

#include <cstdio>
#include <wx/init.h>

wxIMPLEMENT_APP_NO_MAIN(CSim_GUI);

namespace
{
    wxString s_Start_File;
    wxString s_Theme_File;

    /// The class report started without a folder: its dialogs, and no main window.
    class Report_App : public wxApp
    {
    public:
        explicit Report_App(const wxString& course) : m_Course(course) {}

        bool OnInit() override
        {
            Use_German_Toolkit_Texts();
            s_Status = Run_Report_Dialog(m_Course);
            return false;
        }

        static int s_Status;

    private:
        wxString m_Course;
    };

    int Report_App::s_Status = 0;
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
    // The interface is German, the toolkit's own texts too.
    Use_German_Toolkit_Texts();
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

    // Help, the course check and the class report run without a display.
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
    case Command_Line::New_Course:
    {
        // A console application object: the toolkit then starts without
        // connecting to a display.
        wxApp::SetInstance(new wxAppConsole);
        wxInitializer toolkit;
        if (!toolkit.IsOk())
            return 2;
        Set_Program_Dir(Find_Executable_Dir());
        if (line.What == Command_Line::New_Course)
            return Write_Course_Template(line.Path, stdout, stderr);
        return Check_Course(line.Path, stdout);
    }
    case Command_Line::Report:
    {
        if (line.Path.empty())
        {
            wxApp::SetInstance(new Report_App(line.Course));
            wxEntry(argc, argv);
            return Report_App::s_Status;
        }
        wxApp::SetInstance(new wxAppConsole);
        wxInitializer toolkit;
        if (!toolkit.IsOk())
            return 2;
        return Report_Class({line.Path, line.Course, line.Out}, stdout, stderr);
    }
    case Command_Line::Run:
        break;
    }
    Set_Preview(line.bPreview);
    CSim_GUI::Set_Course_Files(line.Start_File, line.Theme_File);
    return wxEntry(argc, argv);
}
