#include "activities/CSim_Question.h"
#include "activities/CSim_Selftest.h"

#include "tests/activities/Activity_Test_Support.h"

#include <wx/gauge.h>
#include <wx/image.h>
#include <wx/statbmp.h>
#include <wx/timer.h>

namespace
{
    class Test_Selftest : public CSim_Selftest
    {
    public:
        using CSim_Selftest::CSim_Selftest;
        void Tick(int count = 1)  // through the event table, as the timer delivers it
        {
            for (int i = 0; i < count; i++)
            {
                wxTimerEvent event(*m_pTimer);
                ProcessWindowEvent(event);
            }
        }
        wxGauge* Bar() const { return m_pGauge; }
        int Current() const { return m_iQuestion; }
        bool Intro_Shown() const { return m_pIntro->IsShown(); }
        CSim_Question* Question(int i) const { return m_Questions.at(i); }
        wxCheckBox* Box(int question, int answer) const { return Children_Of<wxCheckBox>(Question(question)).at(answer); }
        void Click(int question, int answer)  // as a click on a box does
        {
            wxCheckBox* box = Box(question, answer);
            box->SetValue(!box->GetValue());
            wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
            event.SetEventObject(box);
            box->GetEventHandler()->ProcessEvent(event);
        }
    };

    const std::string ONE_RIGHT = "a=0:Nein\nb=1:Ja\nc=0:Vielleicht\n", TWO_RIGHT = "a=1:Ja\nb=1:Auch ja\nc=0:Nein\n";
    const wxString STARTED = "Selbsttest gestartet", ABORTED = "Selbsttest abgebrochen", ENDED = "Selbsttest beendet";

    // Groups F1 ... Fn with the texts "Frage 1" ... and these answers.
    std::string Questions(int n, const std::string& answers)
    {
        std::string bytes;
        for (int i = 1; i <= n; i++)
            bytes += "[F" + std::to_string(i) + "]\nQuestion=Frage " + std::to_string(i) + "\n[F" + std::to_string(i) + "/Answers]\n" + answers;
        return bytes;
    }

    class Self_Test : public testing::Test
    {
    protected:
        ~Self_Test() override
        {
            if (m_pDialog)
                m_pDialog->Destroy();
            Process_Events();
        }

        // Opened as the main window does, without the modal loop that would hold the test up.
        Test_Selftest* Open(const std::string& bytes, int time = 60)
        {
            if (m_pDialog)
                m_pDialog->Destroy();
            m_Dir.Write("selbsttest.ini", bytes);
            m_pDialog = new Test_Selftest(nullptr, m_Dir.File("selbsttest.ini"), time);
            m_pDialog->Show();
            Process_Events();
            return m_pDialog;
        }

        void Next() { EXPECT_TRUE(Click_Button(m_pDialog, "Weiter")); }

        // The result box shown when last (by default "Weiter") judges the last question.
        wxString Result(const std::function<void()>& last = {})
        {
            wxString result;
            wxTEST_DIALOG(last ? last() : Next(), Expect_Message(wxOK, &result));
            EXPECT_FALSE(m_pDialog->IsShown());
            EXPECT_EQ(m_Log.Lines.back(), ENDED);
            return result;
        }

        Temp_Dir m_Dir;
        Test_Selftest* m_pDialog = nullptr;
        Log_Capture m_Log;
    };
}

TEST_F(Self_Test, The_Clock_Drains_Two_Units_A_Tick_And_Judges_After_The_Last)
{
    Test_Selftest* dialog = Open(Questions(2, TWO_RIGHT));
    Next();
    EXPECT_EQ(dialog->Bar()->GetRange(), 600);
    EXPECT_EQ(dialog->Bar()->GetValue(), 600);
    dialog->Box(0, 0)->SetValue(true);
    dialog->Box(0, 1)->SetValue(true);
    for (int tick = 1; tick <= 300; tick++)
    {
        dialog->Tick();
        ASSERT_EQ(dialog->Bar()->GetValue(), 600 - 2 * tick) << "tick " << tick;
    }
    EXPECT_EQ(dialog->Current(), 0);
    dialog->Tick();
    EXPECT_EQ(dialog->Current(), 1);
    EXPECT_EQ(dialog->Bar()->GetValue(), 600);
    dialog->Tick(150);  // half the time used, nothing ticked
    EXPECT_EQ(Result(), "1 von 2 Fragen wurde falsch beantwortet!");
    EXPECT_EQ(m_Log.Lines, (std::vector<wxString>{STARTED, L"Zeit 100%; Lösung korrekt (\"Frage 1\")",
                                                  L"Zeit  50%; Lösung falsch  (\"Frage 2\", Antwort: )", ENDED}));

    // With T = 1 the question ends on the sixth tick of a range of ten.
    Open(Questions(2, TWO_RIGHT), 1);
    Next();
    EXPECT_EQ(m_pDialog->Bar()->GetRange(), 10);
    m_pDialog->Tick(6);
    EXPECT_EQ(m_pDialog->Current(), 1);
    EXPECT_EQ(m_Log.Lines.back(), L"Zeit 110%; Lösung falsch  (\"Frage 1\", Antwort: )");
    // No time, or a negative one, gives the clock of 60 seconds.
    for (int time : {0, -5})
    {
        Open(Questions(1, TWO_RIGHT), time);
        Next();
        EXPECT_EQ(m_pDialog->Bar()->GetRange(), 600) << time;
    }
}

