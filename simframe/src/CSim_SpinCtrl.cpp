#include "tirsal/CSim_SpinCtrl.h"

#include "simframe/src/Value_Mapping.h"

namespace
{
    int Low_Limit(double min, double max, bool percent)
    {
        int low, high;
        Spin_Control_Limits(min, max, percent, low, high);
        return low;
    }

    int High_Limit(double min, double max, bool percent)
    {
        int low, high;
        Spin_Control_Limits(min, max, percent, low, high);
        return high;
    }
}

CSim_SpinCtrl::CSim_SpinCtrl(wxWindow* parent, int id, double value, double min, double max,
                             bool percent, const wxPoint& pos, const wxSize& size, long style)
    : wxSpinCtrl(parent, id, wxEmptyString, pos, size, style, Low_Limit(min, max, percent),
                 High_Limit(min, max, percent), 0, "wxSpinCtrl"),
      m_bPercent(percent), m_Min(0.0), m_Max(1.0)
{
    // GTK draws the arrow buttons beside the number; given less than its
    // best width (a width picked for other platforms) it cuts off both.
    const int best = GetBestSize().x;
    if (size.x != wxDefaultCoord && size.x < best)
        SetInitialSize(wxSize(best, size.y));
    Set_Range(min, max);
    Set_Value(value);
}

CSim_SpinCtrl::~CSim_SpinCtrl()
{
}

bool CSim_SpinCtrl::Set_Range(double min, double max)
{
    const Value_Range range = Checked_Range(min, max);
    m_Min = range.Min;
    m_Max = range.Max;
    return true;
}

double CSim_SpinCtrl::Get_Min() const
{
    return m_Min;
}

double CSim_SpinCtrl::Get_Max() const
{
    return m_Max;
}

double CSim_SpinCtrl::Get_Range() const
{
    return m_Max - m_Min;
}

bool CSim_SpinCtrl::Set_Value(double value)
{
    if (m_bPercent)
        SetValue(Percent_Position(value, {m_Min, m_Max}));
    else
        SetValue(Whole_Number_Position(value, {m_Min, m_Max}));
    return true;
}

double CSim_SpinCtrl::Get_Value() const
{
    if (m_bPercent)
        return Percent_Value(GetValue(), {m_Min, m_Max});
    return GetValue();
}
