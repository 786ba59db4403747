// The window of fischlauf.so as the host gets it: made by the module's entry
// point, driven by the events its controls send, read through its plot.

#include "plugins/fischlauf/CSim_Pond.h"
#include "plugins/fischlauf/CSim_Pond_Plot.h"

#include "simframe/src/Tirsal_Testing.h"
#include "tests/plugins/Pond_Test_Helpers.h"
#include "tests/support/Gui_Helpers.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/frame.h>

namespace
{
    class Pond_Window : public Pond_Plugin_Test
    {
    protected:
        void SetUp() override
        {
            Pond_Plugin_Test::SetUp();
            Load(FISCHLAUF_PLUGIN);
        }

        static CSim_Pond_Plot* Plot(wxWindow* window) { return Find_Plot<CSim_Pond_Plot>(window); }

        static CSim_SpinCtrl* Spin(wxWindow* window, int id)
        {
            return dynamic_cast<CSim_SpinCtrl*>(window->FindWindow(id));
        }

        static void Wait(int seconds) { Tirsal_Advance_Clock(wxTimeSpan::Seconds(seconds)); }
    };

    const std::vector<std::string> Default_Column = {
        "button Zur\xC3\xBC" "cksetzen",
        "label Zeitspanne [Monate] 0,0,0", "spin 200",
        "label Wertespanne 0,0,0", "spin 1500",
        "label Lebensraum: Kapazit\xC3\xA4t 0,127,0", "spin 1000",
        "label Lebensraum: Szenario 0,127,0", "choice konstant",
        "label Rotfedern: Startzahl 0,0,255", "spin 200",
        "label Rotfeder: Zuwachs [%/Wch] 0,0,255", "spin 8",
        "label Hechte: Startzahl 255,0,0", "spin 20",
        "label Hechte: Nahr.bedarf [%/Wch.] 255,0,0", "spin 20",
        "plot",
        "check Ausgangsfunktion on 0,0,0",
    };
}

TEST_F(Pond_Window, Empty_Options_Give_The_Default_Column_And_Run)
{
    CSim_Window* window = Make("");
    ASSERT_TRUE(window);
    EXPECT_EQ(window->GetParent(), static_cast<wxWindow*>(m_pFrame));
    EXPECT_EQ(Column(window), Default_Column);

    CSim_Pond_Plot* plot = Plot(window);
    ASSERT_TRUE(plot);
    EXPECT_EQ(plot->Get_Steps(), 200);
    EXPECT_EQ(plot->Get_Value_Max(), 1500);
    EXPECT_EQ(plot->Get_Predation(), 2);
    EXPECT_EQ(plot->Get_Scenario(), 0);
    EXPECT_EQ(plot->Get_Show_Box(), 0);
    EXPECT_EQ(plot->Get_Show_Reference(), 1);
    EXPECT_EQ(plot->Get_X_Title(), "Zeit [Monate]");
    EXPECT_EQ(plot->Get_Y_Title(), "Anzahl");
    for (const Pond_Parameters* p : {&plot->Get_Reference(), &plot->Get_Current()})
    {
        EXPECT_DOUBLE_EQ(p->a, 0.08);
        EXPECT_DOUBLE_EQ(p->d, 0.2);
        EXPECT_EQ(p->Rudd_Start, 200);
        EXPECT_EQ(p->Pike_Start, 20);
        EXPECT_EQ(p->Capacity, 1000);
    }
    EXPECT_DOUBLE_EQ(plot->Get_Current_Series().Rudd[1], 204.8);
    EXPECT_DOUBLE_EQ(plot->Get_Reference_Series().Pike[2], 15.521792);
    // The plot fills the output area beside the column.
    EXPECT_GT(plot->GetSize().x, window->GetClientSize().x / 2);
}

