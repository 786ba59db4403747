#include "activities/CSim_Exercise.h"

#include "shell/Exercise_Settings.h"
#include "tests/activities/Activity_Test_Support.h"

#include <algorithm>
#include <wx/button.h>
#include <wx/frame.h>
#include <wx/uiaction.h>

namespace
{
    // Right: Hecht, Erste and Zweite Aussage. Groups and answers come by name,
    // and a group without answers adds nothing.
    const char* const EXAMPLE =
        "[Frage2]\nQuestion=Welche Aussagen stimmen?\n[Frage2/Answers]\n1=1:Erste Aussage\n2=1:Zweite Aussage\n3=0:Dritte Aussage\n"
        "[Frage1]\nQuestion=Welches Tier ist ein R\xE4uber?\n[Frage1/Answers]\nB=1:Hecht\nA=0:Rotfeder\n[Frage3]\nQuestion=Wo?\n";

    class Exercise_Page : public testing::Test
    {
    protected:
        Exercise_Page() { Init_Exercise_Settings(); }
        ~Exercise_Page() override
        {
            m_pFrame->Destroy();
            Process_Events();
            Init_Exercise_Settings();
        }

        CSim_Exercise* Make(std::initializer_list<int> ticked = {}, const std::string& bytes = EXAMPLE)
        {
            m_Dir.Write("uebung.ini", bytes);
            CSim_Exercise* page = new CSim_Exercise(m_pFrame, m_Dir.File("uebung.ini"));
            page->Make_Boxes();
            m_pFrame->Show();
            m_pFrame->SendSizeEvent();
            Process_Events();
            for (int i : ticked)
                Children_Of<wxCheckBox>(page).at(i)->SetValue(true);
            return page;
        }

        // Per box in page order: 't' ticked, 'r' red label, 'T' both, '.' neither.
        static std::string State(CSim_Exercise* page)
        {
            std::string state;
            for (wxCheckBox* box : Children_Of<wxCheckBox>(page))
                state += "r.Tt"[2 * box->GetValue() + (box->GetForegroundColour() != *wxRED)];
            return state;
        }

        // Presses "Prüfen", answers the result box with answer and returns its text.
        static wxString Check(CSim_Exercise* page, int answer, long* style = nullptr)
        {
            wxString message, caption;
            wxTEST_DIALOG(EXPECT_TRUE(Click_Button(page, L"Prüfen")), Expect_Message(answer, &message, &caption, style));
            EXPECT_EQ(caption, "Selbsttest Ergebnis");
            return message;
        }

        wxString Line(const wchar_t* format) const { return wxString::Format(format, m_Dir.File("uebung.ini")); }

        Temp_Dir m_Dir;
        wxFrame* m_pFrame = new wxFrame(nullptr, wxID_ANY, L"Übung", wxDefaultPosition, wxSize(900, 700));
        Log_Capture m_Log;
    };
}

TEST_F(Exercise_Page, Button_Row_Follows_The_Settings_And_Boxes_The_File)
{
    const wxString check = L"Prüfen", show = "Zeigen", reset = L"Zurücksetzen";
    const struct { bool Show, Reset; std::vector<wxString> Row; } variants[] = {
        {false, true, {check, reset}}, {true, true, {check, show, reset}}, {true, false, {check, show}}, {false, false, {check}}};
    for (const auto& variant : variants)
    {
        Set_Exercise_Flag(2, variant.Show);
        Set_Exercise_Flag(3, variant.Reset);
        CSim_Exercise* page = Make();
        ASSERT_TRUE(page->Is_Ready());
        std::vector<wxButton*> buttons = Children_Of<wxButton>(page);
        std::sort(buttons.begin(), buttons.end(), [](wxWindow* a, wxWindow* b) { return a->GetPosition().x < b->GetPosition().x; });
        std::vector<wxString> row;
        for (wxButton* button : buttons)
            row.push_back(button->GetLabel());
        EXPECT_EQ(row, variant.Row);
        EXPECT_EQ(Box_Labels(page), (std::vector<wxString>{"Rotfeder", "Hecht", "Erste Aussage", "Zweite Aussage", "Dritte Aussage"}));
        page->Destroy();
    }
    CSim_Exercise* page = Make({}, "[F]\nQuestion=Nur Text\n[G/Answers]\na=1:Ohne Frage\n");
    EXPECT_FALSE(page->Is_Ready());
    EXPECT_TRUE(page->GetChildren().empty());
    EXPECT_TRUE(m_Log.Lines.empty());
}

