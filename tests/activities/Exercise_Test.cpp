#include "activities/CSim_Exercise.h"

#include "shell/Exercise_Settings.h"
#include "tests/activities/Activity_Test_Support.h"
#include "tests/support/Gui_Helpers.h"
#include "tests/support/Temp_Dir.h"

#include <wx/button.h>
#include <wx/frame.h>

namespace
{
    const char* const EXAMPLE =
        "[Frage1]\n"
        "Question=Welches Tier ist ein R\xE4uber?\n"
        "[Frage1/Answers]\n"
        "A=0:Rotfeder\n"
        "B=1:Hecht\n"
        "[Frage2]\n"
        "Question=Welche Aussagen stimmen?\n"
        "[Frage2/Answers]\n"
        "1=1:Erste Aussage\n"
        "2=1:Zweite Aussage\n"
        "3=0:Dritte Aussage\n";

    class Exercise_Page : public testing::Test
    {
    protected:
        void SetUp() override
        {
            Init_Exercise_Settings();
            m_pFrame = new wxFrame(nullptr, wxID_ANY, L"Übung", wxDefaultPosition, wxSize(900, 700));
            m_pFrame->Show();
        }

        void TearDown() override
        {
            m_pFrame->Destroy();
            Process_Events();
            Init_Exercise_Settings();
        }

        CSim_Exercise* Make(const std::string& bytes)
        {
            m_Dir.Write("uebung.ini", bytes);
            CSim_Exercise* page = new CSim_Exercise(m_pFrame, m_File);
            m_pFrame->SendSizeEvent();
            Process_Events();
            return page;
        }

        // Ticks the boxes whose position (0-based, page order) is listed.
        void Tick(CSim_Exercise* page, std::initializer_list<int> which)
        {
            std::vector<wxCheckBox*> boxes = Check_Boxes(page);
            for (int i : which)
                boxes.at(i)->SetValue(true);
        }

        std::vector<bool> Ticked(CSim_Exercise* page)
        {
            std::vector<bool> state;
            for (wxCheckBox* box : Check_Boxes(page))
                state.push_back(box->GetValue());
            return state;
        }

        std::vector<bool> Red(CSim_Exercise* page)
        {
            std::vector<bool> state;
            for (wxCheckBox* box : Check_Boxes(page))
                state.push_back(box->GetForegroundColour() == *wxRED);
            return state;
        }

        std::vector<wxString> Button_Row(CSim_Exercise* page)
        {
            std::vector<wxButton*> buttons;
            for (wxWindow* child : page->GetChildren())
                if (wxButton* button = dynamic_cast<wxButton*>(child))
                    buttons.push_back(button);
            std::sort(buttons.begin(), buttons.end(), [](wxButton* a, wxButton* b) { return a->GetPosition().x < b->GetPosition().x; });
            std::vector<wxString> labels;
            for (wxButton* button : buttons)
                labels.push_back(button->GetLabel());
            return labels;
        }

        wxString Check_Line() const { return wxString::Format(L"Selbsttest überprüfen (%s)", m_File); }

        Temp_Dir m_Dir;
        wxString m_File = m_Dir.File("uebung.ini");
        wxFrame* m_pFrame = nullptr;
        Log_Capture m_Log;
    };
}

TEST_F(Exercise_Page, Shows_Questions_In_Order_With_The_Buttons_The_Settings_Ask_For)
{
    struct Variant
    {
        bool Show, Reset;
        std::vector<wxString> Row;
    };
    const Variant variants[] = {
        {false, true, {L"Prüfen", L"Zurücksetzen"}},
        {true, true, {L"Prüfen", "Zeigen", L"Zurücksetzen"}},
        {true, false, {L"Prüfen", "Zeigen"}},
        {false, false, {L"Prüfen"}},
    };
    for (const Variant& variant : variants)
    {
        Set_Exercise_Flag(2, variant.Show);
        Set_Exercise_Flag(3, variant.Reset);
        CSim_Exercise* page = Make(EXAMPLE);
        ASSERT_TRUE(page->Is_Ready());
        EXPECT_EQ(Button_Row(page), variant.Row);

        std::vector<wxString> labels;
        for (wxCheckBox* box : Check_Boxes(page))
            labels.push_back(box->GetLabel());
        EXPECT_EQ(labels, (std::vector<wxString>{"Rotfeder", "Hecht", "Erste Aussage", "Zweite Aussage", "Dritte Aussage"}));
        page->Destroy();
    }
    EXPECT_TRUE(m_Log.Lines.empty());
}

