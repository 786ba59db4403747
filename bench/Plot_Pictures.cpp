#include "bench/Plot_Pictures.h"

#include "bench/Literal_Pond_Draw.h"
#include "plugins/fischlauf/CSim_Pond.h"
#include "plugins/fischlauf/CSim_Pond_Plot.h"
#include "plugins/fischlauf_2/CSim_Pond3.h"
#include "plugins/fischlauf_2/CSim_Pond3_Plot.h"
#include "plugins/pond/Pond_Draw.h"
#include "tirsal/Draw.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/spinctrl.h>

const wxSize Bench_Plot_Size(1600, 900);

namespace
{
    // The plot's data as its Draw_Plot hands it to Draw_Pond_Plot, built
    // from what the plot shows through its accessors.
    bool Plot_Data(const CSim_Pond_Plot& plot, Pond_Plot_Data& data)
    {
        if (plot.Get_Steps() <= 0 || !(plot.Get_Series_Max() > 0))
            return false;
        data.n = plot.Get_Steps();
        data.dt = plot.Get_dt();
        data.Value_Max = plot.Get_Value_Max();
        data.X_Title = plot.Get_X_Title();
        data.Y_Title = plot.Get_Y_Title();
        data.bShow_Reference = plot.Get_Show_Reference() != 0;
        data.bShow_Box = plot.Get_Show_Box() != 0;
        data.a = plot.Get_Current().a;
        data.d = plot.Get_Current().d;
        const int groups = plot.Get_Predation() == POND_PREDATION_NONE ? 2 : 3;
        const Pond_Series& r = plot.Get_Reference_Series();
        const Pond_Series& c = plot.Get_Current_Series();
        const std::vector<double>* reference[] = {&r.Capacity, &r.Rudd, &r.Pike};
        const std::vector<double>* current[] = {&c.Capacity, &c.Rudd, &c.Pike};
        for (int group = 0; group < groups; group++)
        {
            data.Reference.push_back({reference[group], CSim_Pond_Plot::Species_Colour(group, true)});
            data.Current.push_back({current[group], CSim_Pond_Plot::Species_Colour(group, false)});
        }
        return true;
    }

    bool Plot_Data(const CSim_Pond3_Plot& plot, Pond_Plot_Data& data)
    {
        data.n = plot.Get_Steps();
        data.dt = plot.Get_dt();
        data.Value_Max = plot.Get_Value_Max();
        data.X_Title = plot.Get_X_Title();
        data.Y_Title = plot.Get_Y_Title();
        data.bShow_Reference = plot.Get_Show_Reference() != 0;
        data.bShow_Box = plot.Get_Show_Box() != 0;
        data.a = plot.Get_Current().a;
        data.d = plot.Get_Current().d;
        const Pond3_Series& r = plot.Get_Reference_Series();
        const Pond3_Series& c = plot.Get_Current_Series();
        const std::vector<double>* reference[] = {&r.Capacity, &r.Rudd, &r.Carp, &r.Pike};
        const std::vector<double>* current[] = {&c.Capacity, &c.Rudd, &c.Carp, &c.Pike};
        for (int group = 0; group < 4; group++)
        {
            data.Reference.push_back({reference[group], CSim_Pond3_Plot::Species_Colour(group, true)});
            data.Current.push_back({current[group], CSim_Pond3_Plot::Species_Colour(group, false)});
        }
        return true;
    }

    CSim_SpinCtrl* Nth_Spin_Control(wxWindow* window, int index)
    {
        for (wxWindow* child : window->GetChildren())
            if (CSim_SpinCtrl* spin = dynamic_cast<CSim_SpinCtrl*>(child))
                if (index-- == 0)
                    return spin;
        return nullptr;
    }

    wxWindow* Find_Plot(wxWindow* window)
    {
        for (wxWindow* child : window->GetChildren())
            if (dynamic_cast<wxPanel*>(child))
                return child;
        return nullptr;
    }
}

Bench_Pond::Bench_Pond(const wxString& plugin, int time_span)
    : m_pFrame(nullptr), m_pWindow(nullptr), m_pPlot(nullptr), m_bThree(plugin == "fischlauf_2"),
      m_nClicks(0)
{
    m_pFrame = new wxFrame(nullptr, wxID_ANY, "Simulation", wxDefaultPosition, wxSize(1800, 1000));
    m_pFrame->Show();
    // A course may allow a longer span than the control's default limit;
    // the series stop at Pond_Max_Steps points whatever it allows.
    const wxString options = wxString::Format("TIME=%d;TIME_MAX=%d", time_span, std::max(time_span, 10000));
    if (m_bThree)
        m_pWindow = new CSim_Pond3(m_pFrame, options);
    else
        m_pWindow = new CSim_Pond(m_pFrame, options);
    m_pWindow->SetSize(m_pFrame->GetClientSize());
    m_pPlot = Find_Plot(m_pWindow);
    // Logged as in a course that names a log file: the update ends with
    // an entry, merged with the one before as a dragged control's are.
    m_pWindow->Set_Log_File(m_Dir.File("simulation.log"));
}

Bench_Pond::~Bench_Pond()
{
    m_pFrame->Destroy();
}

