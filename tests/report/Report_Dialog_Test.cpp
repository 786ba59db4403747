// The class report started from the menu: the folder dialog, the question
// before an earlier report is replaced, the browser, and errors in a box.

#include "report/Report_Dialog.h"
#include "shell/Link_Launcher.h"
#include "tests/support/Frame_Fixture.h"

#include <wx/dirdlg.h>

namespace
{
    Expect_Dialog<wxDirDialog> Expect_Dir_Dialog(const wxString& path)
    {
        return Expect_Dialog<wxDirDialog>([path](wxDirDialog* dialog) {
            // The native chooser takes its folder later; the path the
            // dialog reports is the toolkit's own.
            dialog->wxDirDialogBase::SetPath(path);
            return wxID_OK;
        });
    }
}

TEST(Report_Dialog, Writes_The_Report_And_Opens_It)
{
    Temp_Dir dir;
    dir.Write("7b/anna/aktivitaet.log", "Teich\nAufzeichung der Aktivit\xE4ten\nDatum: 2026-12-07\n"
                                        "Uhrzeit\tDauer\tAktivtit\xE4t\n08:00:00\t00:00:00\tAufzeichnung gestartet\n");
    dir.Write("8a/Auswertung/eigenes.txt", "Notizen\n");
    std::vector<wxString> opened;
    Set_Link_Launcher([&](const Link_Launch& launch) { opened.push_back(launch.Text); });

    int status = -1;
    wxTEST_DIALOG(status = Run_Report_Dialog(""), Expect_Dir_Dialog(dir.File("7b")));
    EXPECT_EQ(status, 0);
    EXPECT_EQ(opened, std::vector<wxString>{"file://" + dir.File("7b/Auswertung/bericht.html")});

    // Asked before the report is replaced; "Nein" leaves it.
    wxString question, error;
    wxTEST_DIALOG(status = Run_Report_Dialog(""), Expect_Dir_Dialog(dir.File("7b")), Expect_Message(wxNO, &question));
    EXPECT_NE(question.find("schon eine Auswertung"), wxString::npos) << question;
    EXPECT_EQ(opened.size(), 1u);

    wxTEST_DIALOG(status = Run_Report_Dialog(""), Expect_Dir_Dialog(dir.File("8a")), Expect_Message(wxOK, &error));
    EXPECT_EQ(status, 2);
    EXPECT_NE(error.find(dir.File("8a/Auswertung")), wxString::npos) << error;
    EXPECT_EQ(opened.size(), 1u);
    Set_Link_Launcher({});
}
