#pragma once

#include <wx/spinctrl.h>
// A number typed and entered arrives as wxEVT_TEXT_ENTER.
#include <wx/textctrl.h>

#include "tirsal/Tirsal_Export.h"

/// A spin control over a range of doubles, in one of two modes. Percent
/// mode counts 0 to 100 (what it displays) over min..max, like CSim_Slider.
/// Whole-number mode shows the value itself, limited to the whole numbers
/// between min and max (truncated toward zero when it is created). Usually
/// made with CSim_Window::Add_SpinCtrl. Its events go to the simulation
/// window as the toolkit's spin events; read the value there with Get_Value.
class TIRSAL_API CSim_SpinCtrl : public wxSpinCtrl
{
public:
    /// A spin control at value over min..max; percent chooses the mode. A
    /// width below what the toolkit needs to show the arrows and the widest
    /// number is widened to that.
    CSim_SpinCtrl(wxWindow* parent, int id, double value, double min, double max, bool percent,
                  const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                  long style = wxSP_ARROW_KEYS);
    virtual ~CSim_SpinCtrl();

    /// Sets the range the value is mapped (percent mode) or held (whole-
    /// number mode) to; an empty or unusable range becomes 0 to 1. The whole
    /// numbers the control itself accepts stay those it was created with.
    /// Does not move the control. Always true.
    bool Set_Range(double min, double max);

    double Get_Min() const;
    double Get_Max() const;
    double Get_Range() const;  ///< Get_Max() - Get_Min()

    /// Percent mode: moves to value's position, truncated to a whole percent
    /// and held to 0..100. Whole-number mode: shows value held to the range
    /// and truncated toward zero (-0.5 shows 0). Always true.
    bool Set_Value(double value);

    /// Percent mode: the value of the current position. Whole-number mode:
    /// the number shown.
    double Get_Value() const;

private:
    bool m_bPercent;
    double m_Min;
    double m_Max;
};
