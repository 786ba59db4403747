// The export menu of both plots, on windows made by the built modules: the
// popup, the picture against the plot's own painting, the values against
// the plot's runs, the log lines, and failed exports.

#include "plugins/fischlauf/CSim_Pond.h"
#include "plugins/fischlauf/CSim_Pond_Plot.h"
#include "plugins/fischlauf_2/CSim_Pond3_Plot.h"
#include "plugins/pond/Pond_Export_Menu.h"

#include "simframe/src/Tirsal_Testing.h"
#include "tests/plugins/Csv_Reading.h"
#include "tests/plugins/Pond_Test_Helpers.h"
#include "tests/support/Frame_Fixture.h"

#include <cstring>
#include <wx/dcmemory.h>
#include <wx/menu.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

namespace
{
    class Pond_Export : public Pond_Plugin_Test
    {
    protected:
        // A menu command as the popup sends it.
        static void Command(wxWindow* plot, int id)
        {
            wxCommandEvent event(wxEVT_MENU, id);
            plot->GetEventHandler()->ProcessEvent(event);
        }

        // A command whose save dialog answers with path.
        static void Export(wxWindow* plot, int id, const wxString& path)
        {
            wxTEST_DIALOG(Command(plot, id), wxExpectModal<wxFileDialog>(path));
        }

        // The picture file against what the plot paints at its client size
        // on its background, and not blank.
        template <class Plot>
        static void Expect_Picture(Plot* plot, const wxString& path)
        {
            wxImage file;
            ASSERT_TRUE(file.LoadFile(path, wxBITMAP_TYPE_PNG)) << path;
            const wxSize size = plot->GetClientSize();
            ASSERT_EQ(file.GetSize(), size);
            wxBitmap bitmap(size, 24);
            {
                wxMemoryDC dc(bitmap);
                dc.SetBackground(wxBrush(plot->GetBackgroundColour()));
                dc.Clear();
                EXPECT_TRUE(plot->Draw_Plot(dc));
            }
            EXPECT_EQ(memcmp(bitmap.ConvertToImage().GetData(), file.GetData(), size.x * size.y * 3), 0);
            EXPECT_GT(Count_Colour(file, wxRect(size), Plot::Species_Colour(1, false)), 100);
        }

        std::string Line(const char* time, const char* activity, const wxString& file)
        {
            return std::string(time) + "\t" + activity + "\t" + m_Dir.File_Str(file) + "\n";
        }
    };
}

