#include "activities/CSim_Reflection.h"
#include "activities/CSim_Reflections.h"

#include "shell/Activity_Log.h"
#include "tests/activities/Activity_Helpers.h"
#include "tests/support/Dialog_Testing.h"
#include "tests/support/Gui_Helpers.h"
#include "tests/support/Temp_Dir.h"

#include <gtest/gtest.h>
#include <wx/image.h>
#include <wx/radiobox.h>
#include <wx/statbmp.h>
#include <wx/textctrl.h>

namespace
{
    // Collects what the activities give to the main window's activity log.
    class Activity_Recorder
    {
    public:
        Activity_Recorder()
        {
            Set_Program_Activity_Listener([this](const wxString& text) { m_Lines.push_back(text); });
        }
        ~Activity_Recorder() { Set_Program_Activity_Listener({}); }
        const std::vector<wxString>& Lines() const { return m_Lines; }
        int Count(const wxString& text) const { return int(std::count(m_Lines.begin(), m_Lines.end(), text)); }

    private:
        std::vector<wxString> m_Lines;
    };

    // Answers a message box with OK and keeps its text.
    class Expect_Message : public wxExpectModalBase<wxMessageDialog, Expect_Message>
    {
    public:
        explicit Expect_Message(wxString* message) : m_pMessage(message) {}

    protected:
        int OnInvoked(wxMessageDialog* dialog) const override
        {
            *m_pMessage = dialog->GetMessage();
            return wxID_OK;
        }

    private:
        wxString* m_pMessage;
    };

    const wxString OPENED = wxString::FromUTF8("Reflektionshilfe geöffnet");
    const wxString CLOSED = "Reflektionshilfe geschlossen";

    void Set_Explanation(CSim_Reflections* dialog, int item, const wxString& text)
    {
        dialog->Get_Item(item)->Get_Explanation_Ctrl()->SetValue(text);
    }

    template <class T>
    std::vector<T*> Children_Of_Type(wxWindow* root)
    {
        std::vector<T*> found;
        for (wxWindow* child : root->GetChildren())
            if (T* t = dynamic_cast<T*>(child))
                found.push_back(t);
        return found;
    }
}

TEST(Reflections, Writes_The_Answers_File_Byte_For_Byte)
{
    Temp_Dir dir;
    // Windows-1252 bytes; groups enumerate by name ignoring case, so A comes
    // before b although it is written below it.
    dir.Write("kurs/reflexion/reflexion.ini",
              "Title=R\xFC" "ckblick\nIntro=Wie lief es?\nLogfile=antworten/reflexion.txt\n"
              "[b_Zweites]\nReflection=R\xE4uber und Beute\nDescription=Was geschah?\n"
              "[A_Erstes]\nReflection=Nahrungsketten\n");
    dir.Write("kurs/reflexion/antworten/reflexion.txt", std::string(1000, 'x'));
    In_Directory elsewhere("/");
    CSim_Reflections* dialog = new CSim_Reflections(nullptr, dir.File("kurs/reflexion/reflexion.ini"));
    ASSERT_EQ(dialog->Get_Item_Count(), 2);
    EXPECT_EQ(dialog->Get_Log_File(), dir.File("kurs/reflexion/antworten/reflexion.txt"));
    EXPECT_EQ(dialog->Get_Item(0)->Get_Topic(), "Nahrungsketten");

    dialog->Get_Item(1)->Get_Assessment_Ctrl()->SetSelection(4);
    Set_Explanation(dialog, 1, wxString::FromUTF8("Erste Zeile\nzweite Zeile mit ä und →"));
    delete dialog;

    EXPECT_EQ(dir.Read("kurs/reflexion/antworten/reflexion.txt"),
              "Reflektionshilfen\n"
              "\n"
              "____________________\n"
              "1. Reflektionshilfe\n"
              "\n"
              "Thema: Nahrungsketten\n"
              "Bewertung: 3   \n"
              "Erl\xE4uterung:\n"
              "\n"
              "\n"
              "____________________\n"
              "2. Reflektionshilfe\n"
              "\n"
              "Thema: R\xE4uber und Beute\n"
              "Bewertung: 5   \n"
              "Erl\xE4uterung:\n"
              "Erste Zeile\n"
              "zweite Zeile mit \xE4 und ?\n");
}

TEST(Reflections, Finishes_Only_When_Every_Explanation_Is_Long_Enough)
{
    Temp_Dir dir;
    dir.Write("reflexion.ini",
              "MIN_LENGTH=20\nMIN_PROMPT=Bitte ausf\xFChrlicher: %s%n%d\n"
              "[1]\nReflection=Eins\n[2]\nReflection=Zwei\n[3]\nReflection=Drei\n");
    Activity_Recorder activities;
    CSim_Reflections* dialog = new CSim_Reflections(nullptr, dir.File("reflexion.ini"));
    ASSERT_EQ(dialog->Get_Item_Count(), 3);
    Run_Modal(dialog, [&] {
        Set_Explanation(dialog, 0, wxString('a', 25));
        Set_Explanation(dialog, 1, wxString('b', 5));
        wxString message;
        wxTEST_DIALOG(EXPECT_TRUE(Click_Button(dialog, "Beenden")), Expect_Message(&message));
        EXPECT_EQ(message, wxString::FromUTF8("Bitte ausführlicher: %s%n%d"));
        EXPECT_TRUE(dialog->IsModal());
        EXPECT_EQ(activities.Lines(), std::vector<wxString>({OPENED}));

        // Characters count, not bytes: nineteen umlauts are too few, twenty do.
        Set_Explanation(dialog, 1, wxString(wxUniChar(0xE4), 20));
        Set_Explanation(dialog, 2, wxString(wxUniChar(0xF6), 19));
        wxTEST_DIALOG(EXPECT_TRUE(Click_Button(dialog, "Beenden")), Expect_Message(&message));
        EXPECT_EQ(activities.Count(CLOSED), 0);

        Set_Explanation(dialog, 2, wxString(wxUniChar(0xF6), 20));
        EXPECT_TRUE(Click_Button(dialog, "Beenden"));
    });
    EXPECT_FALSE(dialog->IsModal());
    EXPECT_EQ(activities.Lines(), std::vector<wxString>({OPENED, CLOSED}));
    delete dialog;
}