TEST_F(Pond_Window, Percent_Keys_Are_Positions_In_Their_Range)
{
    CSim_Window* window = Make("RF_GROW=29;HE_DEAD=8;HE_DEAD_MAX=0.5;SZENARIO=2.9;RF_START=200.5");
    ASSERT_TRUE(window);
    // 0.29 is 28.999... percent of 0..1: the control shows 28, so the
    // current run uses 0.28 while the reference keeps 0.29.
    EXPECT_EQ(Spin(window, ID_POND_RF_GROW)->GetValue(), 28);
    EXPECT_EQ(Spin(window, ID_POND_HE_DEAD)->GetValue(), 8);
    EXPECT_EQ(Spin(window, ID_POND_RF_START)->GetValue(), 200);
    CSim_Pond_Plot* plot = Plot(window);
    EXPECT_DOUBLE_EQ(plot->Get_Reference().a, 0.29);
    EXPECT_DOUBLE_EQ(plot->Get_Current().a, 0.28);
    EXPECT_DOUBLE_EQ(plot->Get_Reference().d, 0.04);
    EXPECT_DOUBLE_EQ(plot->Get_Current().d, 0.04);
    EXPECT_EQ(plot->Get_Reference().Rudd_Start, 200.5);
    EXPECT_EQ(plot->Get_Current().Rudd_Start, 200);
    EXPECT_EQ(plot->Get_Reference_Series().Rudd[0], 200.5);
    EXPECT_EQ(plot->Get_Scenario(), 2);
    EXPECT_EQ(dynamic_cast<wxChoice*>(window->FindWindow(ID_POND_SCENARIO))->GetStringSelection(),
              "schwankend");
}

TEST_F(Pond_Window, Hidden_Controls_Leave_Their_Start_Values_And_Their_Group_Space)
{
    CSim_Window* window = Make("HE_START_SHOW=0;HE_START=35;RESET_SHOW=0;DEFAULT_SHOW=0;"
                               "SZENARIO_SHOW=0;SZENARIO=1;RF_FEED_SHOW=1;SIM_TYPE=1;SHOW_VARS=1;"
                               "X_NAME=Wochen;Y_NAME=Fische;RF_KAP_NAME=Platz");
    ASSERT_TRUE(window);
    EXPECT_EQ(Column(window), (std::vector<std::string>{
                                  "label Zeitspanne [Monate] 0,0,0", "spin 200",
                                  "label Wertespanne 0,0,0", "spin 1500",
                                  "label Platz 0,127,0", "spin 1000",
                                  "label Rotfedern: Startzahl 0,0,255", "spin 200",
                                  "label Rotfeder: Zuwachs [%/Wch] 0,0,255", "spin 8",
                                  "label Hechte: Nahr.bedarf [%/Wch.] 255,0,0", "spin 20",
                                  "label Hechte: Rotfederkonsum 255,0,0", "spin 50",
                                  "plot",
                              }));
    CSim_Pond_Plot* plot = Plot(window);
    EXPECT_EQ(plot->Get_Current().Pike_Start, 35);
    EXPECT_EQ(plot->Get_Reference().Pike_Start, 35);
    EXPECT_EQ(plot->Get_Scenario(), 1);
    EXPECT_EQ(plot->Get_Show_Reference(), 0);
    EXPECT_EQ(plot->Get_Predation(), 1);
    EXPECT_EQ(plot->Get_Show_Box(), 1);
    EXPECT_EQ(plot->Get_X_Title(), "Wochen");
    EXPECT_EQ(plot->Get_Y_Title(), "Fische");
}

