#include "tests/simframe/Sim_Test_Window.h"

#include <limits>

// The mappings themselves are tested without a display; these check that
// the real toolkit controls carry them out.
using Value_Controls = Sim_Frame_Test;

TEST_F(Value_Controls, Slider_And_Percent_Spin_Control_Move_In_Truncated_Percent_Steps)
{
    CSim_Slider* slider = new CSim_Slider(m_pFrame, wxID_ANY, 0.5, 0, 1);
    CSim_SpinCtrl* spin = new CSim_SpinCtrl(m_pFrame, wxID_ANY, 0.5, 0, 1, true);
    EXPECT_EQ(slider->GetMax(), 100);
    EXPECT_EQ(spin->GetMax(), 100);
    for (double value : {0.5, 0.0299, -4.0, 4.0})
    {
        slider->Set_Value(value);
        spin->Set_Value(value);
        EXPECT_EQ(spin->GetValue(), slider->GetValue()) << value;
        EXPECT_DOUBLE_EQ(spin->Get_Value(), slider->Get_Value()) << value;
    }
    slider->Set_Value(0.0299);
    EXPECT_EQ(slider->GetValue(), 2);
    EXPECT_DOUBLE_EQ(slider->Get_Value(), 0.02);
    // A new range changes what the position means, not the position.
    slider->Set_Range(10, 0);
    EXPECT_EQ(slider->GetValue(), 2);
    EXPECT_DOUBLE_EQ(slider->Get_Value(), 9.8);
}

TEST_F(Value_Controls, Whole_Number_Spin_Control_Accepts_Its_Truncated_Range)
{
    CSim_SpinCtrl* spin = new CSim_SpinCtrl(m_pFrame, wxID_ANY, 5, 1.7, 9.9, false);
    EXPECT_EQ(spin->GetMin(), 1);
    EXPECT_EQ(spin->GetMax(), 9);
    spin->Set_Value(12);
    EXPECT_EQ(spin->GetValue(), 9);
    EXPECT_EQ(spin->Get_Value(), 9.0);

    // The toolkit cannot build a spin control whose lower limit is above
    // its upper one; a reversed range still gives a working control.
    CSim_SpinCtrl* reversed = new CSim_SpinCtrl(m_pFrame, wxID_ANY, 5, 10, 0, false);
    EXPECT_EQ(reversed->GetMin(), 0);
    EXPECT_EQ(reversed->GetMax(), 10);
    EXPECT_EQ(reversed->GetValue(), 5);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    CSim_SpinCtrl* unusable = new CSim_SpinCtrl(m_pFrame, wxID_ANY, nan, nan, 1e300, false);
    EXPECT_EQ(unusable->Get_Max(), 1);
    EXPECT_EQ(unusable->GetValue(), 0);
}