TEST_F(Exercise_Page, Files_Without_Answers_Give_No_Page)
{
    const std::string files[] = {
        "",
        "[Frage1]\nQuestion=Nur eine Frage\n[Frage2/Answers]\na=1:Ohne Frage\n",
        std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe[\x01]\x00=\x02", 24),
    };
    for (const std::string& bytes : files)
    {
        CSim_Exercise* page = Make(bytes);
        EXPECT_FALSE(page->Is_Ready());
        EXPECT_TRUE(page->GetChildren().empty());
        page->Destroy();
    }
    CSim_Exercise missing(m_pFrame, m_Dir.File("fehlt.ini"));
    EXPECT_FALSE(missing.Is_Ready());
    EXPECT_TRUE(m_Log.Lines.empty());
}

TEST_F(Exercise_Page, A_Right_Page_Passes_With_Text_One)
{
    Set_Exercise_Text(1, "Sehr gut!");
    CSim_Exercise* page = Make(EXAMPLE);
    Tick(page, {1, 2, 3});
    Seen_Box seen;
    wxTEST_DIALOG(ASSERT_TRUE(Click_Button(page, L"Prüfen")), Expect_Box(wxID_OK, &seen));
    EXPECT_EQ(seen.Message, "Sehr gut!");
    EXPECT_EQ(seen.Caption, "Selbsttest Ergebnis");
    EXPECT_FALSE(seen.Style & wxYES_NO);
    EXPECT_EQ(m_Log.Lines, (std::vector<wxString>{Check_Line(), "Selbsttest erfolgreich"}));

    // An empty text one still gives the box, with nothing in it.
    Set_Exercise_Text(1, "");
    wxTEST_DIALOG(ASSERT_TRUE(Click_Button(page, L"Prüfen")), Expect_Box(wxID_OK, &seen));
    EXPECT_EQ(seen.Message, "");
}

TEST_F(Exercise_Page, A_Wrong_Page_Logs_Each_Wrong_Box_And_Offers_The_Solution)
{
    CSim_Exercise* page = Make(EXAMPLE);
    Tick(page, {0, 1, 2, 4});  // Rotfeder, Zweite and Dritte Aussage are wrong

    // Declining leaves the boxes as the pupil ticked them.
    Seen_Box seen;
    wxTEST_DIALOG(ASSERT_TRUE(Click_Button(page, L"Prüfen")), Expect_Box(wxID_NO, &seen));
    EXPECT_EQ(seen.Message, "Test nicht bestanden.\n\nSollen die richtigen Antworten jetzt angezeigt werden?");
    EXPECT_EQ(seen.Caption, "Selbsttest Ergebnis");
    EXPECT_TRUE(seen.Style & wxYES_NO);
    const std::vector<wxString> check_lines = {
        Check_Line(),
        "Selbsttest, falsche Antwort: Rotfeder",
        "Selbsttest, falsche Antwort: Zweite Aussage",
        "Selbsttest, falsche Antwort: Dritte Aussage",
    };
    EXPECT_EQ(m_Log.Lines, check_lines);
    EXPECT_EQ(Ticked(page), (std::vector<bool>{true, true, true, false, true}));
    EXPECT_EQ(Red(page), (std::vector<bool>(5, false)));

    // Accepting shows the solution, the wrong boxes in red.
    m_Log.Lines.clear();
    wxTEST_DIALOG(ASSERT_TRUE(Click_Button(page, L"Prüfen")), Expect_Box(wxID_YES, &seen));
    std::vector<wxString> expected = check_lines;
    expected.push_back(wxString::Format(L"Selbsttest Lösung anzeigen lassen (%s)", m_File));
    EXPECT_EQ(m_Log.Lines, expected);
    EXPECT_EQ(Ticked(page), (std::vector<bool>{false, true, true, true, false}));
    EXPECT_EQ(Red(page), (std::vector<bool>{true, false, false, true, true}));

    // The solution passes, and the labels turn black again.
    m_Log.Lines.clear();
    wxTEST_DIALOG(ASSERT_TRUE(Click_Button(page, L"Prüfen")), Expect_Box(wxID_OK, &seen));
    EXPECT_EQ(seen.Message, "Test bestanden.");
    EXPECT_EQ(m_Log.Lines, (std::vector<wxString>{Check_Line(), "Selbsttest erfolgreich"}));
    EXPECT_EQ(Red(page), (std::vector<bool>(5, false)));
}

