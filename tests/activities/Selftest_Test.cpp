#include "activities/CSim_Selftest.h"

#include "activities/CSim_Question.h"
#include "tests/activities/Activity_Test_Support.h"
#include "tests/support/Gui_Helpers.h"
#include "tests/support/Temp_Dir.h"

#include <climits>
#include <wx/gauge.h>
#include <wx/statbmp.h>
#include <wx/timer.h>

namespace
{
    class Test_Selftest : public CSim_Selftest
    {
    public:
        using CSim_Selftest::CSim_Selftest;

        /// One tick of the clock, delivered through the event table.
        void Tick(int count = 1)
        {
            for (int i = 0; i < count; i++)
            {
                wxTimerEvent event(*m_pTimer);
                ProcessWindowEvent(event);
            }
        }
        int Gauge() const { return m_pGauge->GetValue(); }
        int Range() const { return m_pGauge->GetRange(); }
        int Current() const { return m_iQuestion; }
        bool Running() const { return m_pTimer->IsRunning(); }
        bool Intro_Shown() const { return m_pIntro->IsShown(); }
        int Count() const { return m_nQuestions; }
        CSim_Question* Question(int i) const { return m_Questions.at(i); }
        std::vector<wxCheckBox*> Boxes(int i) const { return Check_Boxes(Question(i)); }
    };

    // Groups F1 ... Fn with the question texts "Frage 1" ... and these answers.
    std::string Questions(int n, const std::string& answers)
    {
        std::string bytes;
        for (int i = 1; i <= n; i++)
        {
            const std::string group = "F" + std::to_string(i);
            bytes += "[" + group + "]\nQuestion=Frage " + std::to_string(i) + "\n[" + group + "/Answers]\n" + answers;
        }
        return bytes;
    }

    const std::string ONE_RIGHT = "a=0:Nein\nb=1:Ja\nc=0:Vielleicht\n";
    const std::string TWO_RIGHT = "a=1:Ja\nb=1:Auch ja\nc=0:Nein\n";

    class Self_Test : public testing::Test
    {
    protected:
        void TearDown() override
        {
            if (m_pDialog)
                m_pDialog->Destroy();
            Process_Events();
        }

        // A dialog on a file with these bytes, opened as the main window
        // does but without the modal loop, which would hold the test up.
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

        wxString Finish()
        {
            Seen_Box seen;
            wxTEST_DIALOG(EXPECT_TRUE(Click_Button(m_pDialog, "Weiter")), Expect_Box(wxID_OK, &seen));
            EXPECT_FALSE(m_pDialog->IsShown());
            EXPECT_EQ(m_Log.Lines.back(), "Selbsttest beendet");
            return seen.Message;
        }

        Temp_Dir m_Dir;
        Test_Selftest* m_pDialog = nullptr;
        Log_Capture m_Log;
    };
}

TEST_F(Self_Test, Takes_Only_Questions_With_Answers)
{
    Open(Questions(3, ONE_RIGHT) + "[G]\nQuestion=Ohne Antworten\n[H/Answers]\na=1:Ohne Frage\n");
    EXPECT_EQ(m_pDialog->Count(), 3);
    for (const std::string& bytes : {std::string(), std::string("\0\xff[\x01]\n=\n", 7), std::string("[A]\n[B]\nQuestion=x\n")})
    {
        Open(bytes);
        EXPECT_FALSE(m_pDialog->Has_Questions());
        EXPECT_FALSE(m_pDialog->Next_Question());  // nothing to start
    }
}