TEST(Reflections, Logs_Every_Opening_And_Only_A_Finish_By_Beenden)
{
    Temp_Dir dir;
    dir.Write("reflexion.ini", "[Thema]\nReflection=Eins\n");
    Activity_Recorder activities;
    CSim_Reflections* dialog = new CSim_Reflections(nullptr, dir.File("reflexion.ini"));
    for (int opening = 0; opening < 3; opening++)
    {
        Run_Modal(dialog, [&] {
            if (opening < 2)
                dialog->Close();   // the title bar's close button: no check, no entry
            else
                EXPECT_TRUE(Click_Button(dialog, "Beenden"));   // MIN_LENGTH missing: always closes
        });
        EXPECT_FALSE(dialog->IsModal());
    }
    EXPECT_EQ(activities.Lines(), std::vector<wxString>({OPENED, OPENED, OPENED, CLOSED}));
    // The answers stay for the next opening.
    EXPECT_EQ(dialog->Get_Item_Count(), 1);
    delete dialog;
}

TEST(Reflections, Writes_Nothing_Where_No_Answers_File_Can_Be)
{
    Temp_Dir dir;
    dir.Write("datei.txt", "kein Verzeichnis");
    struct Case { const char* ini; int items; bool written; };
    for (const Case& c : {Case{"Logfile=datei.txt/antworten.txt\n[T]\n", 1, false},
                          Case{"Title=Ohne Logfile\n[T]\n", 1, false},
                          Case{"Logfile=neu/antworten.txt\n[T]\n", 1, true},
                          Case{"Title=Ohne Gruppen\nLogfile=antworten.txt\n", 0, true}})
    {
        dir.Write("reflexion.ini", c.ini);
        CSim_Reflections* dialog = new CSim_Reflections(nullptr, dir.File("reflexion.ini"));
        EXPECT_EQ(dialog->Get_Item_Count(), c.items) << c.ini;
        EXPECT_EQ(dialog->Write_Answers(), c.written) << c.ini;
        delete dialog;
    }
    EXPECT_EQ(dir.Read("datei.txt"), "kein Verzeichnis");
    EXPECT_EQ(dir.Read("antworten.txt"), "Reflektionshilfen\n");
    // A folder that does not exist yet is made for the answers.
    EXPECT_NE(dir.Read("neu/antworten.txt").find("Thema: [Reflection]"), std::string::npos);

    CSim_Reflections* missing = new CSim_Reflections(nullptr, dir.File("gibt_es_nicht.ini"));
    EXPECT_EQ(missing->Get_Item_Count(), 0);
    EXPECT_FALSE(missing->Write_Answers());
    delete missing;
}

TEST(Reflections, Topic_Panel_Shows_Defaults_Pictures_And_The_Preset_Rating)
{
    Temp_Dir dir;
    wxImage picture(61, 47);
    picture.SetRGB(wxRect(0, 0, 61, 47), 30, 120, 200);
    ASSERT_TRUE(picture.SaveFile(dir.File("bild.png"), wxBITMAP_TYPE_PNG));
    dir.Write("kaputt.png", "\x89PNG\r\n\x1a\n kein Bild");
    dir.Write("reflexion.ini",
              "[a]\n"
              "[b]\nDescription_Img=bild.png\n"
              "[c]\nDescription_Img=fehlt.png\n"
              "[d]\nDescription_Img=kaputt.png\n"
              "[e]\nDescription_Img=reflexion.ini\n");
    Log_Counter log;
    CSim_Reflections* dialog = new CSim_Reflections(nullptr, dir.File("reflexion.ini"));
    ASSERT_EQ(dialog->Get_Item_Count(), 5);
    EXPECT_EQ(log.Count(), 0);

    std::vector<wxSize> sizes;
    for (int i = 0; i < 5; i++)
    {
        std::vector<wxStaticBitmap*> bitmaps = Children_Of_Type<wxStaticBitmap>(dialog->Get_Item(i));
        ASSERT_EQ(bitmaps.size(), 1u);
        sizes.push_back(bitmaps[0]->GetBitmap().GetSize());
    }
    EXPECT_EQ(sizes, std::vector<wxSize>({wxSize(32, 32), wxSize(61, 47), wxSize(32, 32),
                                          wxSize(32, 32), wxSize(32, 32)}));

    // Missing keys show their bracketed names; the description is a
    // read-only block of several lines.
    CSim_Reflection* item = dialog->Get_Item(0);
    EXPECT_TRUE(Find_By_Label(item, "[Assessment]"));
    EXPECT_TRUE(Find_By_Label(item, "[Explanation]"));
    std::vector<wxTextCtrl*> texts = Children_Of_Type<wxTextCtrl>(item);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0]->GetValue(), "[Description]");
    EXPECT_FALSE(texts[0]->IsEditable());
    EXPECT_TRUE(texts[0]->IsMultiLine());
    EXPECT_TRUE(item->Get_Explanation_Ctrl()->IsEditable());
    EXPECT_EQ(item->Get_Answer(), wxString::FromUTF8("Thema: [Reflection]\nBewertung: 3   \nErläuterung:\n\n"));
    delete dialog;
}
