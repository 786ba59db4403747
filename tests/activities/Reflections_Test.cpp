#include "activities/CSim_Reflection.h"
#include "activities/CSim_Reflections.h"

#include "tests/activities/Activity_Test_Support.h"

#include <wx/radiobox.h>
#include <wx/textctrl.h>

namespace
{
    const wxString OPENED = wxString::FromUTF8("Reflektionshilfe geöffnet");
    const wxString CLOSED = "Reflektionshilfe geschlossen";

    void Set_Explanation(CSim_Reflections* dialog, int item, const wxString& text)
    {
        dialog->Get_Item(item)->Get_Explanation_Ctrl()->SetValue(text);
    }
}

TEST(Reflections, Writes_The_Answers_File_Byte_For_Byte_Beside_The_Reflection_File)
{
    Temp_Dir dir;
    // Windows-1252 bytes; groups enumerate by name ignoring case, so A comes first.
    dir.Write("kurs/reflexion/reflexion.ini",
              "Title=R\xFC" "ckblick\nIntro=Wie lief es?\nLogfile=antworten/reflexion.txt\n"
              "[b_Zweites]\nReflection=R\xE4uber und Beute\nDescription=Was geschah?\n"
              "[A_Erstes]\nReflection=Nahrungsketten\n");
    dir.Write("kurs/reflexion/antworten/reflexion.txt", std::string(1000, 'x'));
    In_Directory elsewhere("/");  // the Logfile is found beside the reflection file, not here
    CSim_Reflections* dialog = new CSim_Reflections(nullptr, dir.File("kurs/reflexion/reflexion.ini"));
    ASSERT_EQ(dialog->Get_Item_Count(), 2);
    EXPECT_EQ(dialog->Get_Log_File(), dir.File("kurs/reflexion/antworten/reflexion.txt"));

    dialog->Get_Item(1)->Get_Assessment_Ctrl()->SetSelection(4);
    Set_Explanation(dialog, 1, wxString::FromUTF8("Erste Zeile\nzweite Zeile mit ä und →"));
    delete dialog;

    EXPECT_EQ(dir.Read("kurs/reflexion/antworten/reflexion.txt"),
              "Reflektionshilfen\n\n____________________\n1. Reflektionshilfe\n\n"
              "Thema: Nahrungsketten\nBewertung: 3   \nErl\xE4uterung:\n\n"
              "\n____________________\n2. Reflektionshilfe\n\n"
              "Thema: R\xE4uber und Beute\nBewertung: 5   \nErl\xE4uterung:\nErste Zeile\nzweite Zeile mit \xE4 und ?\n");
}

TEST(Reflections, Finishes_Only_When_Every_Explanation_Is_Long_Enough)
{
    Temp_Dir dir;
    dir.Write("reflexion.ini",
              "MIN_LENGTH=20\nMIN_PROMPT=Bitte ausf\xFChrlicher: %s%n%d\n"
              "[1]\nReflection=Eins\n[2]\nReflection=Zwei\n[3]\nReflection=Drei\n");
    Log_Capture activities;
    CSim_Reflections* dialog = new CSim_Reflections(nullptr, dir.File("reflexion.ini"));
    ASSERT_EQ(dialog->Get_Item_Count(), 3);
    Run_Modal(dialog, [&] {
        Set_Explanation(dialog, 0, wxString('a', 25));
        Set_Explanation(dialog, 1, wxString('b', 5));
        wxString message;
        wxTEST_DIALOG(EXPECT_TRUE(Click_Button(dialog, "Beenden")), Expect_Message(wxOK, &message));
        EXPECT_EQ(message, wxString::FromUTF8("Bitte ausführlicher: %s%n%d"));

        // Characters count, not bytes: nineteen umlauts are too few (the box comes again), twenty do.
        Set_Explanation(dialog, 1, wxString(wxUniChar(0xE4), 20));
        Set_Explanation(dialog, 2, wxString(wxUniChar(0xF6), 19));
        wxTEST_DIALOG(EXPECT_TRUE(Click_Button(dialog, "Beenden")), Expect_Message(wxOK, &message));

        Set_Explanation(dialog, 2, wxString(wxUniChar(0xF6), 20));
        EXPECT_TRUE(Click_Button(dialog, "Beenden"));
    });
    EXPECT_EQ(activities.Lines, std::vector<wxString>({OPENED, CLOSED}));
    delete dialog;
}

TEST(Reflections, Logs_Every_Opening_And_Only_A_Finish_By_Beenden)
{
    Temp_Dir dir;
    dir.Write("reflexion.ini", "[Thema]\nReflection=Eins\n");
    Log_Capture activities;
    CSim_Reflections* dialog = new CSim_Reflections(nullptr, dir.File("reflexion.ini"));
    // The title bar's close button: no check, no entry. Without MIN_LENGTH "Beenden" always closes.
    Run_Modal(dialog, [&] { dialog->Close(); });
    Run_Modal(dialog, [&] { EXPECT_TRUE(Click_Button(dialog, "Beenden")); });
    EXPECT_EQ(activities.Lines, std::vector<wxString>({OPENED, OPENED, CLOSED}));
    delete dialog;
}
