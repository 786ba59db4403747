#pragma once

#include <string>
#include <sys/types.h>
#include <wx/string.h>

/// Creates the directories above path that do not exist yet, so that a
/// course can send its records to a folder of the pupil's own (such as
/// ~/Sim-Corvena) without anyone making it first. False if that fails.
bool Make_Parent_Directories(const wxString& path);

/// Replaces the file at path with the given bytes in one piece. A regular
/// file is replaced through a temporary file beside it, so a crash leaves
/// either the old or the new content, never half of it. False when the file
/// cannot be written or a write fails (a full disk); nothing is reported.
bool Write_Record_File(const wxString& path, const std::string& bytes);

/// True when a file can be created or emptied at path (mode "w"), after
/// making the directories above it.
bool Can_Write_File(const wxString& path);

/// A record that reaches the disk entry by entry while it grows, so that a
/// crash or a killed process loses at most the entry being written. Each
/// entry costs one short write; nothing already on disk is rewritten, except
/// the last entry when Replace_Last merges into it.
class Record_File
{
public:
    Record_File();
    ~Record_File();
    Record_File(const Record_File&) = delete;
    Record_File& operator=(const Record_File&) = delete;

    /// Creates or empties the file at path and writes bytes (the record's
    /// header). False when the file cannot be written; the record then stays
    /// closed.
    bool Start(const wxString& path, const std::string& bytes);

    /// Appends bytes as the new last entry.
    bool Append(const std::string& bytes);

    /// Overwrites the last entry written by Append with bytes.
    bool Replace_Last(const std::string& bytes);

    /// False once a write failed (the disk is full, the file went away).
    bool Is_Healthy() const { return m_Fd >= 0 && !m_bFailed; }

    void Close();

private:
    bool Write_At(off_t offset, const std::string& bytes);

    int m_Fd;
    off_t m_Size;
    off_t m_Last_Start;
    bool m_bFailed;
};
