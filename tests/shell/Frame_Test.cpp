#include "shell/CSim_Frame.h"

#include "shell/Command_Ids.h"
#include "shell/Program_Dir.h"
#include "tests/support/Frame_Fixture.h"
#include "tests/support/Gui_Helpers.h"

#include <climits>
#include <wx/menu.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>

namespace
{
    wxArrayString Menu_Titles(CSim_Frame* frame)
    {
        wxArrayString titles;
        wxMenuBar* bar = frame->GetMenuBar();
        for (size_t i = 0; i < bar->GetMenuCount(); i++)
            titles.push_back(bar->GetMenuLabelText(i));
        return titles;
    }
}

class Frame : public Frame_Fixture
{
};

TEST_F(Frame, Without_Start_File_Asks_For_The_Course)
{
    wxString title, directory;
    long style = 0;
    // Then, with the log on and no log file, the log's save dialog and the
    // question whether really no log should be kept.
    wxTEST_DIALOG(Make_Frame(),
                  Expect_File_Dialog([&](wxFileDialog* d) {
                      title = d->GetMessage();
                      directory = d->GetDirectory();
                      style = d->GetWindowStyle();
                      return wxID_CANCEL;
                  }),
                  wxExpectModal<wxFileDialog>("", wxID_CANCEL),
                  wxExpectModal<wxMessageDialog>(wxYES));
    ASSERT_NE(m_pFrame, nullptr);
    EXPECT_EQ(title, wxString::FromUTF8("Inhalt öffnen"));
    EXPECT_TRUE(style & wxFD_OPEN);
    EXPECT_TRUE(style & wxFD_FILE_MUST_EXIST);
    // Defaults without a start file: log on, notes hidden, no files.
    EXPECT_TRUE(m_pFrame->Is_Logging());
    EXPECT_TRUE(m_pFrame->Get_Log_File().empty());
    EXPECT_TRUE(m_pFrame->Get_Notes_File().empty());
    EXPECT_FALSE(m_pFrame->Get_Manager().GetPane("notepad").IsShown());
    EXPECT_EQ(CSim_Frame::Get_Font_Offset(), 0);
    // At the end the same cycle once more before writing.
    wxTEST_DIALOG(Destroy_Frame(), wxExpectModal<wxFileDialog>("", wxID_CANCEL),
                  wxExpectModal<wxMessageDialog>(wxYES));
}