TEST_F(Exercise_Page, Without_The_Offer_A_Wrong_Page_Gets_Text_Two_Only)
{
    Set_Exercise_Flag(1, false);
    Set_Exercise_Text(2, "Leider falsch.");
    CSim_Exercise* page = Make(EXAMPLE);
    Seen_Box seen;
    wxTEST_DIALOG(ASSERT_TRUE(Click_Button(page, L"Prüfen")), Expect_Box(wxID_OK, &seen));
    EXPECT_EQ(seen.Message, "Leider falsch.");
    EXPECT_FALSE(seen.Style & wxYES_NO);
    EXPECT_EQ(m_Log.Lines, (std::vector<wxString>{Check_Line(), "Selbsttest, falsche Antwort: Hecht",
                                                  "Selbsttest, falsche Antwort: Erste Aussage",
                                                  "Selbsttest, falsche Antwort: Zweite Aussage"}));

    // An empty text two with the offer on starts with the two line breaks.
    Set_Exercise_Flag(1, true);
    Set_Exercise_Text(2, "");
    wxTEST_DIALOG(ASSERT_TRUE(Click_Button(page, L"Prüfen")), Expect_Box(wxID_NO, &seen));
    EXPECT_EQ(seen.Message, "\n\nSollen die richtigen Antworten jetzt angezeigt werden?");
}

TEST_F(Exercise_Page, Show_And_Reset_Buttons_Colour_And_Clear_The_Boxes)
{
    Set_Exercise_Flag(2, true);
    CSim_Exercise* page = Make(EXAMPLE);
    Tick(page, {0, 2});  // Rotfeder wrong, Hecht and Zweite Aussage missing

    ASSERT_TRUE(Click_Button(page, "Zeigen"));
    EXPECT_EQ(Red(page), (std::vector<bool>{true, true, false, true, false}));
    EXPECT_EQ(Ticked(page), (std::vector<bool>{false, true, true, true, false}));

    ASSERT_TRUE(Click_Button(page, L"Zurücksetzen"));
    EXPECT_EQ(Red(page), (std::vector<bool>(5, false)));
    EXPECT_EQ(Ticked(page), (std::vector<bool>(5, false)));

    EXPECT_EQ(m_Log.Lines, (std::vector<wxString>{wxString::Format(L"Selbsttest Lösung anzeigen lassen (%s)", m_File),
                                                  wxString::Format(L"Selbsttest zurückgesetzt (%s)", m_File)}));
}

TEST_F(Exercise_Page, Odd_Values_Follow_The_Answer_Code_On_The_Page)
{
    CSim_Exercise* page = Make(
        "[F]\nQuestion=Merkw\xFCrdig\n[F/Answers]\n"
        "a=10:Zehn\n"
        "b=1\n"
        "c=1:\n"
        "d=:::\n"
        "e=1:Zeit: 12:30\n"
        "f=Ohne Marke\n");
    std::vector<wxString> labels;
    for (wxCheckBox* box : Check_Boxes(page))
        labels.push_back(box->GetLabel());
    EXPECT_EQ(labels, (std::vector<wxString>{"10:Zehn", "", "", ":::", "Zeit: 12:30", "Ohne Marke"}));
    Tick(page, {1, 2, 4});
    EXPECT_TRUE(page->Check_Answers());
}

TEST_F(Exercise_Page, Copes_With_Hundreds_Of_Questions_And_Huge_Labels)
{
    std::string bytes;
    for (int q = 0; q < 200; q++)
    {
        const std::string group = "F" + std::to_string(1000 + q);
        bytes += "[" + group + "]\nQuestion=" + std::string(q == 0 ? 6000 : 10, 'Q') + "\n[" + group + "/Answers]\n"
                 "a=1:" + std::string(q == 1 ? 8000 : 5, 'A') + "\nb=0:Nein\nc=0:Auch nicht\n";
    }
    CSim_Exercise* page = Make(bytes);
    ASSERT_TRUE(page->Is_Ready());
    ASSERT_EQ(Check_Boxes(page).size(), 600u);
    EXPECT_GT(page->GetVirtualSize().y, 20000);
    for (size_t i = 0; i < 600; i += 3)
        Check_Boxes(page)[i]->SetValue(true);
    EXPECT_TRUE(page->Check_Answers());
    page->Scroll(0, page->GetVirtualSize().y);
    Process_Events();
}
