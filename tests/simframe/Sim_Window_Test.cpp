#include "tests/simframe/Sim_Test_Window.h"

#include "tests/support/Gui_Helpers.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/panel.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

namespace
{
    wxStaticBox* Box(wxWindow* window, const wxString& title)
    {
        for (wxWindow* child : window->GetChildren())
            if (wxStaticBox* box = dynamic_cast<wxStaticBox*>(child))
                if (box->GetLabel() == title)
                    return box;
        return nullptr;
    }

    // The label of a control: the static text made just before it.
    wxStaticText* Label_Of(wxWindow* window, wxWindow* control)
    {
        wxStaticText* last = nullptr;
        for (wxWindow* child : window->GetChildren())
        {
            if (child == control)
                return last;
            last = dynamic_cast<wxStaticText*>(child);
        }
        return nullptr;
    }

    class Sim_Window : public Sim_Frame_Test
    {
    protected:
        Test_Sim_Window* Laid_Out(Test_Sim_Window* window)
        {
            window->SetSize(800, 600);
            window->Layout();
            Process_Events();
            return window;
        }
    };
}

TEST_F(Sim_Window, Empty_Window_Shows_Both_Framed_Areas_Side_By_Side)
{
    Test_Sim_Window* window = Laid_Out(new Test_Sim_Window(m_pFrame, ""));
    wxStaticBox* settings = Box(window, "Einstellungen");
    wxStaticBox* output = Box(window, "Ausgabe");
    ASSERT_TRUE(settings && output);
    const wxRect s = settings->GetRect(), o = output->GetRect();
    EXPECT_EQ(s.GetTopLeft(), wxPoint(10, 10));
    EXPECT_EQ(s.height, 580);
    EXPECT_LT(s.width, 100) << "an empty settings box keeps its minimal width";
    EXPECT_EQ(o.x, s.GetRight() + 21);
    EXPECT_EQ(o.GetRight(), 789);
    EXPECT_EQ(o.height, 580);
}

TEST_F(Sim_Window, Settings_Stack_In_Call_Order_With_Labels_Directly_Above)
{
    Test_Sim_Window* window = new Test_Sim_Window(m_pFrame, "");
    wxButton* button = window->Add_Button("Reset", 6999, wxSize(100, 25));
    window->Add_Spacer(10);
    wxArrayString items;
    items.Add("konstant");
    items.Add("schwankend");
    wxChoice* choice = window->Add_Choice("Szenario", items, 1, 7003);
    CSim_SpinCtrl* spin = window->Add_SpinCtrl("Zeit", 200.5, 25, 10000, false, 7000, 100);
    // A slider value in percent becomes a value of the range.
    CSim_Slider* slider = window->Add_Slider("Rate", 8, 0, 0.5, true, 7005, 120);
    wxCheckBox* box = window->Add_CheckBox("Ausgangsfunktion", true, 7010);
    Laid_Out(window);

    EXPECT_EQ(button->GetSize(), wxSize(100, 25));
    EXPECT_EQ(choice->GetSelection(), 1);
    EXPECT_EQ(spin->GetValue(), 200);
    // GTK needs more than 100 pixels for the arrows and "10000".
    EXPECT_GE(spin->GetSize().x, spin->GetBestSize().x);
    EXPECT_DOUBLE_EQ(slider->Get_Value(), 0.04);
    EXPECT_TRUE(box->GetValue());

    wxWindow* previous = button;
    for (wxWindow* control : std::vector<wxWindow*>{choice, spin, slider})
    {
        wxStaticText* label = Label_Of(window, control);
        ASSERT_TRUE(label);
        EXPECT_EQ(label->GetRect().GetBottom() + 1, control->GetPosition().y) << label->GetLabel();
        EXPECT_GT(label->GetPosition().y, previous->GetRect().GetBottom()) << label->GetLabel();
        EXPECT_NEAR(label->GetRect().x + label->GetRect().width / 2.0,
                    control->GetRect().x + control->GetRect().width / 2.0, 1.0);
        previous = control;
    }
    EXPECT_GT(box->GetPosition().y, slider->GetRect().GetBottom());
    // 2 pixels below the button, the 10-pixel spacer, 2 above the label.
    EXPECT_EQ(Label_Of(window, choice)->GetPosition().y - button->GetRect().GetBottom() - 1, 14);
    // The check box sits at the column's left edge; the others are centred.
    EXPECT_LT(box->GetPosition().x - Box(window, "Einstellungen")->GetPosition().x, 15);
}

TEST_F(Sim_Window, Label_Colour_Applies_To_Controls_Added_Afterwards)
{
    Test_Sim_Window* window = new Test_Sim_Window(m_pFrame, "");
    wxCheckBox* black_box = window->Add_CheckBox("a", false, 1);
    CSim_SpinCtrl* black_spin = window->Add_SpinCtrl("b", 1, 0, 10, false, 2, 80);
    const wxColour green(0, 127, 0);
    window->Set_Ctrl_Color(green);
    CSim_Slider* green_slider = window->Add_Slider("c", 0, 0, 1, false, 3, 80);
    wxButton* button = window->Add_Button("d", 4, wxSize(80, 25));
    wxCheckBox* green_box = window->Add_CheckBox("e", false, 5);

    EXPECT_EQ(black_box->GetForegroundColour(), *wxBLACK);
    EXPECT_EQ(Label_Of(window, black_spin)->GetForegroundColour(), *wxBLACK);
    EXPECT_EQ(Label_Of(window, green_slider)->GetForegroundColour(), green);
    EXPECT_EQ(green_box->GetForegroundColour(), green);
    EXPECT_NE(green_slider->GetForegroundColour(), green);
    EXPECT_NE(button->GetForegroundColour(), green);
}

TEST_F(Sim_Window, Two_Outputs_Share_The_Output_Area_By_Proportion)
{
    Test_Sim_Window* window = new Test_Sim_Window(m_pFrame, "");
    wxPanel* upper = new wxPanel(window);
    wxPanel* lower = new wxPanel(window);
    EXPECT_TRUE(window->Add_Output(upper, lower, 2, 1));
    Laid_Out(window);
    const wxRect a = upper->GetRect(), b = lower->GetRect();
    // Shared with their 10-pixel borders: 2 to 1 of the area's height.
    EXPECT_NEAR(a.height + 20, 2.0 * (b.height + 20), 2.0);
    EXPECT_GT(a.height, 300);
    EXPECT_LT(a.y, b.y);
    EXPECT_NEAR(a.width, Box(window, "Ausgabe")->GetSize().x - 20, 6.0);
}
