#include "activities/CSim_Selftest.h"

#include "activities/CSim_Question.h"
#include "tests/activities/Activity_Test_Support.h"
#include "tests/support/Gui_Helpers.h"
#include "tests/support/Temp_Dir.h"

#include <climits>
#include <wx/gauge.h>
#include <wx/settings.h>
#include <wx/statbmp.h>
#include <wx/timer.h>

namespace
{
    // Reaches into the dialog the way a tick of its clock does.
    class Test_Selftest : public CSim_Selftest
    {
    public:
        using CSim_Selftest::CSim_Selftest;

        /// One tick of the clock, delivered through the event table.
        void Tick()
        {
            wxTimerEvent event(*m_pTimer);
            ProcessWindowEvent(event);
        }
        int Gauge() const { return m_pGauge->GetValue(); }
        int Range() const { return m_pGauge->GetRange(); }
        int Current() const { return m_iQuestion; }
        bool Running() const { return m_pTimer->IsRunning(); }
        bool Intro_Shown() const { return m_pIntro->IsShown(); }
        CSim_Question* Question(int i) const { return m_Questions.at(i); }
        int Count() const { return m_nQuestions; }
    };

    // n question groups F1 ... with the given answers each.
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

        Test_Selftest* Make(const std::string& bytes, int time = 60)
        {
            m_Dir.Write("selbsttest.ini", bytes);
            m_pDialog = new Test_Selftest(nullptr, m_Dir.File("selbsttest.ini"), time);
            return m_pDialog;
        }

        // Opens the dialog as the main window does, without a modal loop
        // that would keep the test from going on.
        void Open()
        {
            m_pDialog->Show();
            Process_Events();
        }

        std::vector<wxCheckBox*> Boxes(int question) { return Check_Boxes(m_pDialog->Question(question)); }

        Temp_Dir m_Dir;
        Test_Selftest* m_pDialog = nullptr;
        Log_Capture m_Log;
    };
}

TEST_F(Self_Test, Reads_Only_Questions_With_Answers)
{
    Make(Questions(3, ONE_RIGHT) + "[G_leer]\nQuestion=Ohne Antworten\n[H_ohne_Text/Answers]\na=1:Ja\n");
    EXPECT_TRUE(m_pDialog->Has_Questions());
    EXPECT_EQ(m_pDialog->Count(), 3);
    EXPECT_EQ(m_pDialog->GetSize(), wxSize(wxSystemSettings::GetMetric(wxSYS_SCREEN_X), wxSystemSettings::GetMetric(wxSYS_SCREEN_Y)));
    m_pDialog->Destroy();

    const std::string unusable[] = {"", std::string("\0\xff\xfe[\x01]\n=\n", 9), "[A]\n[B]\nQuestion=x\n"};
    for (const std::string& bytes : unusable)
    {
        Make(bytes);
        EXPECT_FALSE(m_pDialog->Has_Questions());
        // Nothing to start: the dialog stays as it is.
        EXPECT_FALSE(m_pDialog->Next_Question());
        m_pDialog->Destroy();
    }
    m_pDialog = new Test_Selftest(nullptr, m_Dir.File("fehlt.ini"), 60);
    EXPECT_FALSE(m_pDialog->Has_Questions());
    EXPECT_TRUE(m_Log.Lines.empty());
}

