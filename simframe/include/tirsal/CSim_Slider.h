#pragma once

#include <wx/slider.h>

#include "tirsal/Tirsal_Export.h"

/// A slider over a range of doubles: its 101 positions (0 to 100, which is
/// also what it displays) map linearly onto min..max. Usually made with
/// CSim_Window::Add_Slider. Its events go to the simulation window as the
/// toolkit's slider events; read the value there with Get_Value.
class TIRSAL_API CSim_Slider : public wxSlider
{
public:
    /// A slider at value over min..max, with a tick every ten positions.
    CSim_Slider(wxWindow* parent, int id, double value, double min, double max,
                const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                long style = wxSL_HORIZONTAL);
    virtual ~CSim_Slider();

    /// Sets the range; max below min maps the slider in reverse. An empty
    /// or unusable range (equal ends, not-a-number, infinite) becomes 0 to 1.
    /// Does not move the slider. Always true.
    bool Set_Range(double min, double max);

    double Get_Min() const;    ///< the value of position 0
    double Get_Max() const;    ///< the value of position 100
    double Get_Range() const;  ///< Get_Max() - Get_Min()

    /// Moves to the position of value, truncated (not rounded) to a whole
    /// percent of the range; values beyond the range stop at its ends.
    /// Always true.
    bool Set_Value(double value);

    /// The value of the current position.
    double Get_Value() const;

private:
    double m_Min;
    double m_Max;
};
