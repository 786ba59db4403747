#include "shell/CSim_Frame.h"

#include "common/Clock.h"
#include "common/Record_File.h"
#include "shell/Command_Ids.h"
#include "tests/support/Frame_Fixture.h"
#include "tests/support/Gui_Helpers.h"

#include <climits>
#include <wx/textctrl.h>

class Frame : public Frame_Fixture
{
protected:
    // A window on no course with the log off; the course dialog is cancelled.
    void Start(const std::string& ini = "")
    {
        Write_Ini("DOLOG=0\n" + ini);
        wxTEST_DIALOG(Make_Frame(), wxExpectModal<wxFileDialog>("", wxID_CANCEL));
    }

    void Type_Notes(const wxString& text)
    {
        m_pFrame->Get_Notes()->SetValue(text);
        m_pFrame->Get_Notes()->MarkDirty();
    }

    bool Closed()
    {
        Process_Events();
        if (CSim_Frame::Get_Frame() == m_pFrame)
            return false;
        m_pFrame = nullptr;
        return true;
    }
};

TEST_F(Frame, Without_Start_File_Asks_For_The_Course)
{
    wxString title;
    long style = 0;
    // Then, with the log on and no log file, its save dialog and whether really no log should be kept.
    // A name typed without extension that is taken is asked about; "Nein" leaves the file as it is.
    m_Dir.Write("profil.log", "ein alter Lauf");
    wxTEST_DIALOG(Make_Frame(), Expect_File_Dialog([&](wxFileDialog* d) {
                      title = d->GetMessage();
                      style = d->GetWindowStyle();
                      return wxID_CANCEL;
                  }),
                  wxExpectModal<wxFileDialog>(m_Dir.File("profil")), wxExpectModal<wxMessageDialog>(wxNO),
                  wxExpectModal<wxFileDialog>("", wxID_CANCEL), wxExpectModal<wxMessageDialog>(wxYES));
    EXPECT_EQ(m_Dir.Read("profil.log"), "ein alter Lauf");
    EXPECT_EQ(title, wxString::FromUTF8("Inhalt öffnen"));
    EXPECT_TRUE((style & wxFD_OPEN) && (style & wxFD_FILE_MUST_EXIST));
    // At the end the same cycle once more before writing.
    wxTEST_DIALOG(Destroy_Frame(), wxExpectModal<wxFileDialog>("", wxID_CANCEL), wxExpectModal<wxMessageDialog>(wxYES));
}

TEST_F(Frame, Close_Asks_And_Only_Changed_Notes_With_Text_Are_Offered_For_Saving)
{
    Start();
    wxString message;
    wxTEST_DIALOG(m_pFrame->Close(), Expect_Message(wxNO, &message));
    EXPECT_EQ(message, "Soll das Programm wirklich beendet werden ?");
    EXPECT_FALSE(Closed());
    // Yes to saving, but no notes file and the save dialog cancelled: the window stays.
    Type_Notes("Hechte fressen Rotfedern.");
    wxTEST_DIALOG(m_pFrame->Close(), wxExpectModal<wxMessageDialog>(wxYES), Expect_Message(wxYES, &message),
                  wxExpectModal<wxFileDialog>("", wxID_CANCEL));
    EXPECT_EQ(message, wxString::FromUTF8("Sollen Änderungen gespeichert werden ?"));
    EXPECT_FALSE(Closed());
    // Saved, the close goes on.
    wxTEST_DIALOG(m_pFrame->Close(), wxExpectModal<wxMessageDialog>(wxYES), wxExpectModal<wxMessageDialog>(wxYES),
                  wxExpectModal<wxFileDialog>(m_Dir.File("meine_notizen.txt")));
    EXPECT_TRUE(Closed());
    EXPECT_EQ(m_Dir.Read("meine_notizen.txt"), "Hechte fressen Rotfedern.");
    // Changed but empty notes ask only the exit question.
    Start();
    Type_Notes("");
    wxTEST_DIALOG(m_pFrame->Close(), wxExpectModal<wxMessageDialog>(wxYES));
    EXPECT_TRUE(Closed());
}

TEST_F(Frame, Notes_File_Holds_One_Space_After_Start_And_Save_Writes_Windows_1252)
{
    m_Dir.Write("notizen.txt", "alte Notizen");
    Start("NOTEPADFILE=notizen.txt\n");
    EXPECT_EQ(m_Dir.Read("notizen.txt"), " ");
    EXPECT_TRUE(m_pFrame->Get_Notes()->IsEmpty());
    EXPECT_FALSE(Is_Enabled(ID_NOTES_SAVE) || Is_Enabled(ID_NOTES_CLEAR));
    EXPECT_TRUE(Is_Enabled(ID_NOTES_SAVE_AS));
    Type_Notes(wxString::FromUTF8("Größe des Teichs"));
    EXPECT_TRUE(Is_Enabled(ID_NOTES_SAVE) && Is_Enabled(ID_NOTES_CLEAR));
    Command(ID_NOTES_SAVE);
    EXPECT_EQ(m_Dir.Read("notizen.txt"), "Gr\xF6\xDF" "e des Teichs");
    EXPECT_FALSE(Is_Enabled(ID_NOTES_SAVE));
    // Clearing saved notes asks nothing; afterwards saving writes the empty pad.
    Command(ID_NOTES_CLEAR);
    EXPECT_TRUE(m_pFrame->Get_Notes()->IsEmpty());
    Command(ID_NOTES_SAVE);
    EXPECT_EQ(m_Dir.Read("notizen.txt"), "");
}

