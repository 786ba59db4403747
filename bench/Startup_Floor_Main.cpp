// The floor of a start: a toolkit program with nothing of ours, a maximised
// window with a menu bar, a tree and one short HTML page, which the
// whole-process start-up benchmark runs beside the program.

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/html/htmlwin.h>
#include <wx/image.h>
#include <wx/menu.h>
#include <wx/sizer.h>
#include <wx/treectrl.h>

namespace
{
    class Floor_App : public wxApp
    {
    public:
        bool OnInit() override
        {
            wxInitAllImageHandlers();
            wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "Boden", wxDefaultPosition, wxSize(800, 600));
            wxMenuBar* bar = new wxMenuBar;
            wxMenu* file = new wxMenu;
            file->Append(wxID_EXIT, "Beenden");
            bar->Append(file, "Datei");
            frame->SetMenuBar(bar);
            wxTreeCtrl* tree = new wxTreeCtrl(frame, wxID_ANY, wxDefaultPosition, wxSize(260, 250));
            tree->AddRoot("Kurs");
            wxHtmlWindow* page = new wxHtmlWindow(frame, wxID_ANY);
            page->SetPage("<h1>Lebensraum Teich</h1><p>Ein Teich sieht auf den ersten Blick ruhig aus.</p>");
            wxBoxSizer* sizer = new wxBoxSizer(wxHORIZONTAL);
            sizer->Add(tree, 0, wxEXPAND);
            sizer->Add(page, 1, wxEXPAND);
            frame->SetSizer(sizer);
            frame->Maximize();
            frame->Show();
            return true;
        }
    };
}

wxIMPLEMENT_APP(Floor_App);
