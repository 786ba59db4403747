#include "shell/CSim_Config.h"

#include "tests/support/Temp_Dir.h"

#include <chrono>
#include <gtest/gtest.h>
#include <unistd.h>

namespace
{
    std::vector<wxString> Groups(const CSim_Config& config)
    {
        std::vector<wxString> names;
        wxString name;
        long cookie;
        for (bool ok = config.Get_First_Group(&name, &cookie); ok; ok = config.Get_Next_Group(&name, &cookie))
            names.push_back(name);
        return names;
    }

    std::vector<wxString> Entries(const CSim_Config& config)
    {
        std::vector<wxString> names;
        wxString name;
        long cookie;
        for (bool ok = config.Get_First_Entry(&name, &cookie); ok; ok = config.Get_Next_Entry(&name, &cookie))
            names.push_back(name);
        return names;
    }

    // Runs a block with the working directory somewhere unrelated.
    struct In_Directory
    {
        explicit In_Directory(const char* dir)
        {
            if (getcwd(m_Old, sizeof m_Old) && chdir(dir) == 0)
                m_bChanged = true;
        }
        ~In_Directory()
        {
            if (m_bChanged && chdir(m_Old) != 0)
                ADD_FAILURE() << "cannot return to " << m_Old;
        }
        char m_Old[4096];
        bool m_bChanged = false;
    };
}

TEST(Config, Resolves_File_Names_Against_The_Ini_Directory)
{
    Temp_Dir dir;
    dir.Write("P/sim_corvena.ini",
              "THEMES=themen\\a.ini\nLOGFILE=log/neu.log\nUP=../oben.txt\nABS=/etc/hostname\nEMPTY=\n");
    dir.Write("P/themen/a.ini", "");
    dir.Write("oben.txt", "");
    In_Directory elsewhere("/");

    CSim_Config config(dir.File("P/sim_corvena.ini"));
    ASSERT_TRUE(config.Is_Open());
    EXPECT_EQ(config.Get_Directory(), dir.File("P/"));

    wxString path;
    EXPECT_TRUE(config.Read_File("THEMES", &path));
    EXPECT_EQ(path, dir.File("P/themen/a.ini"));

    // A file that does not exist yet still yields its full path.
    EXPECT_FALSE(config.Read_File("LOGFILE", &path));
    EXPECT_EQ(path, dir.File("P/log/neu.log"));

    EXPECT_TRUE(config.Read_File("UP", &path));
    EXPECT_EQ(path, dir.File("oben.txt"));
    EXPECT_TRUE(config.Read_File("ABS", &path));
    EXPECT_EQ(path, "/etc/hostname");

    // A missing key leaves the output alone; an empty one names nothing.
    path = "unchanged";
    EXPECT_FALSE(config.Read_File("MISSING", &path));
    EXPECT_EQ(path, "unchanged");
    EXPECT_FALSE(config.Read_File("EMPTY", &path));
    EXPECT_EQ(path, "");

    // A directory is not a file.
    wxString folder = "themen";
    EXPECT_FALSE(config.Resolve_File(&folder));
    EXPECT_EQ(folder, dir.File("P/themen"));
}

TEST(Config, Opening_A_Relative_Path_Uses_The_Working_Directory)
{
    Temp_Dir dir;
    dir.Write("k/kurs.ini", "Content=seite.htm\n");
    dir.Write("k/seite.htm", "<html></html>");
    In_Directory here(dir.Path_Str().c_str());
    CSim_Config config("k/./kurs.ini");
    ASSERT_TRUE(config.Is_Open());
    EXPECT_EQ(config.Get_Directory(), dir.File("k/"));
    wxString path;
    EXPECT_TRUE(config.Read_File("Content", &path));
    EXPECT_EQ(path, dir.File("k/seite.htm"));
}

TEST(Config, Numbers_And_Flags)
{
    Temp_Dir dir;
    dir.Write("a.ini", "DOLOG=0\nYES=yes\nFONT=-2\nLEAD=   7\nTRAIL=5x\nBIG=99999999999999999999999\nON=12\n");
    CSim_Config config(dir.File("a.ini"));

    long n = 42;
    EXPECT_TRUE(config.Read("FONT", &n));
    EXPECT_EQ(n, -2);
    EXPECT_TRUE(config.Read("LEAD", &n));
    EXPECT_EQ(n, 7);
    n = 42;
    EXPECT_FALSE(config.Read("TRAIL", &n));
    EXPECT_EQ(n, 42);
    EXPECT_FALSE(config.Read("BIG", &n));
    EXPECT_EQ(n, 42);
    EXPECT_FALSE(config.Read("YES", &n, 3));
    EXPECT_EQ(n, 3);

    bool flag = true;
    EXPECT_TRUE(config.Read("DOLOG", &flag, true));
    EXPECT_FALSE(flag);
    EXPECT_TRUE(config.Read("ON", &flag));
    EXPECT_TRUE(flag);
    // Not a number: the default stands (DOLOG=yes stays on).
    EXPECT_FALSE(config.Read("YES", &flag, true));
    EXPECT_TRUE(flag);
    EXPECT_FALSE(config.Read("YES", &flag));
    EXPECT_FALSE(flag);
    EXPECT_FALSE(config.Read("MISSING", &flag, true));
    EXPECT_TRUE(flag);

    wxString text = "old";
    EXPECT_FALSE(config.Read("MISSING", &text));
    EXPECT_EQ(text, "old");
    EXPECT_FALSE(config.Read("MISSING", &text, "Sim-Corvena"));
    EXPECT_EQ(text, "Sim-Corvena");
}

