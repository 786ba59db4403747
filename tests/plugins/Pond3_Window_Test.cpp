// The window of fischlauf_2.so as the host gets it: made by the module's
// entry point, driven by the events its controls send, read through its plot.

#include "plugins/fischlauf_2/CSim_Pond3_Plot.h"

#include "tests/plugins/Pond_Test_Helpers.h"
#include "tests/support/Gui_Helpers.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>

namespace
{
    class Pond3_Window : public Pond_Plugin_Test
    {
    protected:
        void SetUp() override
        {
            Pond_Plugin_Test::SetUp();
            Load(FISCHLAUF_2_PLUGIN);
        }

        static CSim_Pond3_Plot* Plot(wxWindow* window) { return Find_Plot<CSim_Pond3_Plot>(window); }

        template <class Control>
        static Control* Find(wxWindow* window)
        {
            for (wxWindow* child : window->GetChildren())
                if (Control* control = dynamic_cast<Control*>(child))
                    return control;
            return nullptr;
        }
    };

    // The spin controls, top to bottom.
    enum
    {
        TIME, ZOOM, RF_KAP, RF_START, RF_GROW, KA_START, KA_GROW, HE_START, HE_DEAD
    };
}

TEST_F(Pond3_Window, Empty_Options_Give_The_Column_With_Carp_And_Run)
{
    CSim_Window* window = Make("");
    ASSERT_TRUE(window);
    EXPECT_EQ(Column(window), (std::vector<std::string>{
                                  "button Zur\xC3\xBC" "cksetzen",
                                  "label Zeitspanne [Monate] 0,0,0", "spin 200",
                                  "label Wertespanne 0,0,0", "spin 1500",
                                  "label Lebensraum: Kapazit\xC3\xA4t 0,127,0", "spin 1000",
                                  "label Lebensraum: Szenario 0,127,0", "choice konstant",
                                  "label Rotfedern: Startzahl 0,0,255", "spin 200",
                                  "label Rotfeder: Zuwachs [%/Wch] 0,0,255", "spin 8",
                                  "label Karpfen: Startzahl 0,127,200", "spin 100",
                                  "label Karpfen: Zuwachs [%/Wch] 0,127,200", "spin 6",
                                  "label Hechte: Startzahl 255,0,0", "spin 20",
                                  "label Hechte: Nahr.bedarf [%/Wch.] 255,0,0", "spin 20",
                                  "plot",
                                  "check Ausgangsfunktion on 0,0,0",
                              }));
    CSim_Pond3_Plot* plot = Plot(window);
    ASSERT_TRUE(plot);
    EXPECT_EQ(plot->Get_Steps(), 200);
    EXPECT_DOUBLE_EQ(plot->Get_Current().b, 0.06);
    EXPECT_DOUBLE_EQ(plot->Get_Reference().b, 0.06);
    for (const Pond3_Series* series : {&plot->Get_Current_Series(), &plot->Get_Reference_Series()})
    {
        EXPECT_DOUBLE_EQ(series->Rudd[1], 204.8);
        EXPECT_DOUBLE_EQ(series->Carp[1], 101.4);
        EXPECT_DOUBLE_EQ(series->Pike[1], 18.4);
    }

    // Identifiers come from the toolkit; the reset button's is the same in
    // every window of the module, and it still resets.
    wxButton* reset = Find<wxButton>(window);
    for (wxWindow* child : window->GetChildren())
        EXPECT_LT(child->GetId(), 0) << child->GetName();
    CSim_Window* second = Make("");
    EXPECT_EQ(Find<wxButton>(second)->GetId(), reset->GetId());
    Spin_To(Spin_Controls(second)[KA_START], 300);
    EXPECT_EQ(Plot(second)->Get_Current().Carp_Start, 300);
    EXPECT_TRUE(Click_Button(second, wxString::FromUTF8("Zurücksetzen")));
    EXPECT_EQ(Plot(second)->Get_Current().Carp_Start, 100);
}