TEST_F(Self_Test, The_Clock_Drains_Two_Units_A_Tick_And_Judges_After_The_Last)
{
    Test_Selftest* dialog = Open(Questions(2, TWO_RIGHT));
    EXPECT_EQ(m_Log.Lines, std::vector<wxString>{"Selbsttest gestartet"});
    EXPECT_TRUE(dialog->Intro_Shown());
    EXPECT_FALSE(dialog->Running());

    ASSERT_TRUE(Click_Button(dialog, "Weiter"));
    EXPECT_TRUE(dialog->Question(0)->IsShown());
    EXPECT_TRUE(dialog->Running());
    EXPECT_EQ(dialog->Range(), 600);
    EXPECT_EQ(dialog->Gauge(), 600);
    dialog->Boxes(0)[0]->SetValue(true);
    dialog->Boxes(0)[1]->SetValue(true);
    for (int tick = 1; tick <= 300; tick++)
    {
        dialog->Tick();
        ASSERT_EQ(dialog->Gauge(), 600 - 2 * tick) << "tick " << tick;
    }
    EXPECT_EQ(dialog->Current(), 0);
    dialog->Tick();
    EXPECT_EQ(dialog->Current(), 1);
    EXPECT_FALSE(dialog->Question(0)->IsShown());
    EXPECT_EQ(dialog->Gauge(), 600);

    // Half the time used, nothing ticked.
    dialog->Tick(150);
    EXPECT_EQ(Finish(), "1 von 2 Fragen wurde falsch beantwortet!");
    EXPECT_EQ(m_Log.Lines, (std::vector<wxString>{"Selbsttest gestartet", L"Zeit 100%; Lösung korrekt (\"Frage 1\")",
                                                  L"Zeit  50%; Lösung falsch  (\"Frage 2\", Antwort: )", "Selbsttest beendet"}));
    EXPECT_FALSE(dialog->Running());
    EXPECT_EQ(dialog->Gauge(), 0);

    // A late tick or call after the end judges nothing twice.
    dialog->Tick();
    EXPECT_TRUE(dialog->Next_Question());
    EXPECT_EQ(m_Log.Lines.size(), 4u);
}

TEST_F(Self_Test, Short_And_Unusable_Time_Allowances)
{
    const struct
    {
        int Time, Range, Ticks;
        const wchar_t* Line;
    } cases[] = {{1, 10, 6, L"Zeit 110%; Lösung falsch  (\"Frage 1\", Antwort: )"},
                 {0, 600, 301, L"Zeit 100%; Lösung falsch  (\"Frage 1\", Antwort: )"},
                 {-5, 600, 301, L"Zeit 100%; Lösung falsch  (\"Frage 1\", Antwort: )"}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.Time);
        Open(Questions(2, TWO_RIGHT), c.Time);
        ASSERT_TRUE(Click_Button(m_pDialog, "Weiter"));
        EXPECT_EQ(m_pDialog->Range(), c.Range);
        m_pDialog->Tick(c.Ticks - 1);
        EXPECT_EQ(m_pDialog->Current(), 0);
        m_pDialog->Tick();
        EXPECT_EQ(m_pDialog->Current(), 1);
        EXPECT_EQ(m_Log.Lines.back(), wxString(c.Line));
    }
    // A huge allowance must not overflow the clock.
    Open(Questions(1, TWO_RIGHT), INT_MAX);
    EXPECT_GT(m_pDialog->Range(), 0);
}

TEST_F(Self_Test, A_Single_Answer_Question_Advances_On_The_First_Click)
{
    Test_Selftest* dialog = Open("[A]\nQuestion=Zwei richtig\n[A/Answers]\n" + TWO_RIGHT + "[B]\nQuestion=Eine richtig\n[B/Answers]\n" +
                                 ONE_RIGHT + "[C]\nQuestion=Noch eine\n[C/Answers]\n" + ONE_RIGHT);
    ASSERT_TRUE(Click_Button(dialog, "Weiter"));
    Click_Box(dialog->Boxes(0)[0]);
    Click_Box(dialog->Boxes(0)[1]);
    EXPECT_EQ(dialog->Current(), 0);  // two right answers wait for "Weiter"
    ASSERT_TRUE(Click_Button(dialog, "Weiter"));

    // The first click decides, even on a wrong box.
    Click_Box(dialog->Boxes(1)[2]);
    EXPECT_EQ(dialog->Current(), 2);
    EXPECT_EQ(m_Log.Lines.back(), L"Zeit   0%; Lösung falsch  (\"Eine richtig\", Antwort: [3])");

    // On the last question the click ends the run.
    Seen_Box seen;
    wxTEST_DIALOG(Click_Box(dialog->Boxes(2)[1]), Expect_Box(wxID_OK, &seen));
    EXPECT_EQ(seen.Message, "1 von 3 Fragen wurde falsch beantwortet!");
    EXPECT_EQ(m_Log.Lines[m_Log.Lines.size() - 2], L"Zeit   0%; Lösung korrekt (\"Noch eine\")");
}