TEST_F(Self_Test, The_Clock_Drains_Two_Units_A_Tick_And_Judges_After_The_Last)
{
    Make(Questions(2, TWO_RIGHT));
    Open();
    EXPECT_EQ(m_Log.Lines, std::vector<wxString>{"Selbsttest gestartet"});
    EXPECT_TRUE(m_pDialog->Intro_Shown());
    EXPECT_EQ(m_pDialog->Gauge(), 0);
    EXPECT_FALSE(m_pDialog->Running());

    ASSERT_TRUE(Click_Button(m_pDialog, "Weiter"));
    EXPECT_FALSE(m_pDialog->Intro_Shown());
    EXPECT_TRUE(m_pDialog->Question(0)->IsShown());
    EXPECT_TRUE(m_pDialog->Running());
    EXPECT_EQ(m_pDialog->Range(), 600);
    EXPECT_EQ(m_pDialog->Gauge(), 600);

    Boxes(0)[0]->SetValue(true);
    Boxes(0)[1]->SetValue(true);
    for (int tick = 1; tick <= 300; tick++)
    {
        m_pDialog->Tick();
        ASSERT_EQ(m_pDialog->Gauge(), 600 - 2 * tick) << "tick " << tick;
    }
    EXPECT_EQ(m_pDialog->Current(), 0);
    EXPECT_EQ(m_Log.Lines.size(), 1u);

    m_pDialog->Tick();
    EXPECT_EQ(m_pDialog->Current(), 1);
    EXPECT_FALSE(m_pDialog->Question(0)->IsShown());
    EXPECT_TRUE(m_pDialog->Question(1)->IsShown());
    EXPECT_EQ(m_pDialog->Gauge(), 600);
    ASSERT_EQ(m_Log.Lines.size(), 2u);
    EXPECT_EQ(m_Log.Lines[1], L"Zeit 100%; Lösung korrekt (\"Frage 1\")");

    // Half the time used, nothing ticked: wrong.
    for (int tick = 0; tick < 150; tick++)
        m_pDialog->Tick();
    Seen_Box seen;
    wxTEST_DIALOG(ASSERT_TRUE(Click_Button(m_pDialog, "Weiter")), Expect_Box(wxID_OK, &seen));
    EXPECT_EQ(m_Log.Lines, (std::vector<wxString>{"Selbsttest gestartet", L"Zeit 100%; Lösung korrekt (\"Frage 1\")",
                                                  L"Zeit  50%; Lösung falsch  (\"Frage 2\", Antwort: )",
                                                  "Selbsttest beendet"}));
    EXPECT_EQ(seen.Message, "1 von 2 Fragen wurde falsch beantwortet!");
    EXPECT_EQ(seen.Caption, wxString(wxMessageBoxCaptionStr));
    EXPECT_FALSE(m_pDialog->IsShown());
    EXPECT_FALSE(m_pDialog->Running());
    EXPECT_EQ(m_pDialog->Gauge(), 0);

    // A late tick or click after the end judges nothing twice.
    m_pDialog->Tick();
    EXPECT_TRUE(m_pDialog->Next_Question());
    EXPECT_EQ(m_Log.Lines.size(), 4u);
}

TEST_F(Self_Test, Short_And_Unusable_Time_Allowances)
{
    struct Case
    {
        int Time, Range, Ticks;
        const wchar_t* Line;
    };
    const Case cases[] = {
        {1, 10, 6, L"Zeit 110%; Lösung falsch  (\"Frage 1\", Antwort: )"},
        {0, 600, 301, L"Zeit 100%; Lösung falsch  (\"Frage 1\", Antwort: )"},
        {-5, 600, 301, L"Zeit 100%; Lösung falsch  (\"Frage 1\", Antwort: )"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.Time);
        m_Log.Lines.clear();
        Make(Questions(2, TWO_RIGHT), c.Time);
        Open();
        ASSERT_TRUE(Click_Button(m_pDialog, "Weiter"));
        EXPECT_EQ(m_pDialog->Range(), c.Range);
        for (int tick = 1; tick < c.Ticks; tick++)
            m_pDialog->Tick();
        EXPECT_EQ(m_pDialog->Current(), 0);
        m_pDialog->Tick();
        EXPECT_EQ(m_pDialog->Current(), 1);
        ASSERT_EQ(m_Log.Lines.size(), 2u);
        EXPECT_EQ(m_Log.Lines[1], wxString(c.Line));
        ASSERT_TRUE(Click_Button(m_pDialog, "Beenden"));
        m_pDialog->Destroy();
        m_pDialog = nullptr;
    }

    // A huge allowance must not overflow the clock.
    Make(Questions(1, TWO_RIGHT), INT_MAX);
    EXPECT_GT(m_pDialog->Range(), 0);
}

