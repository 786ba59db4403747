// The windows of the pond modules as the host gets them: made by the entry
// point, driven by the events their controls send, read through their
// plots, and their export menu with the files and log lines it leaves. The
// plankton module, built against the installed framework alone, is read only
// through what it shows and saves.

#include "common/Csv_Cells.h"
#include "plugins/fischlauf/CSim_Pond.h"
#include "plugins/fischlauf/CSim_Pond_Plot.h"
#include "plugins/fischlauf_2/CSim_Pond3_Plot.h"
#include "plugins/pond/Pond_Draw.h"
#include "tirsal/Plot_Export.h"

#include "simframe/src/Tirsal_Testing.h"
#include "tests/support/Frame_Fixture.h"
#include "tests/support/Gui_Helpers.h"

#include <algorithm>
#include <cstring>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dcmemory.h>
#include <wx/dynlib.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/stattext.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

namespace
{
    enum Module { FISCHLAUF, FISCHLAUF_2, ALGEN, MODULES };

    // Windows of both modules in a shown frame, deleted before the modules
    // are unloaded; the log clock stands at 10:00 on 5 March 2024.
    class Pond_Window : public testing::Test
    {
    protected:
        void SetUp() override
        {
            Tirsal_Reset_Activity_Merge();
            Tirsal_Set_Clock(wxDateTime(5, wxDateTime::Mar, 2024, 10, 0, 0));
            m_pFrame->Show();
            ASSERT_TRUE(m_Modules[FISCHLAUF].Load(FISCHLAUF_PLUGIN, wxDL_NOW));
            ASSERT_TRUE(m_Modules[FISCHLAUF_2].Load(FISCHLAUF_2_PLUGIN, wxDL_NOW));
            ASSERT_TRUE(m_Modules[ALGEN].Load(CORVENA_PLUGIN_DIR "/algen.so", wxDL_NOW));
        }

        void TearDown() override
        {
            for (CSim_Window* window : m_Windows)
                delete window;
            Process_Events();
            for (wxDynamicLibrary& module : m_Modules)
                module.Unload();
            m_pFrame->Destroy();
            Tirsal_Reset_Activity_Merge();
        }

        // A window filling the frame; hidden as a theme's page that is not open.
        CSim_Window* Make(Module module, const wxString& options, bool shown = true)
        {
            using Entry = CSim_Window* (*)(wxWindow* parent, const wxString& options);
            Entry entry = reinterpret_cast<Entry>(m_Modules[module].GetSymbol("SIM_Get_Simulation"));
            CSim_Window* window = entry ? entry(m_pFrame, options) : nullptr;
            if (window)
            {
                m_Windows.push_back(window);
                window->Show(shown);
                window->SetSize(m_pFrame->GetClientSize());
                Process_Events();
            }
            return window;
        }

        void Destroy(CSim_Window* window)  // which writes its log
        {
            m_Windows.erase(std::find(m_Windows.begin(), m_Windows.end(), window));
            delete window;
        }

        std::string Export_Line(const char* time, const char* activity, const wxString& file)
        {
            return std::string(time) + "\t" + activity + "\t" + m_Dir.File_Str(file) + "\n";
        }

        const std::string Log_Header =
            "Aufzeichung der Aktivit\xE4ten\nDatum: 2024-03-05\nUhrzeit\tAktivtit\xE4t\tWert\n\n";
        wxFrame* m_pFrame = new wxFrame(nullptr, wxID_ANY, "Thema", wxDefaultPosition, wxSize(1100, 800));
        wxDynamicLibrary m_Modules[MODULES];
        std::vector<CSim_Window*> m_Windows;
        Temp_Dir m_Dir;
    };

    template <class Control>
    Control* Find(wxWindow* window) { return Children_Of<Control>(window).at(0); }
    // A window's plot is its one panel; its accessors are inline and read the module's object.
    CSim_Pond_Plot* Plot(wxWindow* window) { return static_cast<CSim_Pond_Plot*>(Find<wxPanel>(window)); }
    CSim_Pond3_Plot* Plot3(wxWindow* window) { return static_cast<CSim_Pond3_Plot*>(Find<wxPanel>(window)); }
    CSim_SpinCtrl* Spin(wxWindow* window, int id) { return dynamic_cast<CSim_SpinCtrl*>(window->FindWindow(id)); }
    void Wait() { Tirsal_Advance_Clock(wxTimeSpan::Seconds(5)); }
    const wxString Reset = wxString::FromUTF8("Zurücksetzen");
    enum { TIME, ZOOM, RF_KAP, RF_START, RF_GROW, KA_START, KA_GROW, HE_START, HE_DEAD };  // fischlauf_2's spins