TEST_F(Frame, Save_As_Adds_The_Extension_And_Then_Save_Uses_The_Name)
{
    Start();
    Type_Notes("Algen");
    // Without a notes file "Speichern" stays disabled.
    EXPECT_FALSE(Is_Enabled(ID_NOTES_SAVE));
    wxTEST_DIALOG(Command(ID_NOTES_SAVE_AS), Expect_File_Dialog([&](wxFileDialog* d) {
                      EXPECT_EQ(d->GetFilename(), "Notizen.txt");
                      d->SetPath(m_Dir.File("heft"));
                      return wxID_OK;
                  }));
    EXPECT_EQ(m_Dir.Read("heft.txt"), "Algen");
    // The same name again: replacing the file is asked about, "Nein" goes back to the dialog.
    Type_Notes("Algen und Wasserpest");
    wxString question;
    wxTEST_DIALOG(Command(ID_NOTES_SAVE_AS), wxExpectModal<wxFileDialog>(m_Dir.File("heft")),
                  Expect_Message(wxNO, &question), wxExpectModal<wxFileDialog>("", wxID_CANCEL));
    EXPECT_EQ(question, Replace_Question(m_Dir.File("heft.txt")));
    EXPECT_EQ(m_Dir.Read("heft.txt"), "Algen");
    wxTEST_DIALOG(Command(ID_NOTES_SAVE_AS), wxExpectModal<wxFileDialog>(m_Dir.File("heft")),
                  wxExpectModal<wxMessageDialog>(wxYES));
    EXPECT_EQ(m_Dir.Read("heft.txt"), "Algen und Wasserpest");
}

TEST_F(Frame, First_Entry_Shares_The_Start_Time_Of_The_Header)
{
    // A clock 1 ms before a full second that moves on with each reading.
    Clock::Set(wxDateTime(2, wxDateTime::Mar, 2026, 8, 0, 0, 999), wxTimeSpan::Milliseconds(1));
    Write_Ini("LOGFILE=log.txt\n");
    wxTEST_DIALOG(Make_Frame(), wxExpectModal<wxFileDialog>("", wxID_CANCEL));
    EXPECT_TRUE(m_pFrame->Get_Log().EndsWith("\n08:00:00\t00:00:00\tAufzeichnung gestartet\n")) << m_pFrame->Get_Log();
}

TEST_F(Frame, Clearing_Changed_Notes_Asks_And_Keeps_Them_When_Saving_Fails)
{
    Start();
    Type_Notes("Plankton");
    wxTEST_DIALOG(Command(ID_NOTES_CLEAR), wxExpectModal<wxMessageDialog>(wxYES),
                  wxExpectModal<wxFileDialog>("", wxID_CANCEL));
    wxTEST_DIALOG(Command(ID_NOTES_CLEAR), wxExpectModal<wxMessageDialog>(wxCANCEL));
    EXPECT_EQ(m_pFrame->Get_Notes()->GetValue(), "Plankton");
    wxTEST_DIALOG(Command(ID_NOTES_CLEAR), wxExpectModal<wxMessageDialog>(wxNO));
    EXPECT_TRUE(m_pFrame->Get_Notes()->IsEmpty() && m_pFrame->Get_Notes()->IsModified());
}

TEST_F(Frame, Font_Offset_From_The_Start_File_Stops_At_The_Number_Range)
{
    // Offsets near the limits once overflowed, and the toolkit asserted on the huge fonts.
    m_Dir.Write("kurs/lexikon.txt", "<Hecht>{Raubfisch}");
    m_Dir.Write("kurs/themen.ini", "[General]\nGlossar=lexikon.txt\n[Themes]\nName=R\n");
    for (const char* size : {"2147483647", "99999999999", "-2147483648"})
    {
        Write_Ini(std::string("DOLOG=0\nTHEMES=kurs/themen.ini\nFONTSIZE=") + size + "\n");
        Make_Frame();
        const int start = CSim_Frame::Get_Font_Offset();
        EXPECT_EQ(start, size[0] == '-' ? INT_MIN : INT_MAX) << size;
        Command(start < 0 ? ID_FONT_SMALLER : ID_FONT_LARGER);
        EXPECT_EQ(CSim_Frame::Get_Font_Offset(), start) << size;
        // Back to 0 for the tests after this one (INT_MIN has no negative).
        m_pFrame->Change_Font_Size(start < 0 ? INT_MAX : -INT_MAX);
        m_pFrame->Change_Font_Size(-CSim_Frame::Get_Font_Offset());
        Destroy_Frame();
    }
}
