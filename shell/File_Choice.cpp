#include "shell/File_Choice.h"

#include <wx/filedlg.h>
#include <wx/filename.h>

wxString Choose_File(const wxString& title, const wxString& default_dir,
                     const wxString& default_name, const wxString& default_ext,
                     const wxString& filter, long style, wxWindow* parent)
{
    wxFileDialog dialog(parent, title, default_dir, default_name, filter, style);
    if (dialog.ShowModal() != wxID_OK)
        return wxString();
    wxString file = dialog.GetFilename();
    if (file.empty())
        return wxString();
    wxFileName name(dialog.GetDirectory(), file);
    if ((style & wxFD_SAVE) && !default_ext.empty() && !name.HasExt())
        name.SetExt(default_ext);
    return name.GetFullPath();
}
