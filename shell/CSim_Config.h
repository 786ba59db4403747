#pragma once

#include <vector>
#include <wx/string.h>

class wxFileInputStream;
class Ini_Document;
struct Ini_Group;

/// Read-only view of one INI file of a course. Values are taken verbatim;
/// groups and entries enumerate sorted by name, ignoring case; file names
/// resolve against the INI file's own directory. Every read fails without
/// touching the file system while nothing is open.
class CSim_Config
{
public:
    /// Opens the file at path (see Open).
    explicit CSim_Config(const wxString& path = wxEmptyString);
    virtual ~CSim_Config();

    /// Opens the INI file at path; false (and closed) when no readable file
    /// is there. Decodes Windows-1252, or UTF-8 where the file is UTF-8.
    bool Open(const wxString& path);

    /// Forgets the file; the directory stays. Always true.
    bool Close();

    bool Is_Open() const { return m_pConfig != nullptr; }

    /// The INI file's directory with a trailing "/"; empty before any Open.
    const wxString& Get_Directory() const { return m_Directory; }

    /// True if the key exists; the value goes to *value, else it is unchanged.
    bool Read(const wxString& key, wxString* value) const;
    /// As above; *value becomes def when the key is missing.
    bool Read(const wxString& key, wxString* value, const wxString& def) const;
    /// A whole number as flag (non-zero is true); false (flag false) when the
    /// key is missing or not a number.
    bool Read(const wxString& key, bool* value) const;
    /// As above; the flag becomes def on failure.
    bool Read(const wxString& key, bool* value, bool def) const;
    /// A whole number; *value unchanged on failure.
    bool Read(const wxString& key, long* value) const;
    /// As above; *value becomes def on failure.
    bool Read(const wxString& key, long* value, long def) const;

    /// Reads a file name and resolves it against the INI file's directory.
    /// When the key exists *path receives the full path, whether or not the
    /// file exists; the result is true only if it exists.
    bool Read_File(const wxString& key, wxString* path) const;

    /// Resolves a file name in place by the same rule; true if it exists.
    /// A "\" counts as a directory separator (courses written on Windows).
    bool Resolve_File(wxString* path) const;

    /// Changes the current group (relative or absolute path).
    void Set_Path(const wxString& path);
    /// The current group as an absolute path; empty while nothing is open.
    wxString Get_Path() const;

    /// A subgroup or an entry of that name exists in the current group.
    bool Exists(const wxString& name) const;

    bool Get_First_Group(wxString* name, long* cookie) const;
    /// The names of the current group's subgroups, in file order: a list to
    /// walk while the path moves into each of them.
    std::vector<wxString> Get_Group_Names() const;
    bool Get_Next_Group(wxString* name, long* cookie) const;
    bool Get_First_Entry(wxString* name, long* cookie) const;
    bool Get_Next_Entry(wxString* name, long* cookie) const;

private:
    bool Find_Value(const wxString& key, wxString* value) const;

    wxString m_Directory;
    wxFileInputStream* m_pStream;
    Ini_Document* m_pConfig;
    wxString m_Path;
    const Ini_Group* m_pGroup;  // the group at m_Path, or null
};