TEST(Config, Groups_And_Entries_Enumerate_By_Name_Ignoring_Case)
{
    Temp_Dir dir;
    dir.Write("t.ini",
              "[Themes]\nName=Root\n"
              "[Themes/b]\nName=B\n"
              "[Themes/A]\nName=A\nzeta=1\nAlpha=2\nbeta=3\n"
              "[Themes/A/Kind]\nName=Kind\n"
              "[Themes/c/Tief]\nName=Tief\n");
    CSim_Config config(dir.File("t.ini"));
    EXPECT_EQ(Groups(config), std::vector<wxString>({"Themes"}));
    config.Set_Path("/Themes");
    EXPECT_EQ(Groups(config), std::vector<wxString>({"A", "b", "c"}));
    EXPECT_EQ(Entries(config), std::vector<wxString>({"Name"}));

    config.Set_Path("A");
    EXPECT_EQ(config.Get_Path(), "/Themes/A");
    EXPECT_EQ(Entries(config), std::vector<wxString>({"Alpha", "beta", "Name", "zeta"}));
    EXPECT_EQ(Groups(config), std::vector<wxString>({"Kind"}));
    EXPECT_TRUE(config.Exists("Kind"));
    EXPECT_TRUE(config.Exists("ALPHA"));
    EXPECT_FALSE(config.Exists("Answers"));

    // Names compare ignoring case, relative and absolute paths both work.
    wxString value;
    EXPECT_TRUE(config.Read("kind/NAME", &value));
    EXPECT_EQ(value, "Kind");
    EXPECT_TRUE(config.Read("/themes/B/name", &value));
    EXPECT_EQ(value, "B");
    EXPECT_TRUE(config.Read("../c/Tief/Name", &value));
    EXPECT_EQ(value, "Tief");

    // A group that does not exist reads nothing and enumerates nothing.
    config.Set_Path("Nirgends");
    EXPECT_EQ(config.Get_Path(), "/Themes/A/Nirgends");
    EXPECT_FALSE(config.Read("Name", &value));
    EXPECT_TRUE(Groups(config).empty());
    config.Set_Path("/");
    EXPECT_EQ(config.Get_Path(), "/");
}

TEST(Config, Values_Are_Taken_Verbatim)
{
    Temp_Dir dir;
    dir.Write("v.ini",
              "; comment\r\n# another\r\n"
              "Pfad = C:\\neu\\tabelle.txt\r\n"
              "Umgebung=$HOME/%PATH%\r\n"
              "Zitat=\"in Anf\xFChrungszeichen\"\r\n"
              "Gleich=a=b=c\r\n"
              "  Eingerueckt  =  Wert mit Leerzeichen  \r\n"
              "Doppelt=erst\r\nDOPPELT=zuletzt\r\n"
              "ohne Gleichheitszeichen\r\n"
              "[kaputt\r\nNachher=1\r\n");
    CSim_Config config(dir.File("v.ini"));
    wxString value;
    EXPECT_TRUE(config.Read("Pfad", &value));
    EXPECT_EQ(value, "C:\\neu\\tabelle.txt");
    EXPECT_TRUE(config.Read("Umgebung", &value));
    EXPECT_EQ(value, "$HOME/%PATH%");
    EXPECT_TRUE(config.Read("Zitat", &value));
    EXPECT_EQ(value, wxString::FromUTF8("\"in Anführungszeichen\""));
    EXPECT_TRUE(config.Read("Gleich", &value));
    EXPECT_EQ(value, "a=b=c");
    EXPECT_TRUE(config.Read("Eingerueckt", &value));
    EXPECT_EQ(value, "Wert mit Leerzeichen  ");
    EXPECT_TRUE(config.Read("doppelt", &value));
    EXPECT_EQ(value, "zuletzt");
    EXPECT_EQ(Entries(config), std::vector<wxString>({"Doppelt", "Eingerueckt", "Gleich", "Nachher", "Pfad", "Umgebung", "Zitat"}));
}