TEST_F(Pond_Window, Every_Change_Is_Logged_With_The_Value_It_Set)
{
    CSim_Window* window = Make("RF_FEED_SHOW=1;HE_GROW_SHOW=1");
    ASSERT_TRUE(window);
    ASSERT_TRUE(window->Set_Log_File(m_Dir.File("teich.txt")));
    CSim_Pond_Plot* plot = Plot(window);

    const std::pair<int, int> changes[] = {
        {ID_POND_TIME, 300},  {ID_POND_ZOOM, 2000},    {ID_POND_RF_KAP, 800},
        {ID_POND_RF_START, 150}, {ID_POND_RF_GROW, 12}, {ID_POND_HE_START, 30},
        {ID_POND_HE_DEAD, 25}, {ID_POND_RF_FEED, 70},  {ID_POND_HE_GROW, 10},
    };
    for (const auto& change : changes)
    {
        Wait(5);
        Spin_To(Spin(window, change.first), change.second);
    }
    EXPECT_EQ(plot->Get_Steps(), 300);
    EXPECT_EQ(plot->Get_Value_Max(), 2000);
    EXPECT_DOUBLE_EQ(plot->Get_Current().a, 0.12);
    EXPECT_EQ(plot->Get_Current_Series().Rudd.size(), 300u);

    wxChoice* scenario = dynamic_cast<wxChoice*>(window->FindWindow(ID_POND_SCENARIO));
    for (int selection : {1, 2, 0})
    {
        Wait(5);
        Choose(scenario, selection);
        EXPECT_EQ(plot->Get_Scenario(), selection);
    }
    Wait(5);
    wxCheckBox* show = dynamic_cast<wxCheckBox*>(window->FindWindow(ID_POND_SHOW_DEF));
    Tick(show, false);
    EXPECT_EQ(plot->Get_Show_Reference(), 0);
    Wait(5);
    Tick(show, true);
    Wait(5);
    EXPECT_TRUE(Click_Button(window, wxString::FromUTF8("Zurücksetzen")));

    // On disk as the pupil works; the window's end writes it whole again.
    const std::string growing = m_Dir.Read("teich.txt");
    Destroy(window);
    EXPECT_EQ(growing, m_Dir.Read("teich.txt"));
    EXPECT_EQ(m_Dir.Read("teich.txt"), Log_Header +
                                           "10:00:05\tTime\t300.000000\n"
                                           "10:00:10\tZoom\t2000.000000\n"
                                           "10:00:15\tCapacity\t800.000000\n"
                                           "10:00:20\tRF Start\t150.000000\n"
                                           "10:00:25\tRF Grow\t0.120000\n"
                                           "10:00:30\tHE Start\t30.000000\n"
                                           "10:00:35\tHE Dead\t0.250000\n"
                                           "10:00:50\tScenario\thalbieren\n"
                                           "10:00:55\tScenario\tschwankend\n"
                                           "10:01:00\tScenario\tkonstant\n"
                                           "10:01:05\tShow Def\taus\n"
                                           "10:01:10\tShow Def\tan\n"
                                           "10:01:15\tReset\t\n");
}

TEST_F(Pond_Window, Reset_Restores_Controls_And_Scenario_But_Not_The_Check_Box)
{
    CSim_Window* window = Make("SZENARIO=1;RF_GROW=29;HE_GROW_SHOW=1");
    ASSERT_TRUE(window);
    const std::vector<std::string> start = Column(window);
    ASSERT_TRUE(window->Set_Log_File(m_Dir.File("reset.txt")));

    for (int id : {ID_POND_TIME, ID_POND_ZOOM, ID_POND_RF_KAP, ID_POND_RF_START, ID_POND_HE_START})
        Spin_To(Spin(window, id), 500);
    for (int id : {ID_POND_RF_GROW, ID_POND_HE_DEAD, ID_POND_HE_GROW})
        Spin_To(Spin(window, id), 90);
    Choose(dynamic_cast<wxChoice*>(window->FindWindow(ID_POND_SCENARIO)), 2);
    wxCheckBox* show = dynamic_cast<wxCheckBox*>(window->FindWindow(ID_POND_SHOW_DEF));
    Tick(show, false);
    CSim_Pond_Plot* plot = Plot(window);
    EXPECT_EQ(plot->Get_Steps(), 500);

    Wait(5);
    EXPECT_TRUE(Click_Button(window, wxString::FromUTF8("Zurücksetzen")));
    std::vector<std::string> expected = start;
    std::replace(expected.begin(), expected.end(), std::string("check Ausgangsfunktion on 0,0,0"),
                 std::string("check Ausgangsfunktion off 0,0,0"));
    EXPECT_EQ(Column(window), expected);
    EXPECT_FALSE(show->GetValue());
    EXPECT_EQ(plot->Get_Steps(), 200);
    EXPECT_EQ(plot->Get_Scenario(), 1);
    EXPECT_EQ(plot->Get_Show_Reference(), 0);
    EXPECT_DOUBLE_EQ(plot->Get_Current().a, 0.28);  // the control's truncated position

    Destroy(window);
    const std::string log = m_Dir.Read("reset.txt");
    EXPECT_NE(log.find("\tReset\t\n"), std::string::npos) << log;
}

