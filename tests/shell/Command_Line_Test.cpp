#include "shell/Command_Line.h"
#include "shell/Toolkit_Texts.h"

#include "tests/support/Temp_Dir.h"

#include <gtest/gtest.h>
#include <wx/translation.h>

namespace
{
    Command_Line Parse(const std::vector<wxString>& args)
    {
        return Command_Line::Parse(wxArrayString(args.size(), args.data()));
    }
}

TEST(Command_Line, Tells_Start_Files_From_Theme_Files)
{
    Temp_Dir dir;
    // No file, a theme file and "sim_corvena.ini" are the end-to-end test's; a start file is known by its keys.
    dir.Write("b/start.ini", "; Kurs der 7b\nTHEMES=kurs.ini\n");
    dir.Write("b/kurs.ini", "[General]\nName=Teich\n[Themes]\nName=R\n");
    EXPECT_EQ(Parse({dir.File("b/start.ini")}).Start_File, dir.File("b/start.ini"));

    // Relative to the working directory; a missing file is a theme file that the window then asks for.
    In_Directory here(dir.Path());
    EXPECT_EQ(Parse({"b/kurs.ini"}).Theme_File, dir.File("b/kurs.ini"));
    EXPECT_EQ(Parse({"fehlt.ini"}).Theme_File, dir.File("fehlt.ini"));
    EXPECT_EQ(Parse({"--check", "b/start.ini"}).What, Command_Line::Check);
    EXPECT_EQ(Parse({"--check", "b/start.ini"}).Path, dir.File("b/start.ini"));
    EXPECT_EQ(Parse({"b/kurs.ini", "b/start.ini"}).What, Command_Line::Error);
    Command_Line preview = Parse({"--preview", "b/start.ini"});
    EXPECT_TRUE(preview.What == Command_Line::Run && preview.bPreview);
    EXPECT_EQ(preview.Start_File, dir.File("b/start.ini"));
    Command_Line report = Parse({"--report", "--out", "aus", "klasse", "--course", "b/kurs.ini"});
    EXPECT_EQ(report.What, Command_Line::Report);
    EXPECT_EQ(report.Path + "|" + report.Out + "|" + report.Course,
              dir.File("klasse") + "|" + dir.File("aus") + "|" + dir.File("b/kurs.ini"));
    EXPECT_EQ(Parse({"--report"}).What, Command_Line::Report);
    for (const std::vector<wxString>& bad : {std::vector<wxString>{"--report", "a", "b"}, {"--report", "--out"},
                                              {"--report", "--out", "a", "--out", "b"}, {"--report", "--kurs", "a"}})
        EXPECT_EQ(Parse(bad).What, Command_Line::Error) << bad.back();
}

TEST(Toolkit_Texts, Are_German)
{
    Use_German_Toolkit_Texts();
    EXPECT_EQ(wxGetTranslation("Cancel"), "Abbrechen");
    wxTranslations::Set(nullptr);
}