TEST_F(Self_Test, A_Single_Answer_Question_Advances_On_The_First_Click)
{
    Make("[A]\nQuestion=Zwei richtig\n[A/Answers]\n" + TWO_RIGHT + "[B]\nQuestion=Eine richtig\n[B/Answers]\n" + ONE_RIGHT +
         "[C]\nQuestion=Noch eine\n[C/Answers]\n" + ONE_RIGHT);
    Open();
    ASSERT_TRUE(Click_Button(m_pDialog, "Weiter"));

    // Two right answers: a click waits for "Weiter".
    Click_Box(Boxes(0)[0]);
    EXPECT_EQ(m_pDialog->Current(), 0);
    Click_Box(Boxes(0)[1]);
    EXPECT_EQ(m_pDialog->Current(), 0);
    ASSERT_TRUE(Click_Button(m_pDialog, "Weiter"));
    EXPECT_EQ(m_pDialog->Current(), 1);

    // One right answer: the first click decides, even on a wrong box.
    m_pDialog->Tick();
    Click_Box(Boxes(1)[2]);
    EXPECT_EQ(m_pDialog->Current(), 2);
    EXPECT_EQ(m_Log.Lines.back(), L"Zeit   0%; Lösung falsch  (\"Eine richtig\", Antwort: [3])");

    // On the last question the click ends the run.
    Seen_Box seen;
    wxTEST_DIALOG(Click_Box(Boxes(2)[1]), Expect_Box(wxID_OK, &seen));
    EXPECT_EQ(seen.Message, "1 von 3 Fragen wurde falsch beantwortet!");
    EXPECT_EQ(m_Log.Lines.back(), "Selbsttest beendet");
    EXPECT_EQ(m_Log.Lines[m_Log.Lines.size() - 2], L"Zeit   0%; Lösung korrekt (\"Noch eine\")");
}

TEST_F(Self_Test, Result_Texts_For_Five_Questions)
{
    struct Case
    {
        int Wrong;
        const char* Text;
    };
    const Case cases[] = {
        {0, "Alle Fragen wurden richtig beantwortet!"},
        {1, "1 von 5 Fragen wurde falsch beantwortet!"},
        {2, "3 von 5 Fragen wurden richtig beantwortet!"},
        {5, "0 von 5 Fragen wurden richtig beantwortet!"},
    };
    Make(Questions(5, TWO_RIGHT));
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.Wrong);
        // Every run opens afresh: the counts of the one before are gone.
        Open();
        EXPECT_TRUE(m_pDialog->Intro_Shown());
        ASSERT_TRUE(Click_Button(m_pDialog, "Weiter"));
        for (int q = 0; q < 5; q++)
        {
            EXPECT_FALSE(Boxes(q)[0]->GetValue());
            if (q >= c.Wrong)
            {
                Boxes(q)[0]->SetValue(true);
                Boxes(q)[1]->SetValue(true);
            }
            if (q < 4)
            {
                ASSERT_TRUE(Click_Button(m_pDialog, "Weiter"));
            }
        }
        Seen_Box seen;
        wxTEST_DIALOG(ASSERT_TRUE(Click_Button(m_pDialog, "Weiter")), Expect_Box(wxID_OK, &seen));
        EXPECT_EQ(seen.Message, c.Text);
        EXPECT_FALSE(m_pDialog->IsShown());
    }
}