TEST_F(Frame, Builds_Panes_Menus_And_Tools)
{
    Write_Ini("DOLOG=0\nNOTEPADSHOW=1\nTHEMES=kurs.ini\n");
    m_Dir.Write("kurs.ini", "[Themes]\nName=Teich\n");
    Make_Frame();
    wxAuiManager& manager = m_pFrame->Get_Manager();
    EXPECT_EQ(manager.GetPane("treectrl").caption, "Navigation");
    EXPECT_FALSE(manager.GetPane("treectrl").HasCloseButton());
    EXPECT_FALSE(manager.GetPane("treectrl").IsFloatable());
    EXPECT_EQ(manager.GetPane("notepad").caption, "Notizen");
    EXPECT_TRUE(manager.GetPane("notepad").IsShown());
    EXPECT_EQ(manager.GetPane("notepad").dock_direction, wxAUI_DOCK_LEFT);
    EXPECT_EQ(manager.GetPane("tasks").caption, "Aufgaben");
    EXPECT_EQ(manager.GetPane("tasks").dock_direction, wxAUI_DOCK_LEFT);
    EXPECT_TRUE(manager.GetPane("toolbar").IsToolbar());
    EXPECT_EQ(manager.GetPane("toolbar").dock_direction, wxAUI_DOCK_TOP);

    wxArrayString expected;
    for (const char* t : {"Datei", "Navigation", "Notizen", "Fenster", "?"})
        expected.push_back(wxString::FromUTF8(t));
    EXPECT_EQ(Menu_Titles(m_pFrame), expected);

    // Exit, separator, four navigation tools, separator, two pane tools,
    // separator, about: no self-test and no reflection aid here.
    wxToolBar* tools = m_pFrame->Get_Tool_Bar();
    ASSERT_EQ(tools->GetToolsCount(), 11u);
    std::vector<int> ids;
    for (size_t i = 0; i < tools->GetToolsCount(); i++)
        ids.push_back(tools->GetToolByPos(int(i))->GetId());
    EXPECT_EQ(ids, std::vector<int>({wxID_EXIT, wxID_SEPARATOR, ID_PREV_THEME, ID_NEXT_THEME, ID_BACK,
                                     ID_FORWARD, wxID_SEPARATOR, ID_SHOW_NAVIGATION, ID_SHOW_NOTES,
                                     wxID_SEPARATOR, wxID_ABOUT}));
    EXPECT_EQ(tools->GetToolShortHelp(ID_NEXT_THEME), wxString::FromUTF8("Nächstes Thema"));
    EXPECT_TRUE(tools->FindById(ID_SHOW_NOTES)->CanBeToggled());

    // Pane commands flip the panes and their ticks follow.
    EXPECT_TRUE(Is_Checked(ID_SHOW_NOTES));
    Command(ID_SHOW_NOTES);
    EXPECT_FALSE(manager.GetPane("notepad").IsShown());
    EXPECT_FALSE(Is_Checked(ID_SHOW_NOTES));
    Command(ID_SHOW_NAVIGATION);
    EXPECT_FALSE(Is_Checked(ID_SHOW_NAVIGATION));
    EXPECT_TRUE(Is_Enabled(ID_FONT_SMALLER));
    EXPECT_FALSE(Is_Enabled(ID_SELFTEST));
}

TEST_F(Frame, Close_Asks_And_A_No_Keeps_The_Window)
{
    Write_Ini("DOLOG=0\n");
    wxTEST_DIALOG(Make_Frame(), wxExpectModal<wxFileDialog>("", wxID_CANCEL));
    wxString message, caption;
    wxTEST_DIALOG(m_pFrame->Close(), Expect_Message(wxNO, &message, &caption));
    EXPECT_EQ(message, "Soll das Programm wirklich beendet werden ?");
    EXPECT_EQ(caption, m_pFrame->GetTitle());
    Process_Events();
    EXPECT_EQ(CSim_Frame::Get_Frame(), m_pFrame);

    // Unchanged notes, and changed but empty notes, ask only the exit question.
    m_pFrame->Get_Notes()->ChangeValue("");
    m_pFrame->Get_Notes()->MarkDirty();
    wxTEST_DIALOG(m_pFrame->Close(), wxExpectModal<wxMessageDialog>(wxYES));
    Process_Events();
    EXPECT_EQ(CSim_Frame::Get_Frame(), nullptr);
    m_pFrame = nullptr;
}

TEST_F(Frame, Close_With_Changed_Notes_Offers_To_Save_And_A_Failed_Save_Vetoes)
{
    Write_Ini("DOLOG=0\n");
    wxTEST_DIALOG(Make_Frame(), wxExpectModal<wxFileDialog>("", wxID_CANCEL));
    m_pFrame->Get_Notes()->SetValue("Hechte fressen Rotfedern.");
    m_pFrame->Get_Notes()->MarkDirty();

    wxString question, caption;
    long style = 0;
    // Yes to saving, but no notes file and the save dialog cancelled: stay.
    wxTEST_DIALOG(m_pFrame->Close(),
                  wxExpectModal<wxMessageDialog>(wxYES),
                  Expect_Message(wxYES, &question, &caption, &style),
                  wxExpectModal<wxFileDialog>("", wxID_CANCEL));
    EXPECT_EQ(question, "Sollen Änderungen gespeichert werden ?");
    EXPECT_EQ(caption, "Notizen speichern");
    EXPECT_TRUE(style & wxICON_QUESTION);
    Process_Events();
    EXPECT_EQ(CSim_Frame::Get_Frame(), m_pFrame);

    // Saving under a chosen name lets the close go on.
    wxString chosen = m_Dir.File("meine_notizen.txt");
    wxTEST_DIALOG(m_pFrame->Close(),
                  wxExpectModal<wxMessageDialog>(wxYES),
                  wxExpectModal<wxMessageDialog>(wxYES),
                  wxExpectModal<wxFileDialog>(chosen));
    Process_Events();
    EXPECT_EQ(CSim_Frame::Get_Frame(), nullptr);
    m_pFrame = nullptr;
    EXPECT_EQ(m_Dir.Read("meine_notizen.txt"), "Hechte fressen Rotfedern.");
}

