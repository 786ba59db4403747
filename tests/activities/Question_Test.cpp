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
        wxMemoryOutputStream out;
        image.SaveFile(out, wxBITMAP_TYPE_PNG);
        std::string bytes(out.GetSize(), '\0');
        out.CopyTo(&bytes[0], bytes.size());
        return bytes;
    }

    // Counts what the toolkit would have put in front of the pupil.
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
            m_pFrame = new wxFrame(nullptr, wxID_ANY, "Frage");
            const std::string png = Png_Bytes(160, 100);
            m_Dir.Write("bilder/hecht.png", png);
            m_Dir.Write("bilder/teich.png", png);
            m_Dir.Write("bilder/leer.png", "");
            m_Dir.Write("bilder/halb.png", png.substr(0, png.size() / 2));
            m_Dir.Write("bilder/text.png", "Das ist kein Bild.\n");
        }

        void TearDown() override
        {
            m_pFrame->Destroy();
            Process_Events();
        }

        // The question of group [Frage], and how many pictures it shows.
        CSim_Question* Make(const std::string& bytes, int* pictures)
        {
            m_Dir.Write("selbsttest.ini", bytes);
            CSim_Config config(m_Dir.File("selbsttest.ini"));
            config.Set_Path("Frage");
            Counting_Log counter;
            wxLog* old = wxLog::SetActiveTarget(&counter);
            CSim_Question* question = new CSim_Question(m_pFrame, config);
            wxLog::SetActiveTarget(old);
            EXPECT_EQ(counter.Count, 0);
            *pictures = 0;
            for (wxWindow* child : question->GetChildren())
                *pictures += dynamic_cast<wxStaticBitmap*>(child) != nullptr;
            return question;
        }

        static std::vector<wxString> Labels(CSim_Question* question)
        {
            std::vector<wxString> labels;
            for (wxCheckBox* box : Check_Boxes(question))
                labels.push_back(box->GetLabel());
            return labels;
        }

        Temp_Dir m_Dir;
        wxFrame* m_pFrame = nullptr;
        Log_Capture m_Log;
    };
}

TEST_F(Self_Test_Question, Judges_Only_Exactly_The_Right_Boxes)
{
    int pictures;
    CSim_Question* question = Make("[Frage]\nQuestion=Welcher Fisch frisst andere Fische?\nImage=bilder/teich.png\n"
                                   "[Frage/Answers]\na=1:IMAGE:bilder/hecht.png\nb=0:IMAGE:bilder/hecht.png\nc=0:Keiner von beiden\n",
                                   &pictures);
    EXPECT_FALSE(question->IsShown());
    EXPECT_EQ(question->Get_Answer_Count(), 3);
    EXPECT_EQ(question->Get_Correct_Count(), 1);
    EXPECT_EQ(pictures, 3);
    EXPECT_EQ(Labels(question), (std::vector<wxString>{"", "", "Keiner von beiden"}));

    // The text is measured in the panel's 12-point font: none of it is cut off.
    wxStaticText* text = dynamic_cast<wxStaticText*>(question->GetChildren().front());
    ASSERT_TRUE(text);
    EXPECT_EQ(text->GetFont().GetPointSize(), 12);
    EXPECT_GE(text->GetBestSize().x, text->GetTextExtent(text->GetLabel()).x);

    std::vector<wxCheckBox*> boxes = Check_Boxes(question);
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

TEST_F(Self_Test_Question, Pictures_That_Cannot_Be_Shown_Fall_Back_To_Their_Label_Silently)
{
    int pictures;
    CSim_Question* question = Make("[Frage]\nQuestion=Welche Bilder gehen?\nImage=bilder/halb.png\n[Frage/Answers]\n"
                                   "a=1:IMAGE:bilder/fehlt.png\nb=0:IMAGE:bilder/leer.png\nc=0:IMAGE:bilder/halb.png\n"
                                   "d=0:IMAGE:bilder/text.png\ne=1:Ein Raubfisch IMAGE:bilder\\hecht.png\n"
                                   "f=0:Bild: IMAGE:bilder/hecht.png\n",
                                   &pictures);
    EXPECT_EQ(pictures, 1);  // answer e only (a backslash separates as "/" does); the question picture is broken
    EXPECT_EQ(question->Get_Correct_Count(), 2);
    EXPECT_EQ(Labels(question), (std::vector<wxString>{"IMAGE:bilder/fehlt.png", "IMAGE:bilder/leer.png", "IMAGE:bilder/halb.png",
                                                       "IMAGE:bilder/text.png", "", "Bild: IMAGE:bilder/hecht.png"}));
    // The answer whose picture is missing still has to be ticked.
    std::vector<wxCheckBox*> boxes = Check_Boxes(question);
    boxes[4]->SetValue(true);
    EXPECT_FALSE(question->Evaluate(50));
    boxes[0]->SetValue(true);
    EXPECT_TRUE(question->Evaluate(50));
}
