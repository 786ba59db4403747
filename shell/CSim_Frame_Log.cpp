// The activity log of the main window: what the pupil did, when, and for
// how long, held in memory and written when the window goes.

#include "shell/CSim_Frame.h"

#include "common/Clock.h"
#include "common/Record_File.h"
#include "common/Record_Texts.h"
#include "common/Text_Codec.h"
#include "shell/File_Choice.h"
#include "shell/Session_End.h"
#include "shell/Message_Box.h"

#include <wx/filedlg.h>
#include <wx/msgdlg.h>

namespace
{
    // Log times have whole-second resolution.
    wxDateTime Log_Now()
    {
        wxDateTime now = Clock::Now();
        now.SetMillisecond(0);
        return now;
    }
}

void CSim_Frame::Start_Log()
{
    if (!m_bDoLog)
        return;
    // The log runs in memory even when no file was chosen.
    Ask_Log_File();
    wxDateTime now = Log_Now();
    m_Log = GetTitle() + "\n" + Record_Text(Record_Texts::Log_Title) + "\n" + Record_Text(Record_Texts::Date_Label)
            + now.FormatISODate() + "\n" + Record_Text(Record_Texts::Activity_Columns) + "\n";
    // The file follows every entry, so a crash keeps what was recorded.
    if (!m_Log_File.empty())
        m_Log_Record.Start(m_Log_File, Encode_Windows_1252(m_Log));
    m_Last_Time = now;
    Add_Log_Entry(Record_Text(Record_Texts::Log_Started));
}

void CSim_Frame::Add_Log_Entry(const wxString& text)
{
    if (!m_Last_Time.IsValid())
        return;
    wxDateTime now = Log_Now();
    wxTimeSpan span = now - m_Last_Time;
    m_Last_Time = now;
    wxString line = now.FormatISOTime() + "\t" + span.Format("%H:%M:%S") + "\t" + text + "\n";
    m_Log += line;
    m_Log_Record.Append(Encode_Windows_1252(line));
}

bool CSim_Frame::Choose_Log_File()
{
    if (m_Log_File.empty())
        m_Log_File = Choose_File("Aktivitätsprofil speichern", wxEmptyString, "activity.log", "log",
                                 "Log-Dateien (*.log)|*.log|Alle Dateien|*.*",
                                 wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (!m_Log_File.empty() && Can_Write_File(m_Log_File))
        return true;
    m_Log_File.clear();
    return false;
}

bool CSim_Frame::Ask_Log_File()
{
    while (!Choose_Log_File())
    {
        if (Is_Session_Ending())
            return false;
        if (Message_Box("Soll wirklich kein Aktivitätsprofil erstellt werden ?", GetTitle(),
                         wxYES_NO, this) == wxYES)
            return false;
    }
    return true;
}

bool CSim_Frame::Write_Log()
{
    // Without a file nobody is asked while the session ends by a signal.
    m_Log_Record.Close();
    if (m_Log_File.empty() && (Is_Session_Ending() || !Ask_Log_File()))
        return false;
    return Write_Record_File(m_Log_File, Encode_Windows_1252(m_Log));
}
