#include "tests/support/Frame_Fixture.h"

#include "shell/CSim_Frame.h"
#include "shell/Program_Dir.h"
#include "tests/support/Gui_Helpers.h"

#include <wx/app.h>

void Frame_Fixture::TearDown()
{
    Destroy_Frame();
}

void Frame_Fixture::Write_Ini(const std::string& text)
{
    m_Dir.Write("sim_corvena.ini", text);
}

CSim_Frame* Frame_Fixture::Make_Frame()
{
    Set_Program_Dir(m_Dir.Path());
    m_pFrame = new CSim_Frame;
    Process_Events();
    return m_pFrame;
}

void Frame_Fixture::Destroy_Frame()
{
    if (!m_pFrame)
        return;
    if (CSim_Frame::Get_Frame() == m_pFrame && !wxTheApp->IsScheduledForDestruction(m_pFrame))
        m_pFrame->Destroy();
    m_pFrame = nullptr;
    Process_Events();
}

bool Frame_Fixture::Is_Enabled(int id)
{
    wxUpdateUIEvent event(id);
    event.SetEventObject(m_pFrame);
    m_pFrame->ProcessWindowEvent(event);
    return event.GetEnabled();
}

void Frame_Fixture::Command(int id)
{
    wxCommandEvent event(wxEVT_MENU, id);
    event.SetEventObject(m_pFrame);
    m_pFrame->ProcessWindowEvent(event);
}

int Expect_Message::OnInvoked(wxMessageDialog* dialog) const
{
    if (m_pMessage)
        *m_pMessage = dialog->GetMessage();
    if (m_pCaption)
        *m_pCaption = dialog->GetCaption();
    if (m_pStyle)
        *m_pStyle = dialog->GetMessageDialogStyle();
    // The box's style flags answer as the buttons' ids.
    const int ids[][2] = {{wxYES, wxID_YES}, {wxNO, wxID_NO}, {wxCANCEL, wxID_CANCEL}, {wxOK, wxID_OK}};
    for (const auto& id : ids)
        if (m_Answer == id[0])
            return id[1];
    return m_Answer;
}
