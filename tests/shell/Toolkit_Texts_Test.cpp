#include "shell/Toolkit_Texts.h"

#include <gtest/gtest.h>
#include <wx/translation.h>

TEST(Toolkit_Texts, Are_German)
{
    Use_German_Toolkit_Texts();
    EXPECT_EQ(wxGetTranslation("Cancel"), "Abbrechen");
    wxTranslations::Set(nullptr);
}