TEST_F(Pond_Export, The_Right_Button_Menu_Saves_The_Plot_As_Shown)
{
    Load(FISCHLAUF_PLUGIN);
    CSim_Window* window = Make("");
    ASSERT_TRUE(window && window->Set_Log_File(m_Dir.File("teich.txt")));
    CSim_Pond_Plot* plot = Find_Plot<CSim_Pond_Plot>(window);
    // A left click opens nothing (a dialog would fail the test).
    wxMouseEvent click(wxEVT_LEFT_DOWN);
    plot->GetEventHandler()->ProcessEvent(click);

    // The open popup holds the keyboard: the second item is chosen with
    // the arrow keys. Should they get lost, Escape closes it later and the
    // test fails instead of hanging.
    std::vector<wxString> shown;
    wxTimer rescue;
    rescue.Bind(wxEVT_TIMER, [](wxTimerEvent&) { wxUIActionSimulator().Char(WXK_ESCAPE); });
    plot->Bind(wxEVT_MENU_OPEN, [&](wxMenuEvent& event) {
        if (event.GetMenu())
            for (wxMenuItem* item : event.GetMenu()->GetMenuItems())
                shown.push_back(item->GetItemLabelText());
        plot->CallAfter([] {
            wxUIActionSimulator keys;
            for (int key : {WXK_DOWN, WXK_DOWN, WXK_RETURN})
                keys.Char(key);
        });
        rescue.StartOnce(10000);
    });
    wxString title, name, filter;
    long style = 0;
    wxContextMenuEvent right(wxEVT_CONTEXT_MENU, plot->GetId(), plot->ClientToScreen(wxPoint(200, 200)));
    wxTEST_DIALOG(plot->GetEventHandler()->ProcessEvent(right), Expect_File_Dialog([&](wxFileDialog* d) {
                      title = d->GetMessage();
                      name = d->GetFilename();
                      filter = d->GetWildcard();
                      style = d->GetWindowStyle();
                      d->SetPath(m_Dir.File("bild"));
                      return wxID_OK;
                  }));
    EXPECT_EQ(shown, (std::vector<wxString>{"Werte speichern...", "Bild speichern..."}));
    EXPECT_EQ(title + " " + name, "Bild speichern teich_bild.png");
    EXPECT_EQ(filter, "PNG-Bilder (*.png)|*.png|Alle Dateien|*.*");
    EXPECT_EQ(style & (wxFD_SAVE | wxFD_OVERWRITE_PROMPT), wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    Expect_Picture(plot, m_Dir.File("bild.png"));
    Destroy(window);
    EXPECT_EQ(m_Dir.Read("teich.txt"), Log_Header + Line("10:00:00", "Export Bild", "bild.png"));
}

TEST_F(Pond_Export, Values_Read_Back_As_Both_Runs_And_Only_Written_Files_Are_Logged)
{
    Load(FISCHLAUF_PLUGIN);
    CSim_Window* window = Make("X_NAME=Monate");
    ASSERT_TRUE(window && window->Set_Log_File(m_Dir.File("teich.txt")));
    CSim_Pond_Plot* plot = Find_Plot<CSim_Pond_Plot>(window);
    Spin_To(dynamic_cast<CSim_SpinCtrl*>(window->FindWindow(ID_POND_RF_GROW)), 12);

    Tirsal_Advance_Clock(wxTimeSpan::Seconds(5));
    Export(plot, ID_POND_EXPORT_VALUES, m_Dir.File("werte"));
    const Csv_Rows rows = Read_Csv(m_Dir.Read("werte.csv"));
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[0], (std::vector<std::string>{
                           "Monate", "Kapazit\xE4t", "Rotfedern", "Hechte", "Kapazit\xE4t (Ausgangsfunktion)",
                           "Rotfedern (Ausgangsfunktion)", "Hechte (Ausgangsfunktion)"}));
    const Pond_Series& c = plot->Get_Current_Series();
    const Pond_Series& r = plot->Get_Reference_Series();
    ASSERT_NE(c.Rudd[5], r.Rudd[5]);
    Expect_Columns(rows, 1.0, {&c.Capacity, &c.Rudd, &c.Pike, &r.Capacity, &r.Rudd, &r.Pike});

    // Cancelled, a folder that cannot be made (a file is in its place), a
    // name that is a folder: nothing written, nothing logged.
    wxTEST_DIALOG(Command(plot, ID_POND_EXPORT_IMAGE), wxExpectModal<wxFileDialog>("", wxID_CANCEL));
    m_Dir.Write("datei", "x");
    m_Dir.Make_Dir("ordner.png");
    const wxString unwritable = m_Dir.File("datei/werte.csv");
    wxString message, caption;
    wxTEST_DIALOG(Command(plot, ID_POND_EXPORT_VALUES), wxExpectModal<wxFileDialog>(unwritable),
                  Expect_Message(wxOK, &message, &caption));
    EXPECT_EQ(message, "Die Datei " + unwritable + " konnte nicht gespeichert werden.");
    EXPECT_EQ(caption, "Werte speichern");
    wxTEST_DIALOG(Command(plot, ID_POND_EXPORT_IMAGE), wxExpectModal<wxFileDialog>(m_Dir.File("ordner.png")),
                  Expect_Message(wxOK, &message, &caption));
    EXPECT_EQ(caption, "Bild speichern");

    Destroy(window);
    EXPECT_EQ(m_Dir.Read("teich.txt"),
              Log_Header + "10:00:00\tRF Grow\t0.120000\n" + Line("10:00:05", "Export Werte", "werte.csv"));
}

TEST_F(Pond_Export, Three_Species_Export_Carp_Too_And_Log_Only_The_Exports)
{
    Load(FISCHLAUF_2_PLUGIN);
    CSim_Window* window = Make("KA_START=150");
    ASSERT_TRUE(window && window->Set_Log_File(m_Dir.File("drei.txt")));
    CSim_Pond3_Plot* plot = Find_Plot<CSim_Pond3_Plot>(window);
    Spin_To(Spin_Controls(window)[5], 60);  // the carp's start

    Export(plot, ID_POND_EXPORT_VALUES, m_Dir.File("drei.csv"));
    const Csv_Rows rows = Read_Csv(m_Dir.Read("drei.csv"));
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[0][3] + "|" + rows[0][7], "Karpfen|Karpfen (Ausgangsfunktion)");
    EXPECT_EQ(rows[1][3] + "|" + rows[1][7], "60,000000|150,000000");
    const Pond3_Series& c = plot->Get_Current_Series();
    const Pond3_Series& r = plot->Get_Reference_Series();
    Expect_Columns(rows, 1.0,
                   {&c.Capacity, &c.Rudd, &c.Carp, &c.Pike, &r.Capacity, &r.Rudd, &r.Carp, &r.Pike});

    Tirsal_Advance_Clock(wxTimeSpan::Seconds(5));
    Export(plot, ID_POND_EXPORT_IMAGE, m_Dir.File("drei.png"));
    Expect_Picture(plot, m_Dir.File("drei.png"));
    Destroy(window);
    EXPECT_EQ(m_Dir.Read("drei.txt"), Log_Header + Line("10:00:00", "Export Werte", "drei.csv") +
                                          Line("10:00:05", "Export Bild", "drei.png"));
}
