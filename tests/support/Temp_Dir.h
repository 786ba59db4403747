#pragma once

#include <string>
#include <wx/filefn.h>
#include <wx/string.h>

/// A fresh directory below /tmp for one test, removed with everything in it
/// when the object goes. Files are given as relative paths and raw bytes.
class Temp_Dir
{
public:
    Temp_Dir();
    ~Temp_Dir();
    Temp_Dir(const Temp_Dir&) = delete;
    Temp_Dir& operator=(const Temp_Dir&) = delete;

    /// The directory, with a trailing "/".
    wxString Path() const { return m_Path; }
    std::string Path_Str() const { return std::string(m_Path.utf8_str()); }

    /// The full path of a file in the directory.
    wxString File(const wxString& relative) const { return m_Path + relative; }
    std::string File_Str(const wxString& relative) const { return std::string(File(relative).utf8_str()); }

    /// Writes bytes to a file, creating the directories above it.
    void Write(const wxString& relative, const std::string& bytes) const;

    /// Creates a directory (with its parents).
    void Make_Dir(const wxString& relative) const;

    /// The bytes of a file; empty when it does not exist.
    std::string Read(const wxString& relative) const;

    bool Exists(const wxString& relative) const;

private:
    wxString m_Path;
};

/// Runs the rest of a block with another working directory.
struct In_Directory
{
    explicit In_Directory(const wxString& dir) : Old(wxGetCwd()) { wxSetWorkingDirectory(dir); }
    ~In_Directory() { wxSetWorkingDirectory(Old); }
    wxString Old;
};

/// A small file system of its own (a tmpfs, which only root may mount) at a
/// folder of a Temp_Dir, which Fill() fills to its last byte and Free()
/// empties again.
class Small_Disk
{
public:
    Small_Disk(const Temp_Dir& dir, const wxString& relative);
    ~Small_Disk();
    bool Ok() const { return m_bMounted; }
    void Fill();
    void Free();

private:
    std::string m_Path;
    bool m_bMounted = false;
};