    // The children in creation order as a person reads them.
    std::vector<std::string> Column(wxWindow* window)
    {
        std::vector<std::string> lines;
        for (wxWindow* child : window->GetChildren())
        {
            const wxColour c = child->GetForegroundColour();
            const std::string rgb = wxString::Format(" %d,%d,%d", c.Red(), c.Green(), c.Blue()).ToStdString();
            const std::string label(child->GetLabel().utf8_str());
            if (dynamic_cast<wxButton*>(child))
                lines.push_back("button " + label);
            else if (dynamic_cast<wxStaticText*>(child))
                lines.push_back("label " + label + rgb);
            else if (CSim_SpinCtrl* spin = dynamic_cast<CSim_SpinCtrl*>(child))
                lines.push_back("spin " + std::to_string(spin->GetValue()));
            else if (wxChoice* choice = dynamic_cast<wxChoice*>(child))
                lines.push_back("choice " + std::string(choice->GetStringSelection().utf8_str()));
            else if (wxCheckBox* box = dynamic_cast<wxCheckBox*>(child))
                lines.push_back("check " + label + (box->GetValue() ? " on" : " off") + rgb);
            else if (dynamic_cast<wxPanel*>(child))
                lines.push_back("plot");
        }
        return lines;
    }

    // The column of an empty option string, each group in its label colour.
    std::vector<std::string> Default_Column(bool carp)
    {
        std::vector<std::string> column = {
            "button Zur\xC3\xBC" "cksetzen",
            "label Zeitspanne [Monate] 0,0,0", "spin 200",
            "label Wertespanne 0,0,0", "spin 1500",
            "label Lebensraum: Kapazit\xC3\xA4t 0,127,0", "spin 1000",
            "label Lebensraum: Szenario 0,127,0", "choice konstant",
            "label Rotfedern: Startzahl 0,0,255", "spin 200",
            "label Rotfeder: Zuwachs [%/Wch] 0,0,255", "spin 8",
            "label Hechte: Startzahl 255,0,0", "spin 20",
            "label Hechte: Nahr.bedarf [%/Wch.] 255,0,0", "spin 20",
            "plot", "check Ausgangsfunktion on 0,0,0",
        };
        if (carp)
            column.insert(column.begin() + 13, {"label Karpfen: Startzahl 0,127,200", "spin 100",
                                                "label Karpfen: Zuwachs [%/Wch] 0,127,200", "spin 6"});
        return column;
    }

    // Sets a control as the pupil would, 5 seconds after the last event, and
    // sends the event it sends.
    template <class Event = wxCommandEvent>
    void Send(wxWindow* control, wxEventType type, int value)
    {
        Wait();
        Event event(type, control->GetId());
        event.SetInt(value);
        event.SetEventObject(control);
        control->GetEventHandler()->ProcessEvent(event);
    }
    void Spin_To(CSim_SpinCtrl* spin, int n) { spin->SetValue(n); Send<wxSpinEvent>(spin, wxEVT_SPINCTRL, n); }
    void Choose(wxChoice* choice, int item) { choice->SetSelection(item); Send(choice, wxEVT_CHOICE, item); }
    void Tick(wxCheckBox* box, bool value) { box->SetValue(value); Send(box, wxEVT_CHECKBOX, value); }

    // A menu command as the popup sends it.
    bool Command(wxWindow* plot, int id)
    {
        wxCommandEvent event(wxEVT_MENU, id);
        return plot->GetEventHandler()->ProcessEvent(event);
    }

    // The points a plot holds, and whether it paints curves rather than the empty state.
    template <class Plot>
    std::pair<int, bool> State(Plot* plot)
    {
        wxBitmap bitmap(400, 250, 24);
        wxMemoryDC dc(bitmap);
        return {plot->Get_Steps(), plot->Draw_Plot(dc, bitmap.GetSize())};
    }

    // What the plot paints on a canvas of its size.
    template <class Plot>
    wxImage Paint(Plot* plot)
    {
        wxBitmap bitmap(plot->GetClientSize(), 24);
        {
            wxMemoryDC dc(bitmap);
            dc.SetBackground(wxBrush(plot->GetBackgroundColour()));
            dc.Clear();
            EXPECT_TRUE(plot->Draw_Plot(dc));
        }
        return bitmap.ConvertToImage();
    }

