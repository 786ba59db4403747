#include "activities/CSim_Question.h"

#include "shell/CSim_Config.h"
#include "tests/activities/Activity_Test_Support.h"
#include "tests/support/Gui_Helpers.h"
#include "tests/support/Temp_Dir.h"

#include <wx/frame.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/mstream.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

namespace
{
    std::string Png_Bytes(int width, int height)
    {
        wxImage image(width, height);
        image.SetRGB(wxRect(0, 0, width, height), 40, 120, 60);
        wxMemoryOutputStream out;
        image.SaveFile(out, wxBITMAP_TYPE_PNG);
        std::string bytes(out.GetSize(), '\0');
        out.CopyTo(&bytes[0], bytes.size());
        return bytes;
    }

    // Counts what the toolkit would have shown the pupil as log messages.
    class Counting_Log : public wxLog
    {
    public:
        int Count = 0;

    protected:
        void DoLogRecord(wxLogLevel, const wxString&, const wxLogRecordInfo&) override { Count++; }
    };

    class Self_Test_Question : public testing::Test
    {
    protected:
        void SetUp() override
        {
            m_pFrame = new wxFrame(nullptr, wxID_ANY, "Frage", wxDefaultPosition, wxSize(900, 700));
            m_pFrame->Show();
            m_Dir.Write("bilder/hecht.png", Png_Bytes(160, 100));
            m_Dir.Write("bilder/karpfen.png", Png_Bytes(160, 100));
            m_Dir.Write("bilder/teich.png", Png_Bytes(240, 160));
            const std::string good = Png_Bytes(160, 100);
            m_Dir.Write("bilder/leer.png", "");
            m_Dir.Write("bilder/halb.png", good.substr(0, good.size() / 2));
            m_Dir.Write("bilder/text.png", "Das ist kein Bild.\n");
        }

        void TearDown() override
        {
            m_pFrame->Destroy();
            Process_Events();
        }

        // Builds the question of group Frage in the file with these bytes,
        // counting what the toolkit logs meanwhile.
        CSim_Question* Make(const std::string& bytes)
        {
            m_Dir.Write("selbsttest.ini", bytes);
            CSim_Config config(m_Dir.File("selbsttest.ini"));
            config.Set_Path("Frage");
            Counting_Log counter;
            wxLog* old = wxLog::SetActiveTarget(&counter);
            CSim_Question* question = new CSim_Question(m_pFrame, config);
            wxLog::SetActiveTarget(old);
            m_nLogged = counter.Count;
            return question;
        }

        static int Pictures(wxWindow* window)
        {
            int count = 0;
            for (wxWindow* child : window->GetChildren())
                if (dynamic_cast<wxStaticBitmap*>(child))
                    count++;
            return count;
        }

        Temp_Dir m_Dir;
        wxFrame* m_pFrame = nullptr;
        Log_Capture m_Log;
        int m_nLogged = 0;
    };

    const char* const EXAMPLE =
        "[Frage]\n"
        "Question=Welcher Fisch frisst andere Fische?\n"
        "Image=bilder/teich.png\n"
        "[Frage/Answers]\n"
        "a=1:IMAGE:bilder/hecht.png\n"
        "b=0:IMAGE:bilder/karpfen.png\n"
        "c=0:Keiner von beiden\n";
}

