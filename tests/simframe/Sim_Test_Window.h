#pragma once

#include "tirsal/CSim_Window.h"

#include <gtest/gtest.h>
#include <wx/frame.h>

/// A simulation window whose protected construction interface tests call.
class Test_Sim_Window : public CSim_Window
{
public:
    using CSim_Window::CSim_Window;
    using CSim_Window::Add_Button;
    using CSim_Window::Add_CheckBox;
    using CSim_Window::Add_Choice;
    using CSim_Window::Add_Output;
    using CSim_Window::Add_Slider;
    using CSim_Window::Add_Spacer;
    using CSim_Window::Add_SpinCtrl;
    using CSim_Window::Get_Option;
    using CSim_Window::Log_Activity;
    using CSim_Window::Set_Ctrl_Color;
};

/// A shown frame that simulation windows of a test are created in, as the
/// host's notebook would hold them.
class Sim_Frame_Test : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new wxFrame(nullptr, wxID_ANY, "Simulation", wxDefaultPosition, wxSize(900, 700));
        m_pFrame->Show();
    }

    void TearDown() override
    {
        m_pFrame->Destroy();
    }

    wxFrame* m_pFrame = nullptr;
};