TEST_F(Pond_Window, Absurd_Options_Neither_Crash_Nor_Hang)
{
    struct Case
    {
        const char* options;
        int steps;       // of the plot afterwards
        bool drawn;      // whether it paints a plot rather than the empty state
    };
    const Case cases[] = {
        {"TIME=0;TIME_SHOW=0", 0, false},
        {"TIME=0", 25, true},  // the control holds it to its minimum
        {"TIME=1e300;TIME_SHOW=0", Pond_Max_Steps, true},
        {"TIME=1000000000;TIME_MAX=1e12", Pond_Max_Steps, true},
        {"ZOOM=0;ZOOM_SHOW=0", 200, false},
        {"ZOOM=1e-300;ZOOM_SHOW=0", 200, true},
        {"RF_KAP=1e300;RF_KAP_SHOW=0;ZOOM=1e300;ZOOM_SHOW=0", 200, true},
        {"HE_DEAD=1e300;RF_GROW_MAX=1e300;RF_GROW_MIN=-1e300", 200, true},
        {"TIME=NaN;ZOOM=nan;RF_KAP=inf", 200, true},
        {"SZENARIO=7;SIM_TYPE=9", 200, true},
        {"SZENARIO=-1e300;SZENARIO_SHOW=0;SIM_TYPE=-3", 200, true},
        {"RF_START=0;HE_START=0;RF_START_MIN=0;HE_START_MIN=0", 200, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.options);
        CSim_Window* window = Make(c.options, false);
        ASSERT_TRUE(window);
        CSim_Pond_Plot* plot = Plot(window);
        EXPECT_EQ(plot->Get_Steps(), c.steps);
        const wxImage image = Paint(wxSize(400, 250), [&](wxDC& dc) {
            EXPECT_EQ(plot->Draw_Plot(dc, wxSize(400, 250)), c.drawn);
        });
        EXPECT_TRUE(image.IsOk());
        Destroy(window);
    }
}

TEST_F(Pond_Window, Fifty_Windows_Of_One_Module_Stay_Independent)
{
    // As in a course naming the module in fifty themes: one page shown.
    std::vector<CSim_Window*> windows;
    for (int i = 0; i < 50; i++)
    {
        windows.push_back(Make(wxString::Format("TIME=%d", 100 + i), i == 0));
        ASSERT_TRUE(windows.back());
        ASSERT_TRUE(windows.back()->Set_Log_File(m_Dir.File(wxString::Format("%d.txt", i))));
    }
    Spin_To(Spin(windows[7], ID_POND_RF_GROW), 30);
    for (int i = 0; i < 50; i++)
    {
        EXPECT_EQ(Plot(windows[i])->Get_Steps(), 100 + i);
        EXPECT_DOUBLE_EQ(Plot(windows[i])->Get_Current().a, i == 7 ? 0.3 : 0.08);
    }
    for (CSim_Window* window : windows)
        Destroy(window);
    EXPECT_EQ(m_Dir.Read("7.txt"), Log_Header + "10:00:00\tRF Grow\t0.300000\n");
    EXPECT_EQ(m_Dir.Read("8.txt"), Log_Header);
}