TEST_F(Frame, Notes_File_Holds_One_Space_After_Start_And_Save_Writes_Windows_1252)
{
    m_Dir.Write("notizen.txt", "alte Notizen");
    Write_Ini("DOLOG=0\nNOTEPADFILE=notizen.txt\n");
    wxTEST_DIALOG(Make_Frame(), wxExpectModal<wxFileDialog>("", wxID_CANCEL));
    EXPECT_EQ(m_Dir.Read("notizen.txt"), " ");
    EXPECT_TRUE(m_pFrame->Get_Notes()->IsEmpty());
    EXPECT_FALSE(m_pFrame->Get_Notes()->IsModified());
    EXPECT_FALSE(Is_Enabled(ID_NOTES_SAVE));
    EXPECT_FALSE(Is_Enabled(ID_NOTES_CLEAR));
    EXPECT_TRUE(Is_Enabled(ID_NOTES_SAVE_AS));

    m_pFrame->Get_Notes()->SetValue(wxString::FromUTF8("Größe des Teichs"));
    m_pFrame->Get_Notes()->MarkDirty();
    EXPECT_TRUE(Is_Enabled(ID_NOTES_SAVE));
    Command(ID_NOTES_SAVE);
    EXPECT_EQ(m_Dir.Read("notizen.txt"), "Gr\xF6\xDF" "e des Teichs");
    EXPECT_FALSE(Is_Enabled(ID_NOTES_SAVE));

    // Clearing saved notes asks nothing; afterwards saving writes the empty pad.
    Command(ID_NOTES_CLEAR);
    EXPECT_TRUE(m_pFrame->Get_Notes()->IsEmpty());
    EXPECT_TRUE(Is_Enabled(ID_NOTES_SAVE));
    Command(ID_NOTES_SAVE);
    EXPECT_EQ(m_Dir.Read("notizen.txt"), "");
}

TEST_F(Frame, Save_As_Proposes_A_Name_And_Then_Save_Uses_It)
{
    Write_Ini("DOLOG=0\n");
    wxTEST_DIALOG(Make_Frame(), wxExpectModal<wxFileDialog>("", wxID_CANCEL));
    m_pFrame->Get_Notes()->SetValue("Algen");
    m_pFrame->Get_Notes()->MarkDirty();
    // Without a notes file "Speichern" stays disabled.
    EXPECT_FALSE(Is_Enabled(ID_NOTES_SAVE));

    wxString proposed, title;
    long style = 0;
    wxString target = m_Dir.File("heft");
    wxTEST_DIALOG(Command(ID_NOTES_SAVE_AS), Expect_File_Dialog([&](wxFileDialog* d) {
                      proposed = d->GetFilename();
                      title = d->GetMessage();
                      style = d->GetWindowStyle();
                      d->SetPath(target);
                      return wxID_OK;
                  }));
    EXPECT_EQ(proposed, "Notizen.txt");
    EXPECT_EQ(title, "Notizen speichern");
    EXPECT_TRUE(style & wxFD_SAVE);
    EXPECT_TRUE(style & wxFD_OVERWRITE_PROMPT);
    // The default extension is added to a name without one.
    EXPECT_EQ(m_pFrame->Get_Notes_File(), m_Dir.File("heft.txt"));
    EXPECT_EQ(m_Dir.Read("heft.txt"), "Algen");

    m_pFrame->Get_Notes()->AppendText(" und Wasserpest");
    m_pFrame->Get_Notes()->MarkDirty();
    EXPECT_TRUE(Is_Enabled(ID_NOTES_SAVE));
    Command(ID_NOTES_SAVE);
    EXPECT_EQ(m_Dir.Read("heft.txt"), "Algen und Wasserpest");
}