TEST_F(Self_Test, A_Single_Answer_Question_Advances_On_The_First_Click)
{
    Test_Selftest* dialog = Open("[A]\nQuestion=Zwei richtig\n[A/Answers]\n" + TWO_RIGHT + "[B]\nQuestion=Eine richtig\n[B/Answers]\n" +
                                 ONE_RIGHT + "[C]\nQuestion=Noch eine\n[C/Answers]\n" + ONE_RIGHT);
    Next();
    dialog->Click(0, 0);
    dialog->Click(0, 1);
    EXPECT_EQ(dialog->Current(), 0);  // two right answers wait for "Weiter"
    Next();
    dialog->Click(1, 2);  // the first click decides, even on a wrong box
    EXPECT_EQ(dialog->Current(), 2);
    EXPECT_EQ(m_Log.Lines.back(), L"Zeit   0%; Lösung falsch  (\"Eine richtig\", Antwort: [3])");
    EXPECT_EQ(Result([&] { dialog->Click(2, 1); }), "1 von 3 Fragen wurde falsch beantwortet!");
    EXPECT_EQ(m_Log.Lines[m_Log.Lines.size() - 2], L"Zeit   0%; Lösung korrekt (\"Noch eine\")");
}

TEST_F(Self_Test, Beenden_And_The_Close_Box_Abort_Without_Judging_And_Result_Texts_Come_From_Fresh_Runs)
{
    Test_Selftest* dialog = Open(Questions(5, TWO_RIGHT));
    Next();
    dialog->Tick();
    ASSERT_TRUE(Click_Button(dialog, "Beenden"));
    EXPECT_FALSE(dialog->IsShown());
    dialog->Tick(400);  // a stopped clock does nothing
    dialog->Show();
    dialog->Close();
    EXPECT_EQ(m_Log.Lines, (std::vector<wxString>{STARTED, ABORTED, STARTED, ABORTED}));

    const struct { int Wrong; const char* Text; } cases[] = {
        {0, "Alle Fragen wurden richtig beantwortet!"}, {1, "1 von 5 Fragen wurde falsch beantwortet!"},
        {2, "3 von 5 Fragen wurden richtig beantwortet!"}, {5, "0 von 5 Fragen wurden richtig beantwortet!"}};
    for (const auto& c : cases)
    {
        m_pDialog->Show();
        EXPECT_TRUE(m_pDialog->Intro_Shown());
        EXPECT_EQ(m_pDialog->Bar()->GetValue(), 0);
        Next();
        for (int q = 0; q < 5; q++)
        {
            EXPECT_FALSE(m_pDialog->Box(q, 0)->GetValue());
            m_pDialog->Box(q, 0)->SetValue(q >= c.Wrong);
            m_pDialog->Box(q, 1)->SetValue(q >= c.Wrong);
            if (q < 4)
                Next();
        }
        EXPECT_EQ(Result(), c.Text) << c.Wrong << " wrong";
    }
}

TEST_F(Self_Test, Pictures_That_Cannot_Be_Shown_Fall_Back_To_Their_Label_Silently)
{
    m_Dir.Write("bilder/text.png", "Das ist kein Bild.\n");
    ASSERT_TRUE(wxImage(160, 100).SaveFile(m_Dir.File("bilder/hecht.png"), wxBITMAP_TYPE_PNG));
    Message_Counter messages;
    Open("[Frage]\nQuestion=Welche Bilder gehen?\nImage=bilder/text.png\n[Frage/Answers]\na=1:IMAGE:bilder/fehlt.png\n"
         "b=0:IMAGE:bilder/text.png\nc=1:Ein Raubfisch IMAGE:bilder\\hecht.png\nd=0:Bild: IMAGE:bilder/hecht.png\n");
    EXPECT_EQ(messages.Count, 0);
    // Answer c only (a backslash separates as "/" does); the question's picture is no image.
    EXPECT_EQ(Children_Of<wxStaticBitmap>(m_pDialog->Question(0)).size(), 1u);
    EXPECT_EQ(Box_Labels(m_pDialog->Question(0)), (std::vector<wxString>{"IMAGE:bilder/fehlt.png", "IMAGE:bilder/text.png", "", "Bild: IMAGE:bilder/hecht.png"}));
    // The answer whose picture is missing still has to be ticked.
    m_pDialog->Box(0, 2)->SetValue(true);
    EXPECT_FALSE(m_pDialog->Question(0)->Evaluate(50));
    m_pDialog->Box(0, 0)->SetValue(true);
    EXPECT_TRUE(m_pDialog->Question(0)->Evaluate(50));
}