TEST_F(Self_Test, Result_Texts_For_Five_Questions_In_Runs_That_Start_Afresh)
{
    const struct
    {
        int Wrong;
        const char* Text;
    } cases[] = {{0, "Alle Fragen wurden richtig beantwortet!"},
                 {1, "1 von 5 Fragen wurde falsch beantwortet!"},
                 {2, "3 von 5 Fragen wurden richtig beantwortet!"},
                 {5, "0 von 5 Fragen wurden richtig beantwortet!"}};
    Open(Questions(5, TWO_RIGHT));
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.Wrong);
        m_pDialog->Show();
        EXPECT_TRUE(m_pDialog->Intro_Shown());
        EXPECT_EQ(m_pDialog->Gauge(), 0);
        ASSERT_TRUE(Click_Button(m_pDialog, "Weiter"));
        for (int q = 0; q < 5; q++)
        {
            EXPECT_FALSE(m_pDialog->Boxes(q)[0]->GetValue());
            m_pDialog->Boxes(q)[0]->SetValue(q >= c.Wrong);
            m_pDialog->Boxes(q)[1]->SetValue(q >= c.Wrong);
            if (q < 4)
            {
                ASSERT_TRUE(Click_Button(m_pDialog, "Weiter"));
            }
        }
        EXPECT_EQ(Finish(), c.Text);
    }
}

TEST_F(Self_Test, Beenden_And_The_Close_Box_Abort_Without_Judging)
{
    Test_Selftest* dialog = Open(Questions(2, TWO_RIGHT));
    ASSERT_TRUE(Click_Button(dialog, "Beenden"));
    EXPECT_FALSE(dialog->IsShown());

    dialog->Show();
    ASSERT_TRUE(Click_Button(dialog, "Weiter"));
    dialog->Boxes(0)[0]->SetValue(true);
    dialog->Tick();
    dialog->Close();
    EXPECT_FALSE(dialog->IsShown());
    EXPECT_FALSE(dialog->Running());
    dialog->Tick(400);  // a stopped clock does nothing
    EXPECT_EQ(m_Log.Lines, (std::vector<wxString>{"Selbsttest gestartet", "Selbsttest abgebrochen", "Selbsttest gestartet",
                                                  "Selbsttest abgebrochen"}));

    // Opening again: the start panel, nothing ticked.
    dialog->Show();
    EXPECT_TRUE(dialog->Intro_Shown());
    EXPECT_EQ(dialog->Current(), -1);
    EXPECT_EQ(dialog->Gauge(), 0);
    EXPECT_FALSE(dialog->Question(0)->IsShown());
    EXPECT_FALSE(dialog->Boxes(0)[0]->GetValue());
}

TEST_F(Self_Test, The_Real_Clock_Ends_A_Question)
{
    Open(Questions(2, TWO_RIGHT), 1);
    ASSERT_TRUE(Click_Button(m_pDialog, "Weiter"));
    Wait_For("the second question", [&] { return m_pDialog->Current() == 1; }, 5000);  // six ticks of 100 ms
    EXPECT_EQ(m_Log.Lines.back(), L"Zeit 110%; Lösung falsch  (\"Frage 1\", Antwort: )");
    ASSERT_TRUE(Click_Button(m_pDialog, "Beenden"));
}

TEST_F(Self_Test, The_Demo_Course_Shows_All_Its_Pictures)
{
    m_pDialog = new Test_Selftest(nullptr, wxString(CORVENA_SOURCE_DIR) + "/course/selbsttest/selbsttest.ini", 60);
    ASSERT_GE(m_pDialog->Count(), 8);
    int bitmaps = 0;
    for (int q = 0; q < m_pDialog->Count(); q++)
        for (wxWindow* child : m_pDialog->Question(q)->GetChildren())
            bitmaps += dynamic_cast<wxStaticBitmap*>(child) != nullptr;
    EXPECT_EQ(bitmaps, 7);  // two questions of three fish, and the pond
}

TEST_F(Self_Test, Copes_With_Hundreds_Of_Questions_And_Answers)
{
    std::string many = "b=::::\nc=1:IMAGE:\n";
    for (int a = 0; a < 300; a++)
        many += "a" + std::to_string(1000 + a) + "=0:" + std::string(a ? 1 : 5000, 'L') + "\n";
    Open(Questions(150, TWO_RIGHT) + "[Z]\nQuestion=" + std::string(4000, 'Q') + "\n[Z/Answers]\n" + many);
    ASSERT_EQ(m_pDialog->Count(), 151);
    EXPECT_EQ(m_pDialog->Question(150)->Get_Answer_Count(), 302);
    for (int q = 0; q <= 150; q++)
        ASSERT_TRUE(Click_Button(m_pDialog, "Weiter"));
    EXPECT_TRUE(m_pDialog->Question(150)->IsShown());
    EXPECT_EQ(Finish(), "0 von 151 Fragen wurden richtig beantwortet!");
}
