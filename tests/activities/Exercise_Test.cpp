#include "activities/CSim_Exercise.h"

#include "shell/Exercise_Settings.h"
#include "tests/activities/Activity_Test_Support.h"
#include "tests/support/Gui_Helpers.h"
#include "tests/support/Temp_Dir.h"

#include <wx/button.h>
#include <wx/frame.h>

namespace
{
    // Right: Hecht, Erste and Zweite Aussage.
    const char* const EXAMPLE =
        "[Frage1]\nQuestion=Welches Tier ist ein R\xE4uber?\n[Frage1/Answers]\nA=0:Rotfeder\nB=1:Hecht\n"
        "[Frage2]\nQuestion=Welche Aussagen stimmen?\n[Frage2/Answers]\n"
        "1=1:Erste Aussage\n2=1:Zweite Aussage\n3=0:Dritte Aussage\n";

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

        CSim_Exercise* Make(const std::string& bytes, std::initializer_list<int> ticked = {})
        {
            m_Dir.Write("uebung.ini", bytes);
            CSim_Exercise* page = new CSim_Exercise(m_pFrame, m_File);
            m_pFrame->SendSizeEvent();
            Process_Events();
            for (int i : ticked)
                Check_Boxes(page).at(i)->SetValue(true);
            return page;
        }

        // Per box in page order: 't' ticked, 'r' red label, 'T' both, '.' neither.
        static std::string State(CSim_Exercise* page)
        {
            std::string state;
            for (wxCheckBox* box : Check_Boxes(page))
            {
                bool red = box->GetForegroundColour() == *wxRED;
                state += box->GetValue() ? (red ? 'T' : 't') : (red ? 'r' : '.');
            }
            return state;
        }

        std::vector<wxString> Button_Row(CSim_Exercise* page)
        {
            std::vector<wxWindow*> buttons;
            for (wxWindow* child : page->GetChildren())
                if (dynamic_cast<wxButton*>(child))
                    buttons.push_back(child);
            std::sort(buttons.begin(), buttons.end(), [](wxWindow* a, wxWindow* b) { return a->GetPosition().x < b->GetPosition().x; });
            std::vector<wxString> labels;
            for (wxWindow* button : buttons)
                labels.push_back(button->GetLabel());
            return labels;
        }

        wxString Line(const wchar_t* format) const { return wxString::Format(format, m_File); }

        Temp_Dir m_Dir;
        wxString m_File = m_Dir.File("uebung.ini");
        wxFrame* m_pFrame = nullptr;
        Log_Capture m_Log;
    };
}

TEST_F(Exercise_Page, Builds_Boxes_In_Order_And_The_Buttons_The_Settings_Ask_For)
{
    const wxString check = L"Prüfen", show = "Zeigen", reset = L"Zurücksetzen";
    const struct
    {
        bool Show, Reset;
        std::vector<wxString> Row;
    } variants[] = {{false, true, {check, reset}}, {true, true, {check, show, reset}}, {true, false, {check, show}}, {false, false, {check}}};
    for (const auto& variant : variants)
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

    // Files without a usable answer give an empty page that is not ready.
    static const char binary[] = "\x89PNG\r\n\x1a\n\0\0[\x01]\x00=\x02";
    for (const std::string& bytes : {std::string(), std::string("[F]\nQuestion=Nur Text\n[G/Answers]\na=1:Ohne Frage\n"),
                                     std::string(binary, sizeof binary - 1)})
    {
        CSim_Exercise* page = Make(bytes);
        EXPECT_FALSE(page->Is_Ready());
        EXPECT_TRUE(page->GetChildren().empty());
    }
    EXPECT_TRUE(m_Log.Lines.empty());
}

TEST_F(Exercise_Page, A_Right_Page_Passes_With_Text_One)
{
    Set_Exercise_Text(1, "Sehr gut!");
    CSim_Exercise* page = Make(EXAMPLE, {1, 2, 3});
    Seen_Box seen;
    wxTEST_DIALOG(ASSERT_TRUE(Click_Button(page, L"Prüfen")), Expect_Box(wxID_OK, &seen));
    EXPECT_EQ(seen.Message, "Sehr gut!");
    EXPECT_EQ(seen.Caption, "Selbsttest Ergebnis");
    EXPECT_FALSE(seen.Style & wxYES_NO);
    EXPECT_EQ(m_Log.Lines, (std::vector<wxString>{Line(L"Selbsttest überprüfen (%s)"), "Selbsttest erfolgreich"}));
}