TEST(Config, Decodes_Windows_1252_And_UTF8)
{
    Temp_Dir dir;
    dir.Write("cp.ini", "[General]\nName=Gew\xE4sser \x96 Gr\xF6\xDF" "e\n");
    dir.Write("utf.ini", "[General]\nName=Gew\xC3\xA4sser \xE2\x80\x93 Gr\xC3\xB6\xC3\x9F" "e\n");
    dir.Write("bom.ini", "\xEF\xBB\xBF[General]\nName=Gew\xC3\xA4sser \xE2\x80\x93 Gr\xC3\xB6\xC3\x9F" "e\n");
    const wxString expected = wxString::FromUTF8("Gewässer – Größe");
    for (const char* file : {"cp.ini", "utf.ini", "bom.ini"})
    {
        CSim_Config config(dir.File(file));
        wxString name;
        EXPECT_TRUE(config.Read("/General/Name", &name)) << file;
        EXPECT_EQ(name, expected) << file;
    }
}

TEST(Config, Nothing_Open_Means_Every_Read_Fails)
{
    Temp_Dir dir;
    dir.Make_Dir("ordner.ini");
    for (wxString path : {wxString(), dir.File("fehlt.ini"), dir.File("ordner.ini")})
    {
        CSim_Config config(path);
        EXPECT_FALSE(config.Is_Open());
        wxString text = "x";
        long n = 5;
        bool flag = true;
        EXPECT_FALSE(config.Read("A", &text));
        EXPECT_EQ(text, "x");
        EXPECT_FALSE(config.Read("A", &n));
        EXPECT_EQ(n, 5);
        EXPECT_FALSE(config.Read("A", &flag, true));
        EXPECT_TRUE(flag);
        EXPECT_FALSE(config.Read_File("A", &text));
        EXPECT_EQ(config.Get_Path(), "");
        config.Set_Path("/Themes");
        EXPECT_EQ(config.Get_Path(), "");
        EXPECT_FALSE(config.Exists("A"));
        EXPECT_TRUE(Groups(config).empty());
        EXPECT_TRUE(Entries(config).empty());
    }
}

TEST(Config, Reopening_Closes_First_And_Keeps_The_Directory_After_Close)
{
    Temp_Dir dir;
    dir.Write("a/eins.ini", "X=1\n");
    CSim_Config config(dir.File("a/eins.ini"));
    wxString value;
    EXPECT_TRUE(config.Read("X", &value));
    EXPECT_FALSE(config.Open(dir.File("a/fehlt.ini")));
    EXPECT_FALSE(config.Read("X", &value));
    EXPECT_TRUE(config.Open(dir.File("a/eins.ini")));
    EXPECT_TRUE(config.Close());
    EXPECT_EQ(config.Get_Directory(), dir.File("a/"));
    EXPECT_FALSE(config.Read("X", &value));
}

TEST(Config, Survives_Binary_Garbage)
{
    Temp_Dir dir;
    std::string garbage;
    unsigned seed = 12345;
    for (int i = 0; i < 200000; i++)
    {
        seed = seed * 1103515245 + 12345;
        garbage.push_back(char(seed >> 16));
    }
    garbage += "\n[Themes]\nName=Nach dem M\xFCll\n";
    dir.Write("m.ini", garbage);
    CSim_Config config(dir.File("m.ini"));
    ASSERT_TRUE(config.Is_Open());
    wxString name;
    EXPECT_TRUE(config.Read("/Themes/Name", &name));
    EXPECT_EQ(name, wxString::FromUTF8("Nach dem Müll"));
}

TEST(Config, Long_Files_Of_Lines_Without_Equals_Or_Bracket_Read_At_Once)
{
    // Each such line was once searched on to the end of the file: two
    // megabytes of text took minutes.
    Temp_Dir dir;
    std::string text = "DOLOG=0\n";
    while (text.size() < (2u << 20))
        text += "Der Hecht lauert im Schilf\n[Notiz ohne Ende\n";
    text += "[Themes]\nName=Zuletzt\n";
    dir.Write("lang.ini", text);
    const auto start = std::chrono::steady_clock::now();
    CSim_Config config(dir.File("lang.ini"));
    wxString name;
    EXPECT_TRUE(config.Read("/Themes/Name", &name));
    EXPECT_EQ(name, "Zuletzt");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

TEST(Config, Groups_Nested_Half_A_Million_Deep_Are_Read_And_Released)
{
    // Reading and releasing them once went one stack frame per level.
    Temp_Dir dir;
    std::string text = "[";
    for (int i = 0; i < 500000; i++)
        text += "a/";
    text += "]\nTief=1\n[Themes]\nName=Flach\n";
    dir.Write("tief.ini", text);
    {
        CSim_Config config(dir.File("tief.ini"));
        wxString name;
        EXPECT_TRUE(config.Read("/Themes/Name", &name));
        EXPECT_EQ(name, "Flach");
        EXPECT_EQ(Groups(config), std::vector<wxString>({"a", "Themes"}));
    }
}
