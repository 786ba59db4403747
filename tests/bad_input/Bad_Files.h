#pragma once

// The bad files of the bad-input tests: every way a course file can be
// wrong at the place where the course names it, and the places where a
// record cannot be written. Each maker checks that what it made really
// behaves as claimed on this machine; permission bits do not stop root, so
// as root other means are used.

#include "tests/support/Temp_Dir.h"

#include <string>
#include <vector>

/// The ways a file the program reads can be wrong.
enum class Bad_Read
{
    Missing,     ///< nothing at the path
    Empty,       ///< a file of no bytes
    Binary,      ///< 64 KiB of arbitrary bytes, all 256 values among them
    Huge,        ///< about 10 MB: the kind's own content padded to that size
    Directory,   ///< a directory where the file should be
    Unreadable,  ///< a file that opens, or exists, but cannot be read
    Truncated,   ///< a valid file cut off in the middle of an entry
};

const std::vector<Bad_Read>& All_Bad_Reads();
const char* Name_Of(Bad_Read kind);

/// What a file of one kind holds when it is big or cut off.
struct Bad_Content
{
    std::string Huge;       ///< the bytes of the Huge case
    std::string Truncated;  ///< the bytes of the Truncated case
};

/// 10 MB of lines a reader of that kind has to go through: valid content
/// first, then filler (text without the kind's markup), so that what is
/// read stays small while the file is big.
std::string Padded_To_10_MB(const std::string& content, const std::string& filler_line);

/// 64 KiB of fixed pseudo-random bytes.
const std::string& Binary_Bytes();

/// Puts the bad file of kind at dir/relative. False with the reason in *why
/// when that kind cannot be made on this machine.
bool Make_Bad_File(const Temp_Dir& dir, const std::string& relative, Bad_Read kind,
                   const Bad_Content& content, std::string* why);

/// The ways a place the program writes a record to can be unusable.
enum class Bad_Write
{
    Unwritable_Directory,  ///< the record's directory takes no new files
    Read_Only_File,        ///< the record exists and cannot be written
    Full_Disk,             ///< every write fails for want of space
};

const std::vector<Bad_Write>& All_Bad_Writes();
const char* Name_Of(Bad_Write kind);

/// Makes dir/relative an unusable place for a record of that kind and keeps
/// it so until the object goes. A read-only file holds old_content.
class Bad_Record_Place
{
public:
    Bad_Record_Place(const Temp_Dir& dir, const std::string& relative, Bad_Write kind,
                     const std::string& old_content = "alt\n");
    ~Bad_Record_Place();
    Bad_Record_Place(const Bad_Record_Place&) = delete;
    Bad_Record_Place& operator=(const Bad_Record_Place&) = delete;

    /// False when the kind cannot be made here; Why() tells why.
    bool Ok() const { return m_Why.empty(); }
    const std::string& Why() const { return m_Why; }

private:
    std::vector<std::string> m_Immutable;  // cleared again in the destructor
    std::vector<std::string> m_Links;      // removed in the destructor, so that
                                           // nothing reaches their targets
    std::string m_Why;
};