    // Whether a pixel next to at has about this colour.
    bool Near(const wxImage& image, const wxPoint& at, const wxColour& colour)
    {
        for (int y = at.y - 1; y <= at.y + 1; y++)
            for (int x = at.x - 1; x <= at.x + 1; x++)
                if (std::abs(image.GetRed(x, y) - colour.Red()) + std::abs(image.GetGreen(x, y) - colour.Green()) +
                        std::abs(image.GetBlue(x, y) - colour.Blue()) < 60)
                    return true;
        return false;
    }

    // The picture file has the plot's size and is what the plot paints
    // there; the rudd's point 100 of 200 lies where the model puts it (the
    // axes take 20 pixels left and below).
    template <class Plot>
    void Expect_Picture(Plot* plot, const wxString& path)
    {
        wxImage file;
        ASSERT_TRUE(file.LoadFile(path, wxBITMAP_TYPE_PNG)) << path;
        ASSERT_EQ(file.GetSize(), plot->GetClientSize());
        EXPECT_EQ(memcmp(Paint(plot).GetData(), file.GetData(), file.GetWidth() * file.GetHeight() * 3), 0);
        const wxSize area = file.GetSize() - wxSize(20, 20);
        const int y = area.y - int(area.y / 1500.0 * plot->Get_Current_Series().Rudd[100]);
        EXPECT_TRUE(Near(file, wxPoint(20 + area.x / 2, y), Plot::Species_Colour(1, false))) << y;
    }

    // The values file as a German spreadsheet reads it: the header, then per
    // point the time and each series with six decimals after a comma.
    std::string Values(const std::string& header, const std::vector<const std::vector<double>*>& series)
    {
        std::string text = header + "\n";
        for (size_t i = 0; i < series.front()->size(); i++)
        {
            text += std::to_string(i);
            for (const std::vector<double>* values : series)
                text += ";" + Csv_Number((*values)[i]);
            text += "\n";
        }
        return text;
    }
}

TEST_F(Pond_Window, Options_Give_The_Columns_And_Hidden_Controls_Their_Start_Values)
{
    CSim_Window* pond = Make(FISCHLAUF, "", false);
    CSim_Window* pond3 = Make(FISCHLAUF_2, "", false);
    CSim_Window* window = Make(FISCHLAUF, "HE_START_SHOW=0;HE_START=35;RESET_SHOW=0;DEFAULT_SHOW=0;"
                                          "SZENARIO_SHOW=0;SZENARIO=1;RF_FEED_SHOW=1;RF_KAP_NAME=Platz");
    ASSERT_TRUE(pond && pond3 && window);
    EXPECT_EQ(Column(pond), Default_Column(false));
    EXPECT_EQ(Column(pond3), Default_Column(true));
    EXPECT_EQ(Column(window), (std::vector<std::string>{
                                  "label Zeitspanne [Monate] 0,0,0", "spin 200", "label Wertespanne 0,0,0",
                                  "spin 1500", "label Platz 0,127,0", "spin 1000",
                                  "label Rotfedern: Startzahl 0,0,255", "spin 200",
                                  "label Rotfeder: Zuwachs [%/Wch] 0,0,255", "spin 8",
                                  "label Hechte: Nahr.bedarf [%/Wch.] 255,0,0", "spin 20",
                                  "label Hechte: Rotfederkonsum 255,0,0", "spin 50", "plot"}));
    Spin_To(Spin(window, ID_POND_RF_GROW), 10);
    CSim_Pond_Plot* plot = Plot(window);
    EXPECT_EQ(plot->Get_Current_Series().Pike[0], 35);
    EXPECT_EQ(plot->Get_Scenario(), 1);
    EXPECT_EQ(plot->Get_Show_Reference(), 0);
}

