#include "shell/File_Choice.h"

#include "common/Chosen_Path.h"
#include "common/Record_File.h"
#include "shell/Message_Box.h"
#include "shell/Session_End.h"

#include <wx/filedlg.h>
#include <wx/filename.h>

wxString Choose_File(const wxString& title, const wxString& default_dir,
                     const wxString& default_name, const wxString& default_ext,
                     const wxString& filter, long style, wxWindow* parent)
{
    // Whether an existing file may be replaced is asked here, once the
    // extension has been added: the toolkit would ask about the name as typed.
    const bool ask = (style & wxFD_SAVE) && (style & wxFD_OVERWRITE_PROMPT);
    wxString dir = default_dir, name = default_name;
    while (!Is_Session_Ending())
    {
        wxFileDialog dialog(parent, title, dir, name, filter, style & ~wxFD_OVERWRITE_PROMPT);
        if (dialog.ShowModal() != wxID_OK)
            return wxString();
        wxFileName path(Chosen_Path(dialog));
        if (!path.HasName())
            return wxString();
        if ((style & wxFD_SAVE) && !default_ext.empty() && !path.HasExt())
            path.SetExt(default_ext);
        if (!ask || !path.FileExists()
            || Message_Box(Replace_Question(path.GetFullPath()), title, wxYES_NO | wxICON_QUESTION, parent) == wxYES)
            return path.GetFullPath();
        // "Nein": back to the dialog, at the name typed.
        dir = path.GetPath();
        name = path.GetFullName();
    }
    return wxString();
}
