#include "tirsal/CSim_Window.h"

#include "simframe/src/Tirsal_Testing.h"
#include "tests/support/Gui_Helpers.h"
#include "tests/support/Temp_Dir.h"

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/dynlib.h>
#include <wx/frame.h>
#include <wx/slider.h>

namespace
{
    using Entry = CSim_Window* (*)(wxWindow* parent, const wxString& options);

    template <class Event>
    void Send(wxWindow* control, Event event)
    {
        event.SetEventObject(control);
        control->GetEventHandler()->ProcessEvent(event);
    }

    class Sim_Plugin : public testing::Test
    {
    protected:
        void SetUp() override
        {
            Tirsal_Reset_Activity_Merge();
            Tirsal_Set_Clock(wxDateTime(5, wxDateTime::Mar, 2024, 10, 0, 0));
            m_pFrame = new wxFrame(nullptr, wxID_ANY, "Thema", wxDefaultPosition, wxSize(900, 700));
            m_pFrame->Show();
        }

        void TearDown() override
        {
            m_pFrame->Destroy();
            Tirsal_Reset_Activity_Merge();
        }

        wxFrame* m_pFrame = nullptr;
    };
}

TEST_F(Sim_Plugin, Exports_Only_Its_Entry_Point)
{
    wxDynamicLibrary library;
    ASSERT_TRUE(library.Load(SIM_PROBE_PLUGIN, wxDL_NOW));
    EXPECT_TRUE(library.HasSymbol("SIM_Get_Simulation"));
    // The window class is global in the plug-in's source, yet neither its
    // type information nor its constructor is visible from outside.
    EXPECT_FALSE(library.HasSymbol("_ZTI10CSim_Probe"));
    EXPECT_FALSE(library.HasSymbol("_ZN10CSim_ProbeC1EP8wxWindowRK8wxString"));
}

TEST_F(Sim_Plugin, Window_Of_A_Loaded_Plugin_Logs_Through_The_Framework)
{
    Temp_Dir dir;
    wxDynamicLibrary library;
    ASSERT_TRUE(library.Load(SIM_PROBE_PLUGIN, wxDL_NOW));
    Entry entry = reinterpret_cast<Entry>(library.GetSymbol("SIM_Get_Simulation"));
    ASSERT_TRUE(entry);

    CSim_Window* window = entry(m_pFrame, wxString::FromUTF8("STEPS=12;RATE=0.25;STEPS_NAME=Länge"));
    ASSERT_TRUE(window);
    EXPECT_EQ(window->GetParent(), m_pFrame);
    wxWindow* as_window = window;
    EXPECT_EQ(dynamic_cast<CSim_Window*>(as_window), window);
    window->SetSize(m_pFrame->GetClientSize());
    Process_Events();

    // The options reached the controls.
    EXPECT_TRUE(Find_By_Label(window, wxString::FromUTF8("Länge")));
    CSim_SpinCtrl* steps = dynamic_cast<CSim_SpinCtrl*>(window->FindWindow(7000));
    CSim_Slider* rate = dynamic_cast<CSim_Slider*>(window->FindWindow(7001));
    wxCheckBox* show = dynamic_cast<wxCheckBox*>(window->FindWindow(7003));
    ASSERT_TRUE(steps && rate && show);
    EXPECT_EQ(steps->GetValue(), 12);
    EXPECT_EQ(rate->GetValue(), 25);
    EXPECT_TRUE(show->GetValue());

    EXPECT_TRUE(window->Set_Log_File(dir.File("probe.txt")));
    window->Stop_Execution();

    // A spin control held down: two changes half a second apart, one line.
    steps->SetValue(13);
    Send(steps, wxSpinEvent(wxEVT_SPINCTRL, steps->GetId()));
    Tirsal_Advance_Clock(wxTimeSpan::Milliseconds(500));
    steps->SetValue(14);
    Send(steps, wxSpinEvent(wxEVT_SPINCTRL, steps->GetId()));

    Tirsal_Advance_Clock(wxTimeSpan::Seconds(5));
    rate->Set_Value(0.3);
    Send(rate, wxCommandEvent(wxEVT_SLIDER, rate->GetId()));

    Tirsal_Advance_Clock(wxTimeSpan::Seconds(5));
    show->SetValue(false);
    Send(show, wxCommandEvent(wxEVT_CHECKBOX, show->GetId()));

    Tirsal_Advance_Clock(wxTimeSpan::Seconds(5));
    EXPECT_TRUE(Click_Button(window, wxString::FromUTF8("Zurücksetzen")));
    EXPECT_EQ(steps->GetValue(), 10);

    // The record is on disk as it grows; the window's end writes it whole.
    const std::string growing = dir.Read("probe.txt");
    delete window;
    library.Unload();
    EXPECT_FALSE(library.IsLoaded());

    const std::string expected =
        "Aufzeichung der Aktivit\xE4ten\nDatum: 2024-03-05\nUhrzeit\tAktivtit\xE4t\tWert\n\n"
        "10:00:00\tSchritte\t14\n"
        "10:00:05\tWachstum \xE4\t0.300000\n"
        "10:00:10\tShow Def\taus\n"
        "10:00:15\tReset\t1\n";
    EXPECT_EQ(growing, expected);
    EXPECT_EQ(dir.Read("probe.txt"), expected);
}