TEST_F(Pond_Window, Every_Change_Is_Logged_With_The_Value_It_Set)
{
    CSim_Window* window = Make(FISCHLAUF, "RF_FEED_SHOW=1;HE_GROW_SHOW=1");
    ASSERT_TRUE(window && window->Set_Log_File(m_Dir.File("teich.txt")));
    const std::pair<int, int> changes[] = {
        {ID_POND_TIME, 300},     {ID_POND_ZOOM, 2000},  {ID_POND_RF_KAP, 800},
        {ID_POND_RF_START, 150}, {ID_POND_RF_GROW, 12}, {ID_POND_HE_START, 30},
        {ID_POND_HE_DEAD, 25},   {ID_POND_RF_FEED, 70}, {ID_POND_HE_GROW, 10},
    };
    for (const auto& change : changes)
        Spin_To(Spin(window, change.first), change.second);
    // Typed and entered, then reported again as the field loses the focus.
    CSim_SpinCtrl* pikes = Spin(window, ID_POND_HE_START);
    pikes->SetValue(40);
    Send(pikes, wxEVT_TEXT_ENTER, 40);
    Send<wxSpinEvent>(pikes, wxEVT_SPINCTRL, 40);
    for (int selection : {1, 2, 0})
        Choose(Find<wxChoice>(window), selection);
    for (bool ticked : {false, true})
        Tick(Find<wxCheckBox>(window), ticked);
    Wait();
    EXPECT_TRUE(Click_Button(window, Reset));

    // On disk as the pupil works; the window's end writes it whole again.
    const std::string growing = m_Dir.Read("teich.txt");
    Destroy(window);
    EXPECT_EQ(growing, m_Dir.Read("teich.txt"));
    EXPECT_EQ(growing, Log_Header +
                           "10:00:05\tTime\t300.000000\n"
                           "10:00:10\tZoom\t2000.000000\n"
                           "10:00:15\tCapacity\t800.000000\n"
                           "10:00:20\tRF Start\t150.000000\n"
                           "10:00:25\tRF Grow\t0.120000\n"
                           "10:00:30\tHE Start\t30.000000\n"
                           "10:00:35\tHE Dead\t0.250000\n"
                           "10:00:50\tHE Start\t40.000000\n"
                           "10:01:00\tScenario\thalbieren\n"
                           "10:01:05\tScenario\tschwankend\n"
                           "10:01:10\tScenario\tkonstant\n"
                           "10:01:15\tShow Def\taus\n"
                           "10:01:20\tShow Def\tan\n"
                           "10:01:25\tReset\t\n");
}

TEST_F(Pond_Window, Percent_Keys_Are_Positions_And_Reset_Restores_Controls_And_Scenario_But_Not_The_Check_Box)
{
    // 0.29 is 28.999... percent of 0..1: the control shows 28, so the
    // current run uses 0.28 while the reference keeps 0.29.
    CSim_Window* window = Make(FISCHLAUF, "SZENARIO=1.9;RF_GROW=29;HE_DEAD=8;HE_DEAD_MAX=0.5;RF_START=200.5;"
                                          "RF_FEED_SHOW=1;HE_GROW_SHOW=1");
    ASSERT_TRUE(window);
    CSim_Pond_Plot* plot = Plot(window);
    EXPECT_EQ(Spin(window, ID_POND_RF_GROW)->GetValue(), 28);
    EXPECT_DOUBLE_EQ(plot->Get_Reference().a, 0.29);
    EXPECT_DOUBLE_EQ(plot->Get_Current().d, 0.04);
    EXPECT_TRUE(plot->Get_Reference_Series().Rudd[0] == 200.5 && plot->Get_Current_Series().Rudd[0] == 200);
    std::vector<std::string> start = Column(window);
    for (CSim_SpinCtrl* spin : Children_Of<CSim_SpinCtrl>(window))
        Spin_To(spin, spin->GetId() == ID_POND_TIME ? 500 : 90);
    Choose(Find<wxChoice>(window), 2);
    Tick(Find<wxCheckBox>(window), false);
    ASSERT_EQ(plot->Get_Steps(), 500);

    EXPECT_TRUE(Click_Button(window, Reset));
    start.back() = "check Ausgangsfunktion off 0,0,0";
    EXPECT_EQ(Column(window), start);
    EXPECT_EQ(plot->Get_Steps(), 200);
    EXPECT_EQ(plot->Get_Scenario(), 1);
    EXPECT_EQ(plot->Get_Show_Reference(), 0);
    EXPECT_DOUBLE_EQ(plot->Get_Current().a, 0.28);  // the control's truncated position
}

