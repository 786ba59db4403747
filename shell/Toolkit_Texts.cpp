#include "shell/Toolkit_Texts.h"

#include <wx/translation.h>
#include <wx/version.h>

void Use_German_Toolkit_Texts()
{
    wxTranslations* translations = new wxTranslations;
    // The languages by name, none given for the toolkit's English originals:
    // a language given by its number makes the toolkit build its table of
    // every language first, which a start does not need.
    translations->SetLanguage("de");
    // The catalogue of this toolkit version, else one without a version.
    if (!translations->AddCatalog("wxstd-" wxSTRINGIZE(wxMAJOR_VERSION) "." wxSTRINGIZE(wxMINOR_VERSION),
                                  wxLANGUAGE_UNKNOWN))
        translations->AddCatalog("wxstd", wxLANGUAGE_UNKNOWN);
    wxTranslations::Set(translations);
}
