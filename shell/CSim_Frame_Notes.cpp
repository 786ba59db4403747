// The notes pad of the main window.

#include "shell/CSim_Frame.h"

#include "common/Record_File.h"
#include "common/Text_Codec.h"
#include "shell/File_Choice.h"
#include "shell/Message_Box.h"

#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>
#include <wx/textctrl.h>

bool CSim_Frame::Notes_Modified() const
{
    return m_pNotes && m_pNotes->IsModified();
}

bool CSim_Frame::Save_Notes_To(const wxString& path)
{
    // Notes are a record like the others: Windows-1252 bytes.
    if (!m_pNotes || !Write_Record_File(path, Encode_Windows_1252(m_pNotes->GetValue())))
        return false;
    m_pNotes->DiscardEdits();
    return true;
}

bool CSim_Frame::Save_Notes()
{
    if (m_pNotes && wxFileName::FileExists(m_Notes_File) && Save_Notes_To(m_Notes_File))
        return true;
    return Save_Notes_As();
}

bool CSim_Frame::Save_Notes_As()
{
    if (!m_pNotes)
        return false;
    wxString path = Choose_File("Notizen speichern", m_Notes_File, "Notizen.txt", "txt",
                                "Textdateien (*.txt)|*.txt|Alle Dateien|*.*",
                                wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (path.empty() || !Save_Notes_To(path))
        return false;
    m_Notes_File = path;
    return true;
}

void CSim_Frame::Clear_Notes()
{
    if (!m_pNotes || m_pNotes->IsEmpty())
        return;
    if (m_pNotes->IsModified())
    {
        int answer = Message_Box("Sollen Änderungen gespeichert werden ?", "Notizen löschen",
                                  wxYES_NO | wxCANCEL | wxICON_QUESTION, this);
        if (answer == wxCANCEL)
            return;
        if (answer == wxYES && !Save_Notes())
            return;
    }
    m_pNotes->SetValue(wxEmptyString);
    // After clearing, saving writes the empty pad.
    m_pNotes->MarkDirty();
}