TEST_F(Exercise_Page, A_Wrong_Page_Logs_Each_Wrong_Box_And_Offers_The_Solution)
{
    CSim_Exercise* page = Make({0, 1, 2, 4});  // Rotfeder, Zweite and Dritte Aussage wrong
    std::vector<wxString> lines = {Line(L"Selbsttest überprüfen (%s)"), "Selbsttest, falsche Antwort: Rotfeder",
                                   "Selbsttest, falsche Antwort: Zweite Aussage", "Selbsttest, falsche Antwort: Dritte Aussage"};
    long style = 0;
    EXPECT_EQ(Check(page, wxNO, &style), "Test nicht bestanden.\n\nSollen die richtigen Antworten jetzt angezeigt werden?");
    EXPECT_TRUE(style & wxYES_NO);
    EXPECT_EQ(m_Log.Lines, lines);
    EXPECT_EQ(State(page), "ttt.t");

    // Accepting shows the solution with exactly the wrong boxes in red.
    m_Log.Lines.clear();
    Check(page, wxYES);
    lines.push_back(Line(L"Selbsttest Lösung anzeigen lassen (%s)"));
    EXPECT_EQ(m_Log.Lines, lines);
    EXPECT_EQ(State(page), "rttTr");

    // The solution passes with text one and the labels turn black again.
    m_Log.Lines.clear();
    Set_Exercise_Text(1, "Sehr gut!");
    EXPECT_EQ(Check(page, wxOK, &style), "Sehr gut!");
    EXPECT_FALSE(style & wxYES_NO);
    EXPECT_EQ(m_Log.Lines, (std::vector<wxString>{lines[0], "Selbsttest erfolgreich"}));
    EXPECT_EQ(State(page), ".ttt.");

    // Without the offer a wrong page gets text two only.
    m_Log.Lines.clear();
    Set_Exercise_Flag(1, false);
    Set_Exercise_Text(2, "Leider falsch.");
    Children_Of<wxCheckBox>(page)[4]->SetValue(true);
    EXPECT_EQ(Check(page, wxOK, &style), "Leider falsch.");
    EXPECT_FALSE(style & wxYES_NO);
    EXPECT_EQ(m_Log.Lines, (std::vector<wxString>{lines[0], "Selbsttest, falsche Antwort: Dritte Aussage"}));
}

TEST_F(Exercise_Page, Show_Colours_Exactly_The_Wrong_Boxes_And_Reset_Clears_All)
{
    Set_Exercise_Flag(2, true);
    CSim_Exercise* page = Make({0, 2});
    ASSERT_TRUE(Click_Button(page, "Zeigen"));
    EXPECT_EQ(State(page), "rTtT.");
    ASSERT_TRUE(Click_Button(page, L"Zurücksetzen"));
    EXPECT_EQ(State(page), ".....");
    EXPECT_EQ(m_Log.Lines, (std::vector<wxString>{Line(L"Selbsttest Lösung anzeigen lassen (%s)"), Line(L"Selbsttest zurückgesetzt (%s)")}));
}

// A real click, held down a moment as a hand does, on the visible half of a
// button at the bottom edge of the page acts at once: the page must not
// scroll the button away from under the pointer.
TEST_F(Exercise_Page, A_Click_On_A_Half_Hidden_Pruefen_Checks_The_Page)
{
    CSim_Exercise* page = Make();
    wxWindow* check = Find_By_Label(page, L"Prüfen");
    const wxRect button = check->GetRect();
    m_pFrame->SetClientSize(page->GetClientSize().x, button.y + button.height / 2);
    auto wait = [](int times) { for (int i = 0; i < times; i++, wxMilliSleep(20)) Process_Events(); };
    wxUIActionSimulator pointer;
    pointer.MouseMove(check->ClientToScreen(wxPoint(button.width / 2, button.height / 4)));
    // Tests side by side share the display: no window of another may cover ours.
    wxPoint at;
    for (int i = 0; i < 100 && wxFindWindowAtPointer(at) != check; i++, wait(1))
        m_pFrame->Raise();
    ASSERT_EQ(wxFindWindowAtPointer(at), check);
    wxTEST_DIALOG(pointer.MouseDown(); wait(5); pointer.MouseUp(); wait(10), Expect_Message(wxNO, nullptr));
    EXPECT_EQ(m_Log.Lines.empty() ? "" : m_Log.Lines.front(), Line(L"Selbsttest überprüfen (%s)"));
}
