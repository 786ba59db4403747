#include "tirsal/CSim_Slider.h"

#include "simframe/src/Value_Mapping.h"

CSim_Slider::CSim_Slider(wxWindow* parent, int id, double value, double min, double max,
                         const wxPoint& pos, const wxSize& size, long style)
    : wxSlider(parent, id, 0, 0, 100, pos, size, style, wxDefaultValidator, wxSliderNameStr),
      m_Min(0.0), m_Max(1.0)
{
    Set_Range(min, max);
    Set_Value(value);
    SetTickFreq(10);
}

CSim_Slider::~CSim_Slider()
{
}

bool CSim_Slider::Set_Range(double min, double max)
{
    const Value_Range range = Checked_Range(min, max);
    m_Min = range.Min;
    m_Max = range.Max;
    return true;
}

double CSim_Slider::Get_Min() const
{
    return m_Min;
}

double CSim_Slider::Get_Max() const
{
    return m_Max;
}

double CSim_Slider::Get_Range() const
{
    return m_Max - m_Min;
}

bool CSim_Slider::Set_Value(double value)
{
    SetValue(Percent_Position(value, {m_Min, m_Max}));
    return true;
}

double CSim_Slider::Get_Value() const
{
    return Percent_Value(GetValue(), {m_Min, m_Max});
}