void Bench_Pond::Update()
{
    // The rudd growth, fifth spin control in both windows, between 8 and
    // 9 percent: the current curves move, the reference stays.
    CSim_SpinCtrl* spin = Nth_Spin_Control(m_pWindow, 4);
    if (!spin)
        abort();
    const int value = 8 + (m_nClicks++ & 1);
    spin->SetValue(value);
    wxSpinEvent event(wxEVT_SPINCTRL, spin->GetId());
    event.SetPosition(value);
    event.SetEventObject(spin);
    spin->GetEventHandler()->ProcessEvent(event);
}

bool Bench_Pond::Paint(wxDC& dc, const wxSize& size)
{
    if (m_bThree)
        return static_cast<CSim_Pond3_Plot*>(m_pPlot)->Draw_Plot(dc, size);
    return static_cast<CSim_Pond_Plot*>(m_pPlot)->Draw_Plot(dc, size);
}

namespace
{
    template <class Plot>
    bool Paint_With(const Plot& plot, wxDC& dc, const wxSize& size, Pond_Curve_Painter painter)
    {
        Pond_Plot_Data data;
        if (!Plot_Data(plot, data))
        {
            Draw_Pond_Empty(dc, size);
            return false;
        }
        return Draw_Pond_Plot(dc, size, data, painter);
    }
}

bool Bench_Pond::Paint_Literal(wxDC& dc, const wxSize& size)
{
    if (m_bThree)
        return Paint_With(*static_cast<CSim_Pond3_Plot*>(m_pPlot), dc, size, Draw_Pond_Curve_Literal);
    return Paint_With(*static_cast<CSim_Pond_Plot*>(m_pPlot), dc, size, Draw_Pond_Curve_Literal);
}

bool Bench_Pond::Paint_Through_Copy(wxDC& dc, const wxSize& size)
{
    if (m_bThree)
        return Paint_With(*static_cast<CSim_Pond3_Plot*>(m_pPlot), dc, size, Draw_Curve);
    return Paint_With(*static_cast<CSim_Pond_Plot*>(m_pPlot), dc, size, Draw_Curve);
}

wxImage Paint_Image(const wxSize& size, const std::function<void(wxDC&)>& paint)
{
    wxBitmap bitmap(size, 24);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        paint(dc);
    }
    return bitmap.ConvertToImage();
}

Picture_Difference Compare_Pictures(const wxImage& a, const wxImage& b)
{
    Picture_Difference result;
    if (a.GetSize() != b.GetSize())
    {
        result.Pixels = result.Visible = -1;
        return result;
    }
    const unsigned char* p = a.GetData();
    const unsigned char* q = b.GetData();
    const long count = long(a.GetWidth()) * a.GetHeight();
    for (long i = 0; i < count; i++, p += 3, q += 3)
    {
        int largest = 0;
        for (int c = 0; c < 3; c++)
            largest = std::max(largest, std::abs(int(p[c]) - int(q[c])));
        if (largest > 0)
            result.Pixels++;
        if (largest > 64)
            result.Visible++;
        result.Largest = std::max(result.Largest, largest);
    }
    return result;
}

namespace
{
    // The polyline picture, with every pixel that differs from the literal
    // one painted magenta.
    wxImage Marked(const wxImage& fast, const wxImage& literal)
    {
        wxImage marked = fast.Copy();
        unsigned char* p = marked.GetData();
        const unsigned char* q = literal.GetData();
        const long count = long(fast.GetWidth()) * fast.GetHeight();
        for (long i = 0; i < count; i++, p += 3, q += 3)
            if (p[0] != q[0] || p[1] != q[1] || p[2] != q[2])
            {
                p[0] = 255;
                p[1] = 0;
                p[2] = 255;
            }
        return marked;
    }
}

bool Write_Plot_Pictures(const wxString& dir)
{
    wxFileName::Mkdir(dir, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    bool ok = true;
    for (const char* plugin : {"fischlauf", "fischlauf_2"})
        for (int span : {200, 10000})
        {
            Bench_Pond pond(plugin, span);
            // Two clicks: the rudd grows at 9 % and the pale reference
            // curves show beside the current ones.
            pond.Update();
            pond.Update();
            const wxImage fast = Paint_Image(Bench_Plot_Size, [&](wxDC& dc) { pond.Paint(dc, Bench_Plot_Size); });
            const wxImage copy = Paint_Image(Bench_Plot_Size, [&](wxDC& dc) { pond.Paint_Through_Copy(dc, Bench_Plot_Size); });
            const wxImage literal = Paint_Image(Bench_Plot_Size, [&](wxDC& dc) { pond.Paint_Literal(dc, Bench_Plot_Size); });
            const wxString base = wxString::Format("%s/%s_%d_", dir, plugin, span);
            ok = fast.SaveFile(base + "polyline.png", wxBITMAP_TYPE_PNG) && ok;
            ok = literal.SaveFile(base + "literal.png", wxBITMAP_TYPE_PNG) && ok;
            ok = Marked(fast, literal).SaveFile(base + "marked.png", wxBITMAP_TYPE_PNG) && ok;
            const Picture_Difference same = Compare_Pictures(fast, copy);
            const Picture_Difference diff = Compare_Pictures(fast, literal);
            printf("%-11s span %5d: %ld of %ld pixels differ (%ld by more than 64 in a channel, "
                   "largest %d); plug-in against its copy: %ld\n",
                   plugin, span, diff.Pixels, long(Bench_Plot_Size.x) * Bench_Plot_Size.y,
                   diff.Visible, diff.Largest, same.Pixels);
            ok = same.Pixels == 0 && ok;
        }
    return ok;
}