TEST_F(Frame, Clearing_Changed_Notes_Asks_And_Keeps_Them_When_Saving_Fails)
{
    Write_Ini("DOLOG=0\n");
    wxTEST_DIALOG(Make_Frame(), wxExpectModal<wxFileDialog>("", wxID_CANCEL));
    wxTextCtrl* notes = m_pFrame->Get_Notes();
    notes->SetValue("Plankton");
    notes->MarkDirty();

    wxString caption;
    long style = 0;
    wxTEST_DIALOG(Command(ID_NOTES_CLEAR),
                  Expect_Message(wxYES, nullptr, &caption, &style),
                  wxExpectModal<wxFileDialog>("", wxID_CANCEL));
    EXPECT_EQ(caption, wxString::FromUTF8("Notizen löschen"));
    EXPECT_TRUE(style & wxCANCEL);
    EXPECT_EQ(notes->GetValue(), "Plankton");

    wxTEST_DIALOG(Command(ID_NOTES_CLEAR), wxExpectModal<wxMessageDialog>(wxCANCEL));
    EXPECT_EQ(notes->GetValue(), "Plankton");

    wxTEST_DIALOG(Command(ID_NOTES_CLEAR), wxExpectModal<wxMessageDialog>(wxNO));
    EXPECT_TRUE(notes->IsEmpty());
    EXPECT_TRUE(notes->IsModified());
}

TEST_F(Frame, Unwritable_Notes_File_Does_Not_Stop_The_Start)
{
    m_Dir.Make_Dir("gesperrt");
    Write_Ini("DOLOG=0\nNOTEPADFILE=/proc/gesperrt/notizen.txt\n");
    wxTEST_DIALOG(Make_Frame(), wxExpectModal<wxFileDialog>("", wxID_CANCEL));
    EXPECT_EQ(m_pFrame->Get_Notes_File(), "/proc/gesperrt/notizen.txt");
    EXPECT_TRUE(m_pFrame->Get_Notes()->IsEmpty());
    EXPECT_FALSE(m_pFrame->Get_Notes()->IsModified());
    EXPECT_FALSE(Is_Enabled(ID_NOTES_SAVE));
}

TEST_F(Frame, Font_Offset_Follows_The_Start_File_And_The_Commands)
{
    Write_Ini("DOLOG=0\nFONTSIZE=-2\n");
    wxTEST_DIALOG(Make_Frame(), wxExpectModal<wxFileDialog>("", wxID_CANCEL));
    EXPECT_EQ(CSim_Frame::Get_Font_Offset(), -2);
    Command(ID_FONT_LARGER);
    Command(ID_FONT_LARGER);
    Command(ID_FONT_LARGER);
    EXPECT_EQ(CSim_Frame::Get_Font_Offset(), 1);
    // Put it back for the tests after this one in the same process.
    Command(ID_FONT_SMALLER);
    m_pFrame->Change_Font_Size(-CSim_Frame::Get_Font_Offset());
}