TEST_F(Pond3_Window, Changes_And_Reset_Reach_The_Plot_But_Never_The_Log)
{
    CSim_Window* window = Make("SZENARIO=2;KA_GROW=29;SIM_TYPE=0");
    ASSERT_TRUE(window);
    ASSERT_TRUE(window->Set_Log_File(m_Dir.File("drei.txt")));
    const std::vector<std::string> start = Column(window);
    CSim_Pond3_Plot* plot = Plot(window);
    EXPECT_DOUBLE_EQ(plot->Get_Reference().b, 0.29);
    EXPECT_DOUBLE_EQ(plot->Get_Current().b, 0.28);

    const std::vector<CSim_SpinCtrl*> spins = Spin_Controls(window);
    ASSERT_EQ(spins.size(), 9u);
    Spin_To(spins[TIME], 400);
    Spin_To(spins[ZOOM], 800);
    Spin_To(spins[KA_GROW], 50);
    Spin_To(spins[HE_START], 5);
    Choose(Find<wxChoice>(window), 0);
    EXPECT_EQ(plot->Get_Steps(), 400);
    EXPECT_EQ(plot->Get_Value_Max(), 800);
    EXPECT_DOUBLE_EQ(plot->Get_Current().b, 0.5);
    EXPECT_EQ(plot->Get_Current_Series().Pike[0], 5);
    EXPECT_EQ(plot->Get_Reference_Series().Pike[0], 20);
    EXPECT_EQ(plot->Get_Scenario(), 0);
    wxCheckBox* show = Find<wxCheckBox>(window);
    Tick(show, false);
    EXPECT_EQ(plot->Get_Show_Reference(), 0);

    EXPECT_TRUE(Click_Button(window, wxString::FromUTF8("Zurücksetzen")));
    std::vector<std::string> expected = start;
    std::replace(expected.begin(), expected.end(), std::string("check Ausgangsfunktion on 0,0,0"),
                 std::string("check Ausgangsfunktion off 0,0,0"));
    EXPECT_EQ(Column(window), expected);
    EXPECT_EQ(plot->Get_Scenario(), 2);
    EXPECT_EQ(plot->Get_Steps(), 200);
    EXPECT_EQ(plot->Get_Current_Series().Pike[0], 20);

    Destroy(window);
    EXPECT_EQ(m_Dir.Read("drei.txt"), Log_Header);
}

TEST_F(Pond3_Window, Only_A_Missing_Time_Span_Shows_The_Empty_State)
{
    // No fish at all: the axes, the capacity and three flat curves at 0.
    CSim_Window* window = Make("RF_START=0;KA_START=0;HE_START=0;"
                               "RF_START_SHOW=0;KA_START_SHOW=0;HE_START_SHOW=0");
    ASSERT_TRUE(window);
    CSim_Pond3_Plot* plot = Plot(window);
    EXPECT_EQ(plot->Get_Current_Series().Carp[199], 0);
    Paint(wxSize(600, 400), [&](wxDC& dc) { EXPECT_TRUE(plot->Draw_Plot(dc, wxSize(600, 400))); });

    for (const char* options : {"TIME=0;TIME_SHOW=0", "TIME=-1e300;TIME_SHOW=0", "ZOOM=0;ZOOM_SHOW=0"})
    {
        SCOPED_TRACE(options);
        CSim_Window* empty = Make(options, false);
        Paint(wxSize(600, 400), [&](wxDC& dc) { EXPECT_FALSE(Plot(empty)->Draw_Plot(dc, wxSize(600, 400))); });
    }
    CSim_Window* huge = Make("TIME=1e12;TIME_SHOW=0;RF_KAP=1e300;RF_KAP_SHOW=0;KA_START=1e300;KA_START_SHOW=0", false);
    EXPECT_EQ(Plot(huge)->Get_Steps(), Pond_Max_Steps);
    Paint(wxSize(600, 400), [&](wxDC& dc) { EXPECT_TRUE(Plot(huge)->Draw_Plot(dc, wxSize(600, 400))); });
}
