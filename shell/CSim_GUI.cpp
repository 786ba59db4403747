#include "shell/CSim_GUI.h"

#include "common/Text_Codec.h"
#include "shell/CSim_Frame.h"
#include "shell/Program_Dir.h"
#include "shell/Session_End.h"

#include <wx/translation.h>

wxIMPLEMENT_APP(CSim_GUI);

CSim_GUI::CSim_GUI() : m_pFrame(nullptr)
{
}

bool CSim_GUI::OnInit()
{
    Use_UTF8_Character_Locale();
    // The interface is German: the toolkit's own texts (message box
    // captions, button labels) come from its German catalogue.
    wxTranslations* translations = new wxTranslations;
    translations->SetLanguage(wxLANGUAGE_GERMAN);
    translations->AddStdCatalog();
    wxTranslations::Set(translations);
    Set_Program_Dir(Find_Executable_Dir());
    Install_Session_End_Handlers();
    m_pFrame = new CSim_Frame;
    return true;
}
