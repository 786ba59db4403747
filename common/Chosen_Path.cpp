#include "common/Chosen_Path.h"

#include <wx/filedlg.h>
#include <wx/filename.h>

wxString Chosen_Path(const wxFileDialog& dialog)
{
    const wxString path = dialog.GetPath();
    if (wxFileName(path).IsAbsolute())
        return path;
    if (dialog.GetFilename().empty())
        return wxString();
    return wxFileName(dialog.GetDirectory(), dialog.GetFilename()).GetFullPath();
}
