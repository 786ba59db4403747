#pragma once

#include <map>
#include <memory>
#include <vector>
#include <wx/string.h>

/// One entry of an INI group: its name as first written and its value.
struct Ini_Entry
{
    wxString Name;
    wxString Value;
};

/// One INI group with its entries and subgroups, both kept in the order the
/// course format promises: sorted by name, ignoring case.
struct Ini_Group
{
    wxString Name;
    std::map<wxString, Ini_Entry> Entries;                  // key: name in lower case
    std::map<wxString, std::unique_ptr<Ini_Group>> Groups;  // key: name in lower case
    std::vector<const Ini_Entry*> Entry_Order;
    std::vector<const Ini_Group*> Group_Order;
};

/// A parsed INI text, read verbatim: no escape sequences, no environment
/// variables. Keys before the first group line belong to the root; a group
/// line [A/B] opens subgroup B of group A; names compare ignoring case; a key
/// given twice keeps its last value.
class Ini_Document
{
public:
    Ini_Document();
    ~Ini_Document();
    Ini_Document(const Ini_Document&) = delete;
    Ini_Document& operator=(const Ini_Document&) = delete;

    /// Parses the text; lines end in LF, CR LF or CR.
    void Parse(const wxString& text);

    const Ini_Group& Root() const { return m_Root; }

    /// The group at an absolute, normalised path ("/" is the root), or null.
    const Ini_Group* Find_Group(const wxString& path) const;

    /// Joins path to the absolute group path current and normalises the
    /// result: "/" separates, empty components and "." are dropped, ".."
    /// climbs (never above the root). The result starts with "/" and has no
    /// trailing "/" except for the root itself.
    static wxString Join_Path(const wxString& current, const wxString& path);

private:
    Ini_Group* Make_Group(const wxString& path);
    static void Finish(Ini_Group& group);

    Ini_Group m_Root;
};