TEST_F(Exercise_Page, A_Wrong_Page_Logs_Each_Wrong_Box_And_Offers_The_Solution)
{
    CSim_Exercise* page = Make(EXAMPLE, {0, 1, 2, 4});  // Rotfeder, Zweite and Dritte Aussage wrong
    const std::vector<wxString> check_lines = {Line(L"Selbsttest überprüfen (%s)"), "Selbsttest, falsche Antwort: Rotfeder",
                                               "Selbsttest, falsche Antwort: Zweite Aussage",
                                               "Selbsttest, falsche Antwort: Dritte Aussage"};
    Seen_Box seen;
    wxTEST_DIALOG(ASSERT_TRUE(Click_Button(page, L"Prüfen")), Expect_Box(wxID_NO, &seen));
    EXPECT_EQ(seen.Message, "Test nicht bestanden.\n\nSollen die richtigen Antworten jetzt angezeigt werden?");
    EXPECT_EQ(seen.Caption, "Selbsttest Ergebnis");
    EXPECT_TRUE(seen.Style & wxYES_NO);
    EXPECT_EQ(m_Log.Lines, check_lines);
    EXPECT_EQ(State(page), "ttt.t");

    // Accepting shows the solution with exactly the wrong boxes in red.
    m_Log.Lines.clear();
    wxTEST_DIALOG(ASSERT_TRUE(Click_Button(page, L"Prüfen")), Expect_Box(wxID_YES, &seen));
    std::vector<wxString> expected = check_lines;
    expected.push_back(Line(L"Selbsttest Lösung anzeigen lassen (%s)"));
    EXPECT_EQ(m_Log.Lines, expected);
    EXPECT_EQ(State(page), "rttTr");

    // The solution passes and the labels turn black again.
    m_Log.Lines.clear();
    wxTEST_DIALOG(ASSERT_TRUE(Click_Button(page, L"Prüfen")), Expect_Box(wxID_OK, &seen));
    EXPECT_EQ(seen.Message, "Test bestanden.");
    EXPECT_EQ(m_Log.Lines.back(), "Selbsttest erfolgreich");
    EXPECT_EQ(State(page), ".ttt.");
}

TEST_F(Exercise_Page, Without_The_Offer_A_Wrong_Page_Gets_Text_Two_Only)
{
    Set_Exercise_Flag(1, false);
    Set_Exercise_Text(2, "Leider falsch.");
    CSim_Exercise* page = Make(EXAMPLE, {1, 2});
    Seen_Box seen;
    wxTEST_DIALOG(ASSERT_TRUE(Click_Button(page, L"Prüfen")), Expect_Box(wxID_OK, &seen));
    EXPECT_EQ(seen.Message, "Leider falsch.");
    EXPECT_FALSE(seen.Style & wxYES_NO);
    EXPECT_EQ(m_Log.Lines, (std::vector<wxString>{Line(L"Selbsttest überprüfen (%s)"), "Selbsttest, falsche Antwort: Zweite Aussage"}));

    // An empty text two with the offer on leaves just the line breaks before the question.
    Set_Exercise_Flag(1, true);
    Set_Exercise_Text(2, "");
    wxTEST_DIALOG(ASSERT_TRUE(Click_Button(page, L"Prüfen")), Expect_Box(wxID_NO, &seen));
    EXPECT_EQ(seen.Message, "\n\nSollen die richtigen Antworten jetzt angezeigt werden?");
}

TEST_F(Exercise_Page, Show_And_Reset_Buttons)
{
    Set_Exercise_Flag(2, true);
    CSim_Exercise* page = Make(EXAMPLE, {0, 2});
    ASSERT_TRUE(Click_Button(page, "Zeigen"));
    EXPECT_EQ(State(page), "rTtT.");
    ASSERT_TRUE(Click_Button(page, L"Zurücksetzen"));
    EXPECT_EQ(State(page), ".....");
    EXPECT_EQ(m_Log.Lines, (std::vector<wxString>{Line(L"Selbsttest Lösung anzeigen lassen (%s)"), Line(L"Selbsttest zurückgesetzt (%s)")}));
}

TEST_F(Exercise_Page, Copes_With_Hundreds_Of_Questions_And_Huge_Labels)
{
    std::string bytes;
    for (int q = 0; q < 200; q++)
    {
        const std::string group = "F" + std::to_string(1000 + q);
        bytes += "[" + group + "]\nQuestion=" + std::string(q ? 10 : 6000, 'Q') + "\n[" + group + "/Answers]\n"
                 "a=1:" + std::string(q == 1 ? 8000 : 5, 'A') + "\nb=0:Nein\nc=::::\n";
    }
    CSim_Exercise* page = Make(bytes);
    ASSERT_EQ(Check_Boxes(page).size(), 600u);
    EXPECT_GT(page->GetVirtualSize().y, 20000);
    for (size_t i = 0; i < 600; i += 3)
        Check_Boxes(page)[i]->SetValue(true);
    EXPECT_TRUE(page->Check_Answers());
    page->Scroll(0, page->GetVirtualSize().y);
    Process_Events();
}
