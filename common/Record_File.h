#pragma once

#include <string>
#include <vector>
#include <wx/string.h>

/// Creates the directories above path that do not exist yet, so that a
/// course can send its records to a folder of the pupil's own (such as
/// ~/Sim-Corvena) without anyone making it first. False if that fails.
bool Make_Parent_Directories(const wxString& path);

/// Replaces the file at path with the given bytes in one piece. A regular
/// file is replaced through a temporary file beside it, so a crash leaves
/// either the old or the new content, never half of it. False when the file
/// cannot be written or a write fails (a full disk); the file then stays as
/// it was. Nothing is reported.
bool Write_Record_File(const wxString& path, const std::string& bytes);

/// True when a file can be written at path: a missing one is created (after
/// making the directories above it), an existing one is opened but never
/// emptied.
bool Can_Write_File(const wxString& path);

/// The question a save dialog asks before its choice replaces a file.
wxString Replace_Question(const wxString& path);

/// A record held in memory and mirrored on disk entry by entry while it
/// grows, so that a crash or a killed process loses at most the entry being
/// written. Each entry costs one short write. A write the disk refuses (it is
/// full, the folder went away) changes nothing on it; the record stays
/// whole in memory and every later change, and Flush, tries again to bring
/// the file up to date. Whether the file could be written is reported to
/// Record_Trouble.
class Record_File
{
public:
    Record_File() = default;
    ~Record_File();
    Record_File(const Record_File&) = delete;
    Record_File& operator=(const Record_File&) = delete;

    /// Starts the record for path with header as its first bytes; the file
    /// is to hold just that (it is created, or what it held is replaced).
    /// True when the disk took it.
    bool Start(const wxString& path, const std::string& header);

    /// Appends bytes as a new entry and returns the entry's number.
    int Append(const std::string& bytes);

    /// Gives an entry new bytes: in its place when it is the last one,
    /// otherwise it moves to the end, so that the file stays in time order.
    void Replace(int entry, const std::string& bytes);

    /// Writes what the file still lacks; true when it holds the whole record.
    bool Flush();

    bool Is_Open() const { return !m_Path.empty(); }
    const wxString& Get_Path() const { return m_Path; }
    const std::string& Get_Bytes() const { return m_Bytes; }

    /// Ends the record; the file keeps what it holds.
    void Close();

private:
    bool Sync();

    struct Entry
    {
        int Number;
        size_t Offset;
    };
    wxString m_Path;
    std::string m_Bytes;
    std::vector<Entry> m_Entries;  // in file order, after the header
    int m_Next_Entry = 0;
    size_t m_Written = 0;  // leading bytes the file is known to hold
    int m_Fd = -1;
};