TEST_F(Pond_Window, Absurd_Options_Neither_Crash_Nor_Hang)
{
    const struct { Module module; const char* options; std::pair<int, bool> state; } cases[] = {
        {FISCHLAUF, "TIME=0;TIME_SHOW=0", {0, false}},
        {FISCHLAUF, "TIME=0", {25, true}},  // the control holds it to its minimum
        {FISCHLAUF, "TIME=1;TIME_SHOW=0", {1, false}},  // a start but no step
        {FISCHLAUF, "TIME=1e300;TIME_SHOW=0", {Pond_Max_Steps, true}},
        {FISCHLAUF, "ZOOM=0;ZOOM_SHOW=0", {200, false}},
        {FISCHLAUF, "RF_KAP=1e300;RF_KAP_SHOW=0;ZOOM=1e300;ZOOM_SHOW=0", {200, true}},
        {FISCHLAUF, "TIME=NaN;ZOOM=nan;RF_KAP=inf;SZENARIO=-1e300;SZENARIO_SHOW=0;SIM_TYPE=-3;"
                    "HE_DEAD=1e300;RF_GROW_MAX=1e300;RF_GROW_MIN=-1e300", {200, true}},
        {FISCHLAUF, "RF_START=0;HE_START=0;RF_START_MIN=0;HE_START_MIN=0", {200, false}},
        {FISCHLAUF_2, "TIME=-1e300;TIME_SHOW=0", {0, false}},
        {FISCHLAUF_2, "RF_START=0;KA_START=0;HE_START=0;RF_START_MIN=0;KA_START_MIN=0;HE_START_MIN=0", {200, true}},
        {FISCHLAUF_2, "TIME=1e12;TIME_SHOW=0;RF_KAP=1e300;RF_KAP_SHOW=0;KA_START=1e300", {Pond_Max_Steps, true}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.options);
        CSim_Window* window = Make(c.module, c.options, false);
        ASSERT_TRUE(window);
        EXPECT_EQ(c.module == FISCHLAUF ? State(Plot(window)) : State(Plot3(window)), c.state);
        Destroy(window);
    }
}

TEST_F(Pond_Window, A_Time_Span_Beyond_The_Longest_Series_Shows_And_Logs_The_Span_Used)
{
    const char* options = "TIME_MAX=200000;TIME=150000";
    CSim_Window* pond3 = Make(FISCHLAUF_2, options, false);
    CSim_Window* window = Make(FISCHLAUF, options);
    ASSERT_TRUE(pond3 && window && window->Set_Log_File(m_Dir.File("teich.txt")));
    EXPECT_EQ(Children_Of<CSim_SpinCtrl>(pond3)[TIME]->GetValue(), Pond_Max_Steps);
    CSim_SpinCtrl* time = Spin(window, ID_POND_TIME);
    EXPECT_EQ(time->GetValue(), Pond_Max_Steps);
    Spin_To(time, 150000);
    EXPECT_EQ(Plot(window)->Get_Steps(), Pond_Max_Steps);
    Destroy(window);
    EXPECT_EQ(m_Dir.Read("teich.txt"), Log_Header + "10:00:05\tTime\t100000.000000\n");
}

TEST_F(Pond_Window, Fertiliser_Feeds_The_Algae_And_Is_Logged_With_The_Rate_Used)
{
    CSim_Window* window = Make(ALGEN, "");
    ASSERT_TRUE(window && window->Set_Log_File(m_Dir.File("algen.txt")));
    const std::vector<CSim_SpinCtrl*> spins = Children_Of<CSim_SpinCtrl>(window);
    ASSERT_EQ(spins.size(), 5u);  // time span, three start values, fertiliser
    Spin_To(spins[4], 10);
    Send<wxSpinEvent>(spins[4], wxEVT_SPINCTRL, 10);  // again as the field loses the focus: no line
    wxTEST_DIALOG(Command(Find<wxPanel>(window), PLOT_EXPORT_VALUES),
                  wxExpectModal<wxFileDialog>(m_Dir.File("algen.csv")));
    // On day 50 the algae of the fertilised pond stand at 9.342372, those of
    // the reference run, without fertiliser, do not.
    const std::string csv = m_Dir.Read("algen.csv");
    const size_t day = csv.find("\n50;");
    ASSERT_EQ(csv.substr(0, csv.find('\n')), "Zeit [Tage];N\xE4hrstoffe;Algen;Wasserfl\xF6he;N\xE4hrstoffe (Ausgangsfunktion);"
                                             "Algen (Ausgangsfunktion);Wasserfl\xF6he (Ausgangsfunktion)");
    ASSERT_NE(day, std::string::npos);
    const std::string row = csv.substr(day + 1, csv.find('\n', day + 1) - day - 1);
    EXPECT_EQ(row.rfind(";9,342372;"), row.find(';', 3)) << row;  // the algae's cell, and only there
    EXPECT_EQ(std::count(row.begin(), row.end(), ';'), 6) << row;
    Destroy(window);
    EXPECT_EQ(m_Dir.Read("algen.txt"),
              Log_Header + "10:00:05\tInput\t0.100000\n" + Export_Line("10:00:10", "Export Werte", "algen.csv"));
}