TEST_F(Frame, Font_Offset_At_The_Limits_Of_The_Number_Range)
{
    // Sizes from such offsets once overflowed, and the toolkit asserted on
    // the huge fonts (a box in front of the pupil); the glossary and the
    // content page get the largest size that can be drawn.
    m_Dir.Write("kurs/seite.htm", "<p>Teich</p>");
    m_Dir.Write("kurs/lexikon.txt", "<Hecht>{Raubfisch}");
    m_Dir.Write("kurs/themen.ini", "[General]\nGlossar=lexikon.txt\n[Themes]\nContent=seite.htm\n");
    for (const char* font_size : {"2147483647", "99999999999", "-2147483648"})
    {
        Write_Ini(std::string("DOLOG=0\nTHEMES=kurs/themen.ini\nFONTSIZE=") + font_size + "\n");
        Make_Frame();
        const int start = CSim_Frame::Get_Font_Offset();
        EXPECT_EQ(start, font_size[0] == '-' ? INT_MIN : INT_MAX) << font_size;
        Command(font_size[0] == '-' ? ID_FONT_SMALLER : ID_FONT_LARGER);
        EXPECT_EQ(CSim_Frame::Get_Font_Offset(), start);
        Process_Events();
        // Back to 0 for the tests after this one (INT_MIN has no negative).
        m_pFrame->Change_Font_Size(start < 0 ? INT_MAX : -INT_MAX);
        m_pFrame->Change_Font_Size(-CSim_Frame::Get_Font_Offset());
        EXPECT_EQ(CSim_Frame::Get_Font_Offset(), 0);
        Destroy_Frame();
    }
}

TEST_F(Frame, Start_File_That_Is_Binary_Or_A_Directory_Gives_The_Defaults)
{
    std::string garbage(4096, '\0');
    for (size_t i = 0; i < garbage.size(); i++)
        garbage[i] = char((i * 7919) & 0xFF);
    for (const std::string& content : {garbage, std::string()})
    {
        Write_Ini(content);
        // No course named, the log on without a file: three dialogs at start,
        // two at the end.
        wxTEST_DIALOG(Make_Frame(), wxExpectModal<wxFileDialog>("", wxID_CANCEL),
                      wxExpectModal<wxFileDialog>("", wxID_CANCEL),
                      wxExpectModal<wxMessageDialog>(wxYES));
        EXPECT_TRUE(m_pFrame->Is_Logging());
        EXPECT_TRUE(m_pFrame->Get_Log_File().empty());
        wxTEST_DIALOG(Destroy_Frame(), wxExpectModal<wxFileDialog>("", wxID_CANCEL),
                      wxExpectModal<wxMessageDialog>(wxYES));
    }
}

TEST_F(Frame, Extras_Menu_And_Tools_Follow_The_Activities_Of_The_Course)
{
    m_Dir.Write("kurs/test.ini", "[F1]\nQuestion=Frisst der Hecht Rotfedern?\n[F1/Answers]\na=1:Ja\nb=0:Nein\n");
    m_Dir.Write("kurs/reflexion.ini", "[T]\nReflection=Thema\n");
    m_Dir.Write("kurs/mit_test.ini", "[General]\nSelftest=test.ini\n[Themes]\nName=R\n");
    m_Dir.Write("kurs/beides.ini", "[General]\nSelftest=test.ini\nReflections=reflexion.ini\n[Themes]\nName=R\n");

    Write_Ini("DOLOG=0\nTHEMES=kurs/mit_test.ini\n");
    Make_Frame();
    wxMenuBar* bar = m_pFrame->GetMenuBar();
    int extras = bar->FindMenu("Extras");
    ASSERT_NE(extras, wxNOT_FOUND);
    EXPECT_EQ(bar->GetMenu(extras)->GetMenuItemCount(), 1u);
    EXPECT_NE(bar->FindMenuItem("Extras", "Selbsttest"), wxNOT_FOUND);
    wxToolBar* tools = m_pFrame->Get_Tool_Bar();
    int notes = tools->GetToolPos(ID_SHOW_NOTES);
    EXPECT_EQ(tools->GetToolByPos(notes + 1)->GetId(), wxID_SEPARATOR);
    EXPECT_EQ(tools->GetToolByPos(notes + 2)->GetId(), ID_SELFTEST);
    EXPECT_EQ(tools->GetToolByPos(notes + 3)->GetId(), wxID_SEPARATOR);
    EXPECT_EQ(tools->FindById(ID_REFLECTIONS), nullptr);
    EXPECT_TRUE(Is_Enabled(ID_SELFTEST));
    wxTEST_DIALOG(Command(ID_SELFTEST), wxExpectAny(wxID_CANCEL));
    Destroy_Frame();

    Write_Ini("DOLOG=0\nTHEMES=kurs/beides.ini\n");
    Make_Frame();
    EXPECT_EQ(m_pFrame->GetMenuBar()->GetMenu(m_pFrame->GetMenuBar()->FindMenu("Extras"))->GetMenuItemCount(), 2u);
    EXPECT_NE(m_pFrame->Get_Tool_Bar()->FindById(ID_REFLECTIONS), nullptr);
    // No theme has a time-out: the reflection aid stays shut all run.
    EXPECT_FALSE(Is_Enabled(ID_REFLECTIONS));
}

