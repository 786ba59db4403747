#include "plugins/pond/Pond_Export_Menu.h"

#include "common/Record_File.h"
#include "plugins/pond/CSim_Pond_Base.h"
#include "plugins/pond/Pond_Export.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/mstream.h>
#include <wx/window.h>

namespace
{
    struct Export_Kind
    {
        int Command;
        const char* Title;
        const char* Default_Name;
        const char* Ext;
        const char* Filter;
        const char* Activity;
    };

    const Export_Kind Kinds[] = {
        {ID_POND_EXPORT_VALUES, "Werte speichern", "teich_werte.csv", "csv",
         "CSV-Dateien (*.csv)|*.csv|Alle Dateien|*.*", "Export Werte"},
        {ID_POND_EXPORT_IMAGE, "Bild speichern", "teich_bild.png", "png",
         "PNG-Bilder (*.png)|*.png|Alle Dateien|*.*", "Export Bild"},
    };

    const Export_Kind* Find_Kind(int command)
    {
        for (const Export_Kind& kind : Kinds)
            if (kind.Command == command)
                return &kind;
        return nullptr;
    }

    // The path is built from the dialog's directory and name: its own path
    // is not reliable right after the dialog closes. Whether a file may be
    // replaced is asked once the extension has been added (the toolkit would
    // ask about the name as typed); "Nein" shows the dialog again.
    wxString Choose_Export_File(wxWindow* parent, const Export_Kind& kind)
    {
        wxString dir, name = kind.Default_Name;
        for (;;)
        {
            wxFileDialog dialog(parent, kind.Title, dir, name, kind.Filter, wxFD_SAVE);
            if (dialog.ShowModal() != wxID_OK)
                return wxString();
            const wxString path = Pond_Export_Path(dialog.GetDirectory(), dialog.GetFilename(), kind.Ext);
            if (path.empty() || !wxFileName::FileExists(path))
                return path;
            wxMessageDialog question(parent, Replace_Question(path), kind.Title, wxYES_NO | wxICON_QUESTION);
            question.SetYesNoLabels("Ja", "Nein");
            if (question.ShowModal() == wxID_YES)
                return path;
            dir = dialog.GetDirectory();
            name = dialog.GetFilename();
        }
    }

    // The host registers every image handler at start; a plug-in loaded
    // elsewhere must not depend on that.
    void Ensure_Png_Handler()
    {
        if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
            wxImage::AddHandler(new wxPNGHandler);
    }
}

std::unique_ptr<wxMenu> Pond_Export_Menu()
{
    std::unique_ptr<wxMenu> menu(new wxMenu);
    menu->Append(ID_POND_EXPORT_VALUES, "Werte speichern...");
    menu->Append(ID_POND_EXPORT_IMAGE, "Bild speichern...");
    return menu;
}

bool Pond_Plot_Png(wxWindow* plot, const std::function<void(wxDC&)>& paint, std::string& bytes)
{
    const wxSize size = plot->GetClientSize();
    if (size.x <= 0 || size.y <= 0)
        return false;
    wxBitmap bitmap(size, 24);
    if (!bitmap.IsOk())
        return false;
    {
        // As the paint event finds the window: cleared to its background.
        wxMemoryDC dc(bitmap);
        dc.SetBackground(wxBrush(plot->GetBackgroundColour()));
        dc.Clear();
        dc.SetFont(plot->GetFont());
        paint(dc);
    }
    Ensure_Png_Handler();
    wxMemoryOutputStream stream;
    if (!bitmap.ConvertToImage().SaveFile(stream, wxBITMAP_TYPE_PNG))
        return false;
    bytes.resize(stream.GetLength());
    stream.CopyTo(&bytes[0], bytes.size());
    return !bytes.empty();
}

void Pond_Export(wxWindow* plot, int command, const std::function<bool(std::string&)>& content)
{
    const Export_Kind* kind = Find_Kind(command);
    if (!kind)
        return;
    const wxString path = Choose_Export_File(plot, *kind);
    if (path.empty())
        return;
    std::string bytes;
    if (!content(bytes) || !Write_Record_File(path, bytes))
    {
        wxMessageBox(wxString::Format("Die Datei %s konnte nicht gespeichert werden.", path),
                     kind->Title, wxOK | wxICON_ERROR, plot);
        return;
    }
    if (CSim_Pond_Base* window = dynamic_cast<CSim_Pond_Base*>(plot->GetParent()))
        window->Log_Export(kind->Activity, path);
}
