#include "common/Record_File.h"

#include "tests/support/Temp_Dir.h"

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
    // Shorter and longer replacements of the last entry.
    EXPECT_TRUE(record.Replace_Last("z\n"));
    EXPECT_EQ(dir.Read("log.txt"), "Kopf\neins\nz\n");
    EXPECT_TRUE(record.Replace_Last("zwei sehr lang\n"));
    EXPECT_TRUE(record.Append("drei\n"));
    EXPECT_EQ(dir.Read("log.txt"), "Kopf\neins\nzwei sehr lang\ndrei\n");
    EXPECT_TRUE(record.Is_Healthy());
    record.Close();
    EXPECT_FALSE(record.Append("vier\n"));
    EXPECT_EQ(dir.Read("log.txt"), "Kopf\neins\nzwei sehr lang\ndrei\n");
}

TEST(Record_File, Reports_A_Full_Disk_And_An_Unwritable_Place)
{
    Record_File full;
    EXPECT_FALSE(full.Start("/dev/full", "Kopf\n"));
    EXPECT_FALSE(full.Is_Healthy());
    EXPECT_FALSE(full.Append("eins\n"));

    // Below a file no directory can be made.
    Temp_Dir dir;
    dir.Write("datei", "kein Verzeichnis");
    Record_File nowhere;
    EXPECT_FALSE(nowhere.Start(dir.File("datei/log.txt"), "Kopf\n"));
    EXPECT_FALSE(nowhere.Append("eins\n"));
    EXPECT_FALSE(Can_Write_File(dir.File("datei/unter/log.txt")));
    EXPECT_EQ(dir.Read("datei"), "kein Verzeichnis");

    EXPECT_FALSE(Write_Record_File("/dev/full", "Kopf\n"));
    EXPECT_FALSE(Write_Record_File(dir.File("datei/log.txt"), "Kopf\n"));
    EXPECT_FALSE(Write_Record_File("", "Kopf\n"));
}

TEST(Record_File, Makes_The_Folders_Its_Records_Go_To)
{
    Temp_Dir dir;
    Record_File record;
    ASSERT_TRUE(record.Start(dir.File("Sim-Corvena/logs/sim.log"), "Kopf\n"));
    EXPECT_EQ(dir.Read("Sim-Corvena/logs/sim.log"), "Kopf\n");
    EXPECT_TRUE(Write_Record_File(dir.File("neu/antworten.txt"), "A\n"));
    EXPECT_EQ(dir.Read("neu/antworten.txt"), "A\n");
    EXPECT_TRUE(Can_Write_File(dir.File("auch/neu/aktivitaet.log")));
    EXPECT_TRUE(dir.Exists("auch/neu/aktivitaet.log"));
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
    struct stat link;
    ASSERT_EQ(lstat(dir.File_Str("verweis.txt").c_str(), &link), 0);
    EXPECT_TRUE(S_ISLNK(link.st_mode));

    // No temporary file is left behind.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path_Str()))
        files += entry.path().filename().string().find("XXXXXX") == std::string::npos ? 1 : 100;
    EXPECT_EQ(files, 3);
}

TEST(Record_File, A_Read_Only_File_Is_Not_Replaced)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes past permission bits; the bad-input tests use the immutable attribute";
    Temp_Dir dir;
    dir.Write("gesperrt/antworten.txt", "alt");
    ASSERT_EQ(chmod(dir.File_Str("gesperrt/antworten.txt").c_str(), 0444), 0);
    EXPECT_FALSE(Write_Record_File(dir.File("gesperrt/antworten.txt"), "neu\n"));
    EXPECT_EQ(dir.Read("gesperrt/antworten.txt"), "alt");
}
