#include "shell/CSim_Config.h"

#include "tests/support/Temp_Dir.h"

#include <gtest/gtest.h>

namespace
{
    // The names of the groups (or entries) at the current path, in enumeration order.
    std::vector<wxString> Names(const CSim_Config& config, bool groups = true)
    {
        std::vector<wxString> names;
        wxString name;
        long cookie;
        for (bool ok = groups ? config.Get_First_Group(&name, &cookie) : config.Get_First_Entry(&name, &cookie); ok;
             ok = groups ? config.Get_Next_Group(&name, &cookie) : config.Get_Next_Entry(&name, &cookie))
            names.push_back(name);
        return names;
    }

    wxString Value(const CSim_Config& config, const wxString& key)
    {
        wxString value = "(fehlt)";
        config.Read(key, &value);
        return value;
    }
}

TEST(Config, Resolves_File_Names_Against_The_Ini_Directory_Whatever_The_Working_Directory)
{
    Temp_Dir dir;
    dir.Write("P/sim_corvena.ini",
              "THEMES=themen\\a.ini\nLOGFILE=log/neu.log\nUP=../oben.txt\nABS=/etc/hostname\nEMPTY=\nDIR=themen\n");
    dir.Write("P/themen/a.ini", "");
    dir.Write("oben.txt", "");
    // Opened by a relative name, then read from somewhere unrelated.
    In_Directory there(dir.Path());
    CSim_Config config("P/./sim_corvena.ini");
    In_Directory elsewhere("/");
    ASSERT_TRUE(config.Is_Open());
    EXPECT_EQ(config.Get_Directory(), dir.File("P/"));

    struct Case { const char* key; bool exists; wxString path; };
    // A file not there yet has its full path all the same; a directory is no file.
    const Case cases[] = {{"THEMES", true, dir.File("P/themen/a.ini")}, {"LOGFILE", false, dir.File("P/log/neu.log")},
                          {"UP", true, dir.File("oben.txt")},           {"ABS", true, "/etc/hostname"},
                          {"DIR", false, dir.File("P/themen")},         {"EMPTY", false, ""},
                          {"MISSING", false, "unchanged"}};
    for (const Case& c : cases)
    {
        wxString path = "unchanged";
        EXPECT_EQ(config.Read_File(c.key, &path), c.exists) << c.key;
        EXPECT_EQ(path, c.path) << c.key;
    }
}

TEST(Config, Numbers_That_Are_None_Count_As_Missing)
{
    Temp_Dir dir;
    dir.Write("a.ini", "DOLOG=0\nYES=yes\nFONT=-2\nLEAD=   7\nTRAIL=5x\nBIG=99999999999999999999999\nON=12\n");
    CSim_Config config(dir.File("a.ini"));
    struct Case { const char* key; bool found; long number; bool flag; };
    const Case cases[] = {{"FONT", true, -2, true},  {"LEAD", true, 7, true},   {"TRAIL", false, 3, true},
                          {"BIG", false, 3, true},   {"YES", false, 3, true},   {"MISSING", false, 3, true},
                          {"DOLOG", true, 0, false}, {"ON", true, 12, true}};
    for (const Case& c : cases)
    {
        long n = 42, m = 42;
        bool flag = false;
        EXPECT_EQ(config.Read(c.key, &n, 3), c.found) << c.key;
        EXPECT_EQ(config.Read(c.key, &m), c.found) << c.key;
        EXPECT_EQ(config.Read(c.key, &flag, true), c.found) << c.key;
        EXPECT_EQ(n, c.number) << c.key;
        EXPECT_EQ(m, c.found ? c.number : 42) << c.key;
        EXPECT_EQ(flag, c.flag) << c.key;
    }
}

TEST(Config, Groups_And_Entries_Enumerate_By_Name_Ignoring_Case)
{
    Temp_Dir dir;
    dir.Write("t.ini", "[Themes]\nName=Root\n[Themes/b]\nName=B\n[Themes/A]\nName=A\nzeta=1\nAlpha=2\nbeta=3\n"
                       "[Themes/A/Kind]\nName=Kind\n[Themes/c/Tief]\nName=Tief\n");
    CSim_Config config(dir.File("t.ini"));
    EXPECT_EQ(Names(config), std::vector<wxString>({"Themes"}));
    config.Set_Path("/Themes");
    EXPECT_EQ(Names(config), std::vector<wxString>({"A", "b", "c"}));
    config.Set_Path("A");
    EXPECT_EQ(config.Get_Path(), "/Themes/A");
    EXPECT_EQ(Names(config, false), std::vector<wxString>({"Alpha", "beta", "Name", "zeta"}));
    EXPECT_TRUE(config.Exists("Kind") && config.Exists("ALPHA"));
    // Relative and absolute paths, in any case.
    EXPECT_EQ(Value(config, "kind/NAME"), "Kind");
    EXPECT_EQ(Value(config, "/themes/B/name"), "B");
    EXPECT_EQ(Value(config, "../c/Tief/Name"), "Tief");
}

TEST(Config, Values_Are_Taken_Verbatim)
{
    Temp_Dir dir;
    dir.Write("v.ini", "; Pfad=alt\r\n# Pfad=auch alt\r\nPfad = C:\\neu\\tabelle.txt\r\nUmgebung=$HOME/%PATH%\r\n"
                       "Zitat=\"in Anf\xFChrungszeichen\"\r\nGleich=a=b=c\r\n  Eingerueckt  =  Wert  \r\n"
                       "Doppelt=erst\r\nDOPPELT=zuletzt\r\nohne Gleichheitszeichen\r\n[kaputt\r\nNachher=1\r\n");
    CSim_Config config(dir.File("v.ini"));
    const std::pair<const char*, wxString> cases[] = {
        {"Pfad", "C:\\neu\\tabelle.txt"}, {"Umgebung", "$HOME/%PATH%"},
        {"Zitat", wxString::FromUTF8("\"in Anführungszeichen\"")}, {"Gleich", "a=b=c"},
        {"Eingerueckt", "Wert  "}, {"doppelt", "zuletzt"}};
    for (const auto& c : cases)
        EXPECT_EQ(Value(config, c.first), c.second) << c.first;
    EXPECT_EQ(Names(config, false),
              std::vector<wxString>({"Doppelt", "Eingerueckt", "Gleich", "Nachher", "Pfad", "Umgebung", "Zitat"}));
}

TEST(Config, Groups_Nested_Half_A_Million_Deep_Are_Read_And_Released)
{
    // Each level once took a stack frame to read and to release.
    Temp_Dir dir;
    std::string text = "[";
    for (int i = 0; i < 500000; i++)
        text += "a/";
    dir.Write("tief.ini", text + "]\nTief=1\n[Themes]\nName=Flach\n");
    CSim_Config config(dir.File("tief.ini"));
    EXPECT_EQ(Names(config), std::vector<wxString>({"a", "Themes"}));
}