TEST_F(Pond_Window, Pale_Reference_Curves_Show_Only_While_Ticked)
{
    CSim_Window* window = Make(FISCHLAUF, "");
    ASSERT_TRUE(window);
    Spin_To(Spin(window, ID_POND_RF_GROW), 12);
    CSim_Pond_Plot* plot = Plot(window);
    // Where a value of point i lies (the axes take 20 pixels left and below),
    // at the point where the changed rudd curve is furthest from the reference.
    const wxSize area = plot->GetClientSize() - wxSize(20, 20);
    const std::vector<double>& rudd = plot->Get_Current_Series().Rudd;
    const std::vector<double>& reference = plot->Get_Reference_Series().Rudd;
    size_t i = 0;
    for (size_t k = 0; k < rudd.size(); k++)
        if (std::abs(rudd[k] - reference[k]) > std::abs(rudd[i] - reference[i]))
            i = k;
    ASSERT_GT(std::abs(rudd[i] - reference[i]), 100.0);
    auto at = [&](double value) {
        return wxPoint(20 + int(area.x * double(i) / plot->Get_Steps()), area.y - int(area.y / 1500.0 * value));
    };

    // Rudd blue, capacity green; the reference run in their pale shades.
    const wxColour blue(0, 0, 255), pale_blue = Pond_Group_Colour(0, 0, 255, true), green(0, 127, 0);
    const wxImage shown = Paint(plot);
    EXPECT_TRUE(Near(shown, at(rudd[i]), blue));
    EXPECT_TRUE(Near(shown, at(reference[i]), pale_blue));
    EXPECT_TRUE(Near(shown, at(1000), green));
    Tick(Find<wxCheckBox>(window), false);
    const wxImage hidden = Paint(plot);
    EXPECT_TRUE(Near(hidden, at(rudd[i]), blue));
    EXPECT_FALSE(Near(hidden, at(reference[i]), pale_blue));
}

TEST_F(Pond_Window, The_Right_Button_Menu_Saves_The_Plot_As_Shown)
{
    CSim_Window* window = Make(FISCHLAUF, "");
    ASSERT_TRUE(window && window->Set_Log_File(m_Dir.File("teich.txt")));
    CSim_Pond_Plot* plot = Plot(window);
    // The open popup holds the keyboard: the second item, "Bild speichern...",
    // is chosen with the arrow keys. Should they get lost, Escape closes it
    // later and the test fails instead of hanging.
    wxTimer rescue;
    rescue.Bind(wxEVT_TIMER, [](wxTimerEvent&) { wxUIActionSimulator().Char(WXK_ESCAPE); });
    plot->Bind(wxEVT_MENU_OPEN, [&](wxMenuEvent&) {
        plot->CallAfter([] {
            for (int key : {WXK_DOWN, WXK_DOWN, WXK_RETURN})
                wxUIActionSimulator().Char(key);
        });
        rescue.StartOnce(10000);
    });
    wxContextMenuEvent right(wxEVT_CONTEXT_MENU, plot->GetId(), plot->ClientToScreen(wxPoint(200, 200)));
    wxTEST_DIALOG(plot->GetEventHandler()->ProcessEvent(right), wxExpectModal<wxFileDialog>(m_Dir.File("bild")));
    Expect_Picture(plot, m_Dir.File("bild.png"));
    Destroy(window);
    EXPECT_EQ(m_Dir.Read("teich.txt"), Log_Header + Export_Line("10:00:00", "Export Bild", "bild.png"));
}

