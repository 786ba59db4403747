// Start-up with a course of many themes: the catalogue and the navigation
// tree as CSim_Frame::Load_Themes builds them (the catalogue reads the
// theme file, the tree gets an item for each theme, the root is opened and
// so gets its notebook and pages; every other theme gets its own when it is
// first opened), beside the toolkit's floor: as many empty notebooks with one
// HTML page each, what making every theme's window at start would cost at
// the least. Both are made in a hidden main window (it shows itself only
// after its course is loaded); both windows were shown once before, so the
// toolkit has made its native windows in both cases alike.

#include "bench/Bench_Support.h"
#include "shell/CSim_Frame.h"
#include "shell/CSim_Theme.h"
#include "shell/CSim_Themes.h"
#include "shell/Theme_Entry.h"
#include "tests/support/Temp_Dir.h"

#include <functional>
#include <vector>
#include <wx/aui/auibook.h>
#include <wx/frame.h>
#include <wx/html/htmlwin.h>

namespace
{
    // A main window on a course of one theme, without an activity log, on
    // which a generated course is loaded again and again.
    class Startup_Frame
    {
    public:
        Startup_Frame()
        {
            m_Dir.Write("sim_corvena.ini", "THEMES=klein.ini\nDOLOG=0\n");
            m_Dir.Write("klein.ini", "[General]\nName=Klein\n[Themes]\nName=Start\n");
            m_pFrame = new CSim_Frame(m_Dir.File("sim_corvena.ini"));
            Bench_Process_Events();
            // The window loads its course before it shows itself.
            m_pFrame->Hide();
            Bench_Process_Events();
        }

        ~Startup_Frame()
        {
            Remove_Themes();
            m_pFrame->Destroy();
            Bench_Process_Events();
        }

        Temp_Dir& Dir() { return m_Dir; }
        CSim_Frame* Frame() const { return m_pFrame; }

        /// Takes the loaded course's windows away again; the program itself
        /// never does (it loads one course per run).
        void Remove_Themes()
        {
            const std::vector<wxWindow*> pages = m_pFrame->Get_Pages();
            for (wxWindow* page : pages)
                m_pFrame->Get_Manager().DetachPane(page);
            m_pFrame->Clear_Themes();
            for (wxWindow* page : pages)
                page->Destroy();
            Bench_Process_Events();
        }

    private:
        Temp_Dir m_Dir;
        CSim_Frame* m_pFrame;
    };

    // Every theme is in the tree with its content page and tasks (a missing
    // page would make a problem page instead), the root's page is made.
    bool Course_Loaded(CSim_Frame* frame, int count)
    {
        int themes = 0;
        std::function<bool(Theme_Entry*)> loaded = [&](Theme_Entry* theme) {
            themes++;
            for (int i = 0; i < theme->Get_Child_Count(); i++)
                if (!loaded(theme->Get_Child(i)))
                    return false;
            return !theme->Get_Content_File().empty() && !theme->Get_Tasks().empty();
        };
        Theme_Entry* root = frame->Get_Themes()->Get_Root();
        return loaded(root) && themes == count && root->Is_Made() && root->Get_Theme()->Get_Content();
    }

    void Startup_Course(benchmark::State& state)
    {
        if (!Bench_Need_Display(state))
            return;
        const int count = int(state.range(0));
        Startup_Frame frame;
        Write_Generated_Course(frame.Dir().Path(), "kurs/themen.ini", count);
        const wxString path = frame.Dir().File("kurs/themen.ini");
        frame.Remove_Themes();
        for (auto _ : state)
        {
            frame.Frame()->Load_Themes(path);
            state.PauseTiming();
            if (!Course_Loaded(frame.Frame(), count))
            {
                state.SkipWithError("the course did not load all its themes with their content");
                break;
            }
            frame.Remove_Themes();
            state.ResumeTiming();
        }
    }

    // Apart, so that a profiler can be pointed at it
    // (valgrind --toggle-collect='*Make_Floor*').
    __attribute__((noinline)) void Make_Floor(wxWindow* frame, int count, std::vector<wxAuiNotebook*>& notebooks)
    {
        for (int i = 0; i < count; i++)
        {
            wxAuiNotebook* notebook = new wxAuiNotebook(frame, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                                        wxAUI_NB_SCROLL_BUTTONS | wxAUI_NB_WINDOWLIST_BUTTON);
            wxHtmlWindow* page = new wxHtmlWindow(notebook, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                                  wxHW_SCROLLBAR_AUTO, "htmlWindow");
            notebook->AddPage(page, "Inhalt", false);
            notebooks.push_back(notebook);
        }
    }

    void Startup_Floor(benchmark::State& state)
    {
        if (!Bench_Need_Display(state))
            return;
        const int count = int(state.range(0));
        wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "Boden", wxDefaultPosition, wxSize(800, 600));
        // Shown once and hidden again, as the main window above.
        frame->Maximize();
        frame->Show();
        Bench_Process_Events();
        frame->Hide();
        Bench_Process_Events();
        std::vector<wxAuiNotebook*> notebooks;
        for (auto _ : state)
        {
            Make_Floor(frame, count, notebooks);
            state.PauseTiming();
            for (wxAuiNotebook* notebook : notebooks)
                notebook->Destroy();
            notebooks.clear();
            Bench_Process_Events();
            state.ResumeTiming();
        }
        frame->Destroy();
        Bench_Process_Events();
    }
}

BENCHMARK(Startup_Course)->ArgName("themes")->Arg(10)->Arg(100)->Arg(300)
    ->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(Startup_Floor)->ArgName("themes")->Arg(10)->Arg(100)->Arg(300)
    ->Unit(benchmark::kMillisecond)->MinTime(1.0);
