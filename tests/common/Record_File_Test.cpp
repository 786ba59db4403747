#include "common/Record_File.h"

#include "tests/support/Temp_Dir.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

TEST(Record_File, Grows_On_Disk_Entry_By_Entry_And_Merges_Into_The_Last)
{
    Temp_Dir dir;
    dir.Write("log.txt", "old content that is longer than the new record");
    Record_File record;
    ASSERT_TRUE(record.Start(dir.File("log.txt"), "Kopf\n"));
    EXPECT_EQ(dir.Read("log.txt"), "Kopf\n");
    EXPECT_TRUE(record.Append("eins\n"));
    EXPECT_TRUE(record.Append("zwei lang\n"));
    EXPECT_EQ(dir.Read("log.txt"), "Kopf\neins\nzwei lang\n");
    EXPECT_TRUE(record.Replace_Last("z\n"));
    EXPECT_EQ(dir.Read("log.txt"), "Kopf\neins\nz\n");
    EXPECT_TRUE(record.Replace_Last("zwei sehr lang\n"));
    EXPECT_TRUE(record.Append("drei\n"));
    record.Close();
    EXPECT_FALSE(record.Append("vier\n"));
    EXPECT_EQ(dir.Read("log.txt"), "Kopf\neins\nzwei sehr lang\ndrei\n");
}

TEST(Record_File, Makes_Missing_Folders_And_Fails_On_A_Full_Disk_Or_Below_A_File)
{
    Temp_Dir dir;
    Record_File record;
    ASSERT_TRUE(record.Start(dir.File("Sim-Corvena/logs/sim.log"), "Kopf\n"));
    EXPECT_EQ(dir.Read("Sim-Corvena/logs/sim.log"), "Kopf\n");
    EXPECT_TRUE(Write_Record_File(dir.File("neu/antworten.txt"), "A\n"));
    EXPECT_EQ(dir.Read("neu/antworten.txt"), "A\n");
    dir.Write("datei", "kein Verzeichnis");
    EXPECT_FALSE(record.Start(dir.File("datei/log.txt"), "Kopf\n"));
    EXPECT_FALSE(record.Append("eins\n"));
    EXPECT_FALSE(record.Start("/dev/full", "Kopf\n") || record.Is_Healthy());
    for (const wxString& path : {wxString("/dev/full"), wxString(), dir.File("datei/log.txt")})
        EXPECT_FALSE(Write_Record_File(path, "Kopf\n")) << path;
    EXPECT_EQ(dir.Read("datei"), "kein Verzeichnis");
}

TEST(Record_File, Whole_Writes_Replace_The_File_And_Keep_Its_Mode)
{
    Temp_Dir dir;
    dir.Write("antworten.txt", "alt");
    ASSERT_EQ(chmod(dir.File_Str("antworten.txt").c_str(), 0640), 0);
    EXPECT_TRUE(Write_Record_File(dir.File("antworten.txt"), "neu\n"));
    EXPECT_EQ(dir.Read("antworten.txt"), "neu\n");
    struct stat st;
    ASSERT_EQ(stat(dir.File_Str("antworten.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    // A link is written through, not replaced by a file.
    dir.Write("ziel.txt", "");
    ASSERT_EQ(symlink(dir.File_Str("ziel.txt").c_str(), dir.File_Str("verweis.txt").c_str()), 0);
    EXPECT_TRUE(Write_Record_File(dir.File("verweis.txt"), "durch\n"));
    EXPECT_EQ(dir.Read("ziel.txt"), "durch\n");
    ASSERT_EQ(lstat(dir.File_Str("verweis.txt").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path_Str()), {}), 3);
}

TEST(Record_File, A_Read_Only_File_Is_Not_Replaced)
{
    Temp_Dir dir;
    dir.Write("antworten.txt", "alt");
    const std::string file = dir.File_Str("antworten.txt");
    ASSERT_EQ(chmod(file.c_str(), 0444), 0);
    // Root writes past permission bits, not past the immutable attribute.
    auto chattr = [&](const std::string& op) { return std::system(("chattr " + op + " " + file).c_str()); };
    if (geteuid() == 0 && chattr("+i") != 0)
        GTEST_SKIP() << "root writes past any lock on this file system";
    EXPECT_FALSE(Write_Record_File(dir.File("antworten.txt"), "neu\n"));
    EXPECT_EQ(dir.Read("antworten.txt"), "alt");
    if (geteuid() == 0)
    {
        EXPECT_EQ(chattr("-i"), 0);
    }
}