TEST_F(Pond_Window, Values_Read_Back_As_Both_Runs_And_Only_Written_Files_Are_Logged)
{
    CSim_Window* window = Make(FISCHLAUF, "X_NAME=Monate");
    ASSERT_TRUE(window && window->Set_Log_File(m_Dir.File("teich.txt")));
    CSim_Pond_Plot* plot = Plot(window);
    Spin_To(Spin(window, ID_POND_RF_GROW), 12);
    wxTEST_DIALOG(Command(plot, PLOT_EXPORT_VALUES), wxExpectModal<wxFileDialog>(m_Dir.File("werte")));
    const Pond_Series& c = plot->Get_Current_Series();
    const Pond_Series& r = plot->Get_Reference_Series();
    ASSERT_NE(c.Rudd[5], r.Rudd[5]);
    EXPECT_EQ(m_Dir.Read("werte.csv"), Values("Monate;Kapazit\xE4t;Rotfedern;Hechte;Kapazit\xE4t (Ausgangsfunktion);"
                                              "Rotfedern (Ausgangsfunktion);Hechte (Ausgangsfunktion)",
                                              {&c.Capacity, &c.Rudd, &c.Pike, &r.Capacity, &r.Rudd, &r.Pike}));

    // Cancelled, a file there not to be replaced, or a folder that cannot be
    // made (a file is in its place): nothing written, nothing logged. The
    // next dialog opens in the folder chosen last.
    wxString folder;
    wxTEST_DIALOG(Command(plot, PLOT_EXPORT_IMAGE), Expect_File_Dialog([&](wxFileDialog* dialog) {
                      folder = dialog->GetDirectory();
                      return wxID_CANCEL;
                  }));
    EXPECT_EQ(folder + "/", m_Dir.Path());
    m_Dir.Write("bild.png", "alt");
    wxTEST_DIALOG(Command(plot, PLOT_EXPORT_IMAGE), wxExpectModal<wxFileDialog>(m_Dir.File("bild")),
                  wxExpectModal<wxMessageDialog>(wxNO), wxExpectModal<wxFileDialog>("", wxID_CANCEL));
    EXPECT_EQ(m_Dir.Read("bild.png"), "alt");
    m_Dir.Write("datei", "x");
    wxString message;
    wxTEST_DIALOG(Command(plot, PLOT_EXPORT_IMAGE), wxExpectModal<wxFileDialog>(m_Dir.File("datei/bild.png")),
                  Expect_Message(wxOK, &message));
    EXPECT_EQ(message, "Die Datei " + m_Dir.File("datei/bild.png") + " konnte nicht gespeichert werden.");
    Destroy(window);
    EXPECT_EQ(m_Dir.Read("teich.txt"),
              Log_Header + "10:00:05\tRF Grow\t0.120000\n" + Export_Line("10:00:05", "Export Werte", "werte.csv"));
}

TEST_F(Pond_Window, Three_Species_Export_Carp_Too_And_Log_Only_The_Exports)
{
    CSim_Window* window = Make(FISCHLAUF_2, "KA_START=150");
    ASSERT_TRUE(window && window->Set_Log_File(m_Dir.File("drei.txt")));
    CSim_Pond3_Plot* plot = Plot3(window);
    Spin_To(Children_Of<CSim_SpinCtrl>(window)[KA_START], 60);
    wxTEST_DIALOG(Command(plot, PLOT_EXPORT_VALUES), wxExpectModal<wxFileDialog>(m_Dir.File("drei.csv")));
    const Pond3_Series& c = plot->Get_Current_Series();
    const Pond3_Series& r = plot->Get_Reference_Series();
    ASSERT_TRUE(c.Carp[0] == 60 && r.Carp[0] == 150);
    EXPECT_EQ(m_Dir.Read("drei.csv"),
              Values("Zeit [Monate];Kapazit\xE4t;Rotfedern;Karpfen;Hechte;Kapazit\xE4t (Ausgangsfunktion);"
                     "Rotfedern (Ausgangsfunktion);Karpfen (Ausgangsfunktion);Hechte (Ausgangsfunktion)",
                     {&c.Capacity, &c.Rudd, &c.Carp, &c.Pike, &r.Capacity, &r.Rudd, &r.Carp, &r.Pike}));
    Wait();
    wxTEST_DIALOG(Command(plot, PLOT_EXPORT_IMAGE), wxExpectModal<wxFileDialog>(m_Dir.File("drei.png")));
    Expect_Picture(plot, m_Dir.File("drei.png"));
    Destroy(window);
    EXPECT_EQ(m_Dir.Read("drei.txt"), Log_Header + Export_Line("10:00:05", "Export Werte", "drei.csv") +
                                          Export_Line("10:00:10", "Export Bild", "drei.png"));
}