TEST_F(Frame, Course_Files_Given_On_The_Command_Line_Replace_The_Usual_Ones)
{
    Write_Ini("DOLOG=0\nTHEMES=kurs/standard.ini\nFONTSIZE=0\n");
    m_Dir.Write("kurs/standard.ini", "[General]\nName=Standardkurs\n[Themes]\nName=R\n");
    m_Dir.Write("anderer/kurs.ini", "[General]\nName=Anderer Kurs\n[Themes]\nName=R\n");
    m_Dir.Write("klasse7/sim_corvena.ini", "DOLOG=0\nTHEMES=themen/teich.ini\nNOTEPADFILE=notizen.txt\n");
    m_Dir.Write("klasse7/themen/teich.ini", "[General]\nName=Teich 7b\n[Themes]\nName=R\n");

    Set_Program_Dir(m_Dir.Path());
    // A theme file replaces THEMES; the rest comes from the usual start file.
    m_pFrame = new CSim_Frame(wxEmptyString, m_Dir.File("anderer/kurs.ini"));
    EXPECT_EQ(m_pFrame->GetTitle(), "Anderer Kurs");
    EXPECT_FALSE(m_pFrame->Is_Logging());
    Destroy_Frame();

    // Another start file is read instead, its names against its own folder.
    m_pFrame = new CSim_Frame(m_Dir.File("klasse7/sim_corvena.ini"));
    EXPECT_EQ(m_pFrame->GetTitle(), "Teich 7b");
    EXPECT_EQ(m_pFrame->Get_Notes_File(), m_Dir.File("klasse7/notizen.txt"));
    Destroy_Frame();

    m_pFrame = new CSim_Frame;
    EXPECT_EQ(m_pFrame->GetTitle(), "Standardkurs");
}

TEST_F(Frame, Commands_Have_Keyboard_Shortcuts_Shown_In_The_Menus)
{
    Write_Ini("DOLOG=0\n");
    wxTEST_DIALOG(Make_Frame(), wxExpectModal<wxFileDialog>("", wxID_CANCEL));
    struct Case { int id; int flags; int key; };
    const Case cases[] = {
        {wxID_EXIT, wxACCEL_CTRL, 'Q'},
        {ID_PREV_THEME, wxACCEL_ALT, WXK_UP},
        {ID_NEXT_THEME, wxACCEL_ALT, WXK_DOWN},
        {ID_BACK, wxACCEL_ALT, WXK_LEFT},
        {ID_FORWARD, wxACCEL_ALT, WXK_RIGHT},
        {ID_NOTES_SAVE, wxACCEL_CTRL, 'S'},
        {ID_FONT_SMALLER, wxACCEL_CTRL, '-'},
        {ID_FONT_LARGER, wxACCEL_CTRL, '+'},
    };
    for (const Case& c : cases)
    {
        wxMenuItem* item = m_pFrame->GetMenuBar()->FindItem(c.id);
        ASSERT_NE(item, nullptr) << c.id;
        wxAcceleratorEntry* accel = item->GetAccel();
        ASSERT_NE(accel, nullptr) << c.id;
        EXPECT_EQ(accel->GetFlags(), c.flags) << c.id;
        EXPECT_EQ(accel->GetKeyCode(), c.key) << c.id;
        delete accel;
    }
}
