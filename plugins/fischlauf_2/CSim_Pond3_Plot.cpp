#include "plugins/fischlauf_2/CSim_Pond3_Plot.h"

#include "plugins/pond/Pond_Draw.h"
#include "tirsal/Plot_Export.h"

#include <wx/dcclient.h>
#include <wx/settings.h>

wxBEGIN_EVENT_TABLE(CSim_Pond3_Plot, wxPanel)
    EVT_PAINT(CSim_Pond3_Plot::On_Paint)
    EVT_LEFT_DOWN(CSim_Pond3_Plot::On_Left_Down)
wxEND_EVENT_TABLE()

CSim_Pond3_Plot::CSim_Pond3_Plot(wxWindow* parent)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSUNKEN_BORDER | wxTAB_TRAVERSAL),
      m_Show_Box(0), m_Show_Reference(1), m_Scenario(0), m_Predation(2), m_dt(1.0),
      m_X_Title("Zeit [Monate]"), m_Y_Title("Anzahl"), m_nSteps(0), m_Value_Max(0)
{
    m_Current.a = m_Current.b = m_Current.d = m_Current.Capacity = 0;
    m_Current.Rudd_Start = m_Current.Carp_Start = m_Current.Pike_Start = 1.0;
    m_Reference = m_Current;
    SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
    Add_Plot_Export(this, "teich", [this](wxDC& dc) { Draw_Plot(dc); }, [this] { return Values_Csv(); });
}

CSim_Pond3_Plot::~CSim_Pond3_Plot()
{
}

wxColour CSim_Pond3_Plot::Species_Colour(int group, bool light)
{
    switch (group)
    {
    case 1:
        return Pond_Group_Colour(0, 0, 255, light);
    case 2:
        return Pond_Group_Colour(0, 127, 200, light);
    case 3:
        return Pond_Group_Colour(255, 0, 0, light);
    default:
        return Pond_Group_Colour(0, 127, 0, light);
    }
}

void CSim_Pond3_Plot::Set_Titles(const wxString& x, const wxString& y)
{
    m_X_Title = x;
    m_Y_Title = y;
}

bool CSim_Pond3_Plot::Set_Steps(int time_span)
{
    const int n = Pond_Step_Count(time_span, m_dt);
    if (n < 1 || n == m_nSteps)
        return false;
    m_nSteps = n;
    m_Current_Series.Resize(n);
    m_Reference_Series.Resize(n);
    return true;
}

bool CSim_Pond3_Plot::Set_Zoom(double value_max)
{
    m_Value_Max = value_max;
    return true;
}

bool CSim_Pond3_Plot::Compute()
{
    Run_Model(m_Reference_Series, m_Reference);
    Run_Model(m_Current_Series, m_Current);
    return true;
}

bool CSim_Pond3_Plot::Run_Model(Pond3_Series& series, const Pond3_Parameters& parameters)
{
    Pond3_Run(series, parameters, m_Scenario, m_dt);
    Refresh(true);
    return true;
}

bool CSim_Pond3_Plot::Draw_Plot(wxDC& dc)
{
    return Draw_Plot(dc, GetClientSize());
}

bool CSim_Pond3_Plot::Draw_Plot(wxDC& dc, const wxSize& size)
{
    Pond_Plot_Data data;
    data.n = m_nSteps;
    data.dt = m_dt;
    data.Value_Max = m_Value_Max;
    data.X_Title = m_X_Title;
    data.Y_Title = m_Y_Title;
    data.bShow_Reference = m_Show_Reference != 0;
    data.bShow_Box = m_Show_Box != 0;
    data.a = m_Current.a;
    data.d = m_Current.d;
    const Pond3_Series& r = m_Reference_Series;
    const Pond3_Series& c = m_Current_Series;
    const std::vector<double>* reference[] = {&r.Capacity, &r.Rudd, &r.Carp, &r.Pike};
    const std::vector<double>* current[] = {&c.Capacity, &c.Rudd, &c.Carp, &c.Pike};
    for (int group = 0; group < 4; group++)
    {
        data.Reference.push_back({reference[group], Species_Colour(group, true)});
        data.Current.push_back({current[group], Species_Colour(group, false)});
    }
    return Draw_Pond_Plot(dc, size, data);
}

void CSim_Pond3_Plot::On_Paint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    Draw_Plot(dc);
}

void CSim_Pond3_Plot::On_Left_Down(wxMouseEvent&)
{
}

std::string CSim_Pond3_Plot::Values_Csv() const
{
    const Pond3_Series& c = m_Current_Series;
    const Pond3_Series& r = m_Reference_Series;
    return Plot_Values_Csv(m_X_Title, m_dt, m_nSteps, {
        {wxString::FromUTF8("Kapazität"), &c.Capacity, &r.Capacity},
        {"Rotfedern", &c.Rudd, &r.Rudd},
        {"Karpfen", &c.Carp, &r.Carp},
        {"Hechte", &c.Pike, &r.Pike},
    });
}