TEST_F(Self_Test, Beenden_Aborts_Without_Judging)
{
    Make(Questions(2, TWO_RIGHT));
    Open();
    ASSERT_TRUE(Click_Button(m_pDialog, "Beenden"));
    EXPECT_EQ(m_Log.Lines, (std::vector<wxString>{"Selbsttest gestartet", "Selbsttest abgebrochen"}));
    EXPECT_FALSE(m_pDialog->IsShown());

    // Aborted in the middle of a question: no judgement, the clock stops.
    m_Log.Lines.clear();
    Open();
    ASSERT_TRUE(Click_Button(m_pDialog, "Weiter"));
    Boxes(0)[0]->SetValue(true);
    m_pDialog->Tick();
    ASSERT_TRUE(Click_Button(m_pDialog, "Beenden"));
    EXPECT_FALSE(m_pDialog->Running());
    for (int tick = 0; tick < 400; tick++)
        m_pDialog->Tick();
    EXPECT_EQ(m_Log.Lines, (std::vector<wxString>{"Selbsttest gestartet", "Selbsttest abgebrochen"}));

    // The close box ends the run the same way.
    m_Log.Lines.clear();
    Open();
    ASSERT_TRUE(Click_Button(m_pDialog, "Weiter"));
    m_pDialog->Close();
    EXPECT_FALSE(m_pDialog->IsShown());
    EXPECT_FALSE(m_pDialog->Running());
    EXPECT_EQ(m_Log.Lines, (std::vector<wxString>{"Selbsttest gestartet", "Selbsttest abgebrochen"}));

    // Opening again starts from the start panel with nothing ticked.
    Open();
    EXPECT_TRUE(m_pDialog->Intro_Shown());
    EXPECT_EQ(m_pDialog->Current(), -1);
    EXPECT_EQ(m_pDialog->Gauge(), 0);
    EXPECT_FALSE(m_pDialog->Question(0)->IsShown());
    EXPECT_FALSE(Boxes(0)[0]->GetValue());
}

TEST_F(Self_Test, The_Real_Clock_Ends_A_Question)
{
    Make(Questions(2, TWO_RIGHT), 1);
    Open();
    ASSERT_TRUE(Click_Button(m_pDialog, "Weiter"));
    // Six ticks of 100 ms.
    Wait_For("the second question", [&] { return m_pDialog->Current() == 1; }, 5000);
    ASSERT_GE(m_Log.Lines.size(), 2u);
    EXPECT_EQ(m_Log.Lines[1], L"Zeit 110%; Lösung falsch  (\"Frage 1\", Antwort: )");
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
    // Two questions of three fish each, and the pond beside one question.
    EXPECT_EQ(bitmaps, 7);
}

TEST_F(Self_Test, Copes_With_Hundreds_Of_Questions_And_Answers)
{
    std::string many;
    for (int a = 0; a < 300; a++)
        many += "a" + std::to_string(1000 + a) + "=" + (a == 299 ? "1:" : "0:") + (a == 0 ? std::string(5000, 'L') : "x") + "\n";
    Make(Questions(150, TWO_RIGHT) + "[Z]\nQuestion=" + std::string(4000, 'Q') + "\n[Z/Answers]\n" + many +
         "b=::::\nc=1:IMAGE:\n");
    ASSERT_EQ(m_pDialog->Count(), 151);
    EXPECT_EQ(m_pDialog->Question(150)->Get_Answer_Count(), 302);
    EXPECT_EQ(m_pDialog->Question(150)->Get_Correct_Count(), 2);
    Open();
    ASSERT_TRUE(Click_Button(m_pDialog, "Weiter"));
    for (int q = 0; q < 150; q++)
        ASSERT_TRUE(Click_Button(m_pDialog, "Weiter"));
    EXPECT_TRUE(m_pDialog->Question(150)->IsShown());
    Seen_Box seen;
    wxTEST_DIALOG(ASSERT_TRUE(Click_Button(m_pDialog, "Weiter")), Expect_Box(wxID_OK, &seen));
    EXPECT_EQ(seen.Message, "0 von 151 Fragen wurden richtig beantwortet!");
}
