#include "common/Record_File.h"

#include "common/Record_Keeping.h"
#include "common/Text_Codec.h"
#include "simframe/src/Activity_Log.h"

#include "tests/support/Temp_Dir.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

TEST(Record_File, Grows_On_Disk_Entry_By_Entry_And_Replaced_Entries_Go_Last)
{
    Temp_Dir dir;
    dir.Write("log.txt", "old content that is longer than the new record");
    Record_File record;
    ASSERT_TRUE(record.Start(dir.File("log.txt"), "Kopf\n"));
    EXPECT_EQ(dir.Read("log.txt"), "Kopf\n");
    const int one = record.Append("eins\n");
    const int two = record.Append("zwei lang\n");
    EXPECT_EQ(dir.Read("log.txt"), "Kopf\neins\nzwei lang\n");
    record.Replace(two, "z\n");
    EXPECT_EQ(dir.Read("log.txt"), "Kopf\neins\nz\n");
    // An entry that is not the last moves to the end: the file stays in time order.
    record.Replace(one, "eins neu\n");
    record.Replace(two, "zwei sehr lang\n");
    record.Append("drei\n");
    record.Close();
    EXPECT_EQ(dir.Read("log.txt"), "Kopf\neins neu\nzwei sehr lang\ndrei\n");
}

TEST(Record_File, Whole_Writes_Replace_The_File_And_Keep_Its_Mode)
{
    Temp_Dir dir;
    dir.Write("antworten.txt", "alt");
    ASSERT_EQ(chmod(dir.File_Str("antworten.txt").c_str(), 0640), 0);
    EXPECT_TRUE(Write_Record_File(dir.File("antworten.txt"), "neu\n"));
    EXPECT_EQ(dir.Read("antworten.txt"), "neu\n");
    EXPECT_EQ(std::filesystem::status(dir.File_Str("antworten.txt")).permissions(), std::filesystem::perms(0640));
    // A link is written through, not replaced by a file.
    dir.Write("ziel.txt", "");
    ASSERT_EQ(symlink(dir.File_Str("ziel.txt").c_str(), dir.File_Str("verweis.txt").c_str()), 0);
    EXPECT_TRUE(Write_Record_File(dir.File("verweis.txt"), "durch\n"));
    EXPECT_EQ(dir.Read("ziel.txt"), "durch\n");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File_Str("verweis.txt")));
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

TEST(Record_File, Earlier_Runs_Are_Kept_Under_Their_Start)
{
    const std::string sim = Encode_Windows_1252(Activity_Log_Header(wxDateTime(5, wxDateTime::Mar, 2024)));
    const struct { std::string Bytes; const char* Start; } cases[] = {
        {"Kurs\nAufzeichung der Aktivit\xE4ten\nDatum: 2026-12-07\nUhrzeit\tDauer\tAktivtit\xE4t\n"
         "14:16:27\t00:00:00\tAufzeichnung gestartet\n", "2026-12-07 14:16:27"},
        {sim + "10:00:01\tTime\t3\n", "2024-03-05 10:00:01"},
        {sim, ""},
        {"Notizen\n\n\nDatum: 2026-12-07\n10:00:01\tTime\n", ""},  // no date among the first three lines
        {"Datum: 2026-12-07\n10:0a:01\tTime\n", ""},
    };
    for (const auto& c : cases)
    {
        wxDateTime start;
        EXPECT_EQ(Record_Start(c.Bytes, &start) ? start.Format("%Y-%m-%d %H:%M:%S") : "", c.Start) << c.Bytes;
    }
    // A log with only its header is no run; anything else at its place is.
    EXPECT_FALSE(Holds_Activity_Lines(sim));
    EXPECT_TRUE(Holds_Activity_Lines(cases[1].Bytes) && Holds_Activity_Lines("Notizen"));

    // Notes of white space are none; else named by the file's time.
    Temp_Dir dir;
    dir.Write("notizen", " \n\t");
    EXPECT_EQ(Keep_Earlier_Run(dir.File("notizen"), Holds_More_Than_White_Space), "");
    dir.Write("notizen", "Hechte");
    const utimbuf noon = {0, wxDateTime(1, wxDateTime::Jun, 2025, 12, 0, 5).GetTicks()};
    ASSERT_EQ(utime(dir.File_Str("notizen").c_str(), &noon), 0);
    EXPECT_EQ(Keep_Earlier_Run(dir.File("notizen"), Holds_More_Than_White_Space), dir.File("notizen-2025-06-01_12-00-05"));
    EXPECT_EQ(dir.Read("notizen-2025-06-01_12-00-05"), "Hechte");
}