TEST_F(Self_Test_Question, Judges_Only_Exactly_The_Right_Boxes)
{
    CSim_Question* question = Make(EXAMPLE);
    EXPECT_FALSE(question->IsShown());
    EXPECT_EQ(question->Get_Answer_Count(), 3);
    EXPECT_EQ(question->Get_Correct_Count(), 1);
    EXPECT_EQ(Pictures(question), 3);
    std::vector<wxCheckBox*> boxes = Check_Boxes(question);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0]->GetLabel(), "");
    EXPECT_EQ(boxes[1]->GetLabel(), "");
    EXPECT_EQ(boxes[2]->GetLabel(), "Keiner von beiden");
    // The question text is measured in the panel's 12-point font, so none
    // of it is cut off.
    wxStaticText* text = nullptr;
    for (wxWindow* child : question->GetChildren())
        if (!text)
            text = dynamic_cast<wxStaticText*>(child);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->GetFont().GetPointSize(), 12);
    EXPECT_GE(text->GetBestSize().x, text->GetTextExtent(text->GetLabel()).x);

    boxes[0]->SetValue(true);
    EXPECT_TRUE(question->Evaluate(7));
    boxes[2]->SetValue(true);
    EXPECT_FALSE(question->Evaluate(100));
    boxes[0]->SetValue(false);
    boxes[2]->SetValue(false);
    EXPECT_FALSE(question->Evaluate(42));
    EXPECT_EQ(m_Log.Lines, (std::vector<wxString>{
        L"Zeit   7%; Lösung korrekt (\"Welcher Fisch frisst andere Fische?\")",
        L"Zeit 100%; Lösung falsch  (\"Welcher Fisch frisst andere Fische?\", Antwort: [1][3])",
        L"Zeit  42%; Lösung falsch  (\"Welcher Fisch frisst andere Fische?\", Antwort: )"}));
}

TEST_F(Self_Test_Question, Pictures_That_Cannot_Be_Shown_Fall_Back_To_Their_Label)
{
    CSim_Question* question = Make(
        "[Frage]\n"
        "Question=Welche Bilder gehen?\n"
        "Image=bilder/halb.png\n"
        "[Frage/Answers]\n"
        "a=1:IMAGE:bilder/fehlt.png\n"
        "b=0:IMAGE:bilder/leer.png\n"
        "c=0:IMAGE:bilder/halb.png\n"
        "d=0:IMAGE:bilder/text.png\n"
        "e=1:Ein Raubfisch IMAGE:bilder/hecht.png\n"
        "f=0:Bild: IMAGE:bilder/hecht.png\n");
    EXPECT_EQ(m_nLogged, 0);
    EXPECT_EQ(Pictures(question), 1);  // only answer e, and no question picture
    EXPECT_EQ(question->Get_Correct_Count(), 2);
    std::vector<wxString> labels;
    for (wxCheckBox* box : Check_Boxes(question))
        labels.push_back(box->GetLabel());
    EXPECT_EQ(labels, (std::vector<wxString>{"IMAGE:bilder/fehlt.png", "IMAGE:bilder/leer.png", "IMAGE:bilder/halb.png",
                                             "IMAGE:bilder/text.png", "", "Bild: IMAGE:bilder/hecht.png"}));

    // The missing picture still has to be ticked.
    std::vector<wxCheckBox*> boxes = Check_Boxes(question);
    boxes[4]->SetValue(true);
    EXPECT_FALSE(question->Evaluate(50));
    boxes[0]->SetValue(true);
    EXPECT_TRUE(question->Evaluate(50));
}

TEST_F(Self_Test_Question, Groups_Without_Text_Or_Answers_Stay_Empty)
{
    const char* const files[] = {
        "[Frage]\n[Frage/Answers]\na=1:Ja\n",
        "[Frage]\nQuestion=Ohne Antworten\n",
        "[Frage]\nQuestion=Leere Antworten\n[Frage/Answers]\n",
        "",
    };
    for (const char* bytes : files)
    {
        CSim_Question* question = Make(bytes);
        EXPECT_EQ(question->Get_Answer_Count(), 0);
        EXPECT_TRUE(question->GetChildren().empty());
        question->Destroy();
    }
}

TEST_F(Self_Test_Question, Reset_Hides_Fits_And_Unticks)
{
    CSim_Question* question = Make(EXAMPLE);
    question->SetSize(10, 10, 50, 50);
    question->Show();
    for (wxCheckBox* box : Check_Boxes(question))
        box->SetValue(true);
    EXPECT_TRUE(question->Reset());
    EXPECT_FALSE(question->IsShown());
    EXPECT_EQ(question->GetPosition(), wxPoint(0, 0));
    EXPECT_EQ(question->GetSize(), m_pFrame->GetSize());
    for (wxCheckBox* box : Check_Boxes(question))
        EXPECT_FALSE(box->GetValue());
}
