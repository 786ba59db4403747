#include "tirsal/Plot_Export.h"

#include "common/Chosen_Path.h"
#include "common/Record_File.h"
#include "simframe/src/Plot_Values.h"
#include "tirsal/CSim_Window.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/mstream.h>
#include <wx/utils.h>
#include <wx/window.h>

namespace
{
    struct Export_Kind
    {
        int Command;
        const char* Title;
        const char* Name_Suffix;
        const char* Ext;
        const char* Filter;
        const char* Activity;
    };

    const Export_Kind Kinds[] = {
        {PLOT_EXPORT_VALUES, "Werte speichern", "_werte.csv", "csv",
         "CSV-Dateien (*.csv)|*.csv|Alle Dateien|*.*", "Export Werte"},
        {PLOT_EXPORT_IMAGE, "Bild speichern", "_bild.png", "png",
         "PNG-Bilder (*.png)|*.png|Alle Dateien|*.*", "Export Bild"},
    };

    const Export_Kind* Find_Kind(int command)
    {
        for (const Export_Kind& kind : Kinds)
            if (kind.Command == command)
                return &kind;
        return nullptr;
    }

    // Where the next export dialog opens: the folder chosen last, at first
    // the pupil's home folder (the program's working folder means nothing
    // to a pupil).
    wxString& Export_Folder()
    {
        static wxString folder = wxGetHomeDir();
        return folder;
    }

    wxString Choose_Export_File(wxWindow* parent, const Export_Kind& kind, const wxString& default_name)
    {
        wxString dir = Export_Folder(), name = default_name + kind.Name_Suffix;
        for (;;)
        {
            wxFileDialog dialog(parent, kind.Title, dir, name, kind.Filter, wxFD_SAVE);
            if (dialog.ShowModal() != wxID_OK)
                return wxString();
            const wxFileName chosen(Chosen_Path(dialog));
            const wxString path = Export_File_Path(chosen.GetPath(), chosen.GetFullName(), kind.Ext);
            if (!path.empty())
                Export_Folder() = wxFileName(path).GetPath();
            if (path.empty() || !wxFileName::FileExists(path))
                return path;
            wxMessageDialog question(parent, Replace_Question(path), kind.Title, wxYES_NO | wxICON_QUESTION);
            question.SetYesNoLabels("Ja", "Nein");
            if (question.ShowModal() == wxID_YES)
                return path;
            dir = chosen.GetPath();
            name = chosen.GetFullName();
        }
    }

    // The host registers every image handler at start; a plug-in loaded
    // elsewhere must not depend on that.
    void Ensure_Png_Handler()
    {
        if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
            wxImage::AddHandler(new wxPNGHandler);
    }

    // An export is the pupil's action in the simulation window that holds
    // the plot, logged there as the window's own handlers log theirs.
    struct Window_Log : CSim_Window
    {
        static void Add(wxWindow* plot, const wxString& activity, const wxString& value)
        {
            for (wxWindow* window = plot; window; window = window->GetParent())
                if (CSim_Window* simulation = dynamic_cast<CSim_Window*>(window))
                {
                    (simulation->*&Window_Log::Log_Activity)(activity, value);
                    return;
                }
        }
    };

    void Run_Export(wxWindow* plot, const Export_Kind& kind, const wxString& name,
                    const std::function<bool(std::string&)>& content)
    {
        const wxString path = Choose_Export_File(plot, kind, name);
        if (path.empty())
            return;
        std::string bytes;
        if (!content(bytes) || !Write_Record_File(path, bytes))
        {
            wxMessageBox(wxString::Format("Die Datei %s konnte nicht gespeichert werden.", path),
                         kind.Title, wxOK | wxICON_ERROR, plot);
            return;
        }
        Window_Log::Add(plot, kind.Activity, path);
    }
}

bool Plot_Picture_Png(wxWindow* plot, const std::function<void(wxDC&)>& paint, std::string& bytes)
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

void Add_Plot_Export(wxWindow* plot, const wxString& name, const std::function<void(wxDC&)>& paint,
                     const std::function<std::string()>& values)
{
    plot->Bind(wxEVT_CONTEXT_MENU, [plot](wxContextMenuEvent&) {
        wxMenu menu;
        menu.Append(PLOT_EXPORT_VALUES, "Werte speichern...");
        menu.Append(PLOT_EXPORT_IMAGE, "Bild speichern...");
        plot->PopupMenu(&menu);
    });
    plot->Bind(
        wxEVT_MENU,
        [plot, name, paint, values](wxCommandEvent& event) {
            const Export_Kind* kind = Find_Kind(event.GetId());
            if (!kind)
                return;
            Run_Export(plot, *kind, name, [&](std::string& bytes) {
                if (kind->Command == PLOT_EXPORT_IMAGE)
                    return Plot_Picture_Png(plot, paint, bytes);
                bytes = values();
                return true;
            });
        },
        PLOT_EXPORT_VALUES, PLOT_EXPORT_IMAGE);
}
