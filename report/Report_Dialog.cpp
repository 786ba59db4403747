#include "report/Report_Dialog.h"

#include "report/Class_Report.h"
#include "shell/Link_Launcher.h"
#include "shell/Message_Box.h"

#include <wx/dirdlg.h>
#include <wx/filename.h>
#include <wx/filesys.h>
#include <wx/utils.h>

int Run_Report_Dialog(const wxString& course)
{
    const wxString caption = wxString::FromUTF8("Sim-Corvena Auswertung");
    wxDirDialog dialog(nullptr, wxString::FromUTF8("Klassenordner mit den Aufzeichnungen wählen"), wxGetHomeDir(),
                       wxDD_DEFAULT_STYLE | wxDD_DIR_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK || dialog.GetPath().empty())
        return Report_Result::Complete;
    const Report_Request request = {dialog.GetPath(), course, wxString()};
    const wxString out = Report_Folder(request);
    if (Is_Earlier_Report(out)
        && Message_Box(wxString::FromUTF8("Im Klassenordner gibt es schon eine Auswertung:\n") + out
                           + wxString::FromUTF8("\n\nSoll sie durch eine neue ersetzt werden?"),
                       caption, wxYES_NO | wxICON_QUESTION) != wxYES)
        return Report_Result::Complete;

    Report_Result result;
    {
        wxBusyCursor busy;
        result = Write_Class_Report(request);
    }
    if (result.What == Report_Result::Not_Written)
    {
        Message_Box(result.Message, caption, wxOK | wxICON_ERROR);
        return result.What;
    }
    if (result.What == Report_Result::Unread)
        Message_Box(wxString::FromUTF8("Die Auswertung ist geschrieben, aber nicht alle Aufzeichnungen ließen "
                                       "sich lesen; der Bericht nennt sie unter „Übergangene Dateien“.\n\n")
                        + result.Message,
                    caption, wxOK | wxICON_WARNING);
    Launch_Link({Link_Launch::Browser, wxFileSystem::FileNameToURL(wxFileName(result.Out, "bericht.html"))});
    return result.What;
}
