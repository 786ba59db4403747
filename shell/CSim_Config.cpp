#include "shell/CSim_Config.h"

#include "common/Text_Codec.h"
#include "shell/Ini_Document.h"

#include <string>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/wfstream.h>

namespace
{
    const int NORMALISE = wxPATH_NORM_DOTS | wxPATH_NORM_TILDE | wxPATH_NORM_ABSOLUTE;
}

CSim_Config::CSim_Config(const wxString& path)
    : m_pStream(nullptr), m_pConfig(nullptr), m_pGroup(nullptr)
{
    Open(path);
}

CSim_Config::~CSim_Config()
{
    Close();
}

bool CSim_Config::Open(const wxString& path)
{
    Close();
    if (path.empty() || !wxFileName::FileExists(path))
        return false;

    wxFileName name(path);
    name.Normalize(NORMALISE);
    m_Directory = name.GetPath(wxPATH_GET_VOLUME | wxPATH_GET_SEPARATOR);

    // A file that cannot be read is no error to show: the caller falls
    // back to its defaults. The toolkit's stream would report it in a box.
    wxLogNull quiet;
    m_pStream = new wxFileInputStream(name.GetFullPath());
    if (!m_pStream->IsOk())
    {
        Close();
        return false;
    }

    std::string bytes;
    char buffer[65536];
    while (!m_pStream->Eof())
    {
        m_pStream->Read(buffer, sizeof buffer);
        size_t got = m_pStream->LastRead();
        if (got == 0)
            break;
        bytes.append(buffer, got);
    }
    if (m_pStream->GetLastError() == wxSTREAM_READ_ERROR)
    {
        Close();
        return false;
    }

    m_pConfig = new Ini_Document;
    m_pConfig->Parse(Decode_Course_Text(bytes));
    m_Path = "/";
    m_pGroup = &m_pConfig->Root();
    return true;
}

bool CSim_Config::Close()
{
    delete m_pConfig;
    m_pConfig = nullptr;
    delete m_pStream;
    m_pStream = nullptr;
    m_Path.clear();
    m_pGroup = nullptr;
    return true;
}

bool CSim_Config::Find_Value(const wxString& key, wxString* value) const
{
    if (!m_pConfig || key.empty())
        return false;
    // Most keys name an entry of the current group: a theme file of many
    // themes is read by thousands of them.
    const bool plain = !key.Contains("/") && key != "." && key != "..";
    wxString full = plain ? wxString() : Ini_Document::Join_Path(m_Path, key);
    if (!plain && (key.EndsWith("/") || full == "/"))
        return false;
    wxString group_path = full.BeforeLast('/');
    wxString entry_name = plain ? key : full.AfterLast('/');
    const Ini_Group* group =
        plain ? m_pGroup : m_pConfig->Find_Group(group_path.empty() ? wxString("/") : group_path);
    if (!group)
        return false;
    auto it = group->Entries.find(entry_name.Lower());
    if (it == group->Entries.end())
        return false;
    *value = it->second.Value;
    return true;
}

bool CSim_Config::Read(const wxString& key, wxString* value) const
{
    return Find_Value(key, value);
}

bool CSim_Config::Read(const wxString& key, wxString* value, const wxString& def) const
{
    if (Find_Value(key, value))
        return true;
    *value = def;
    return false;
}

bool CSim_Config::Read(const wxString& key, bool* value) const
{
    long number;
    if (Read(key, &number))
    {
        *value = number != 0;
        return true;
    }
    *value = false;
    return false;
}

bool CSim_Config::Read(const wxString& key, bool* value, bool def) const
{
    long number;
    if (Read(key, &number))
    {
        *value = number != 0;
        return true;
    }
    *value = def;
    return false;
}

bool CSim_Config::Read(const wxString& key, long* value) const
{
    wxString text;
    long number;
    if (!Find_Value(key, &text) || !text.ToLong(&number, 10))
        return false;
    *value = number;
    return true;
}

bool CSim_Config::Read(const wxString& key, long* value, long def) const
{
    if (Read(key, value))
        return true;
    *value = def;
    return false;
}

bool CSim_Config::Read_File(const wxString& key, wxString* path) const
{
    wxString value;
    if (!Read(key, &value))
        return false;
    bool exists = Resolve_File(&value);
    *path = value;
    return exists;
}

bool CSim_Config::Resolve_File(wxString* path) const
{
    if (path->empty())
        return false;
    wxString native = *path;
    native.Replace("\\", "/");
    wxFileName name(native);
    name.Normalize(NORMALISE, m_Directory);
    *path = name.GetFullPath();
    return wxFileName::FileExists(*path);
}

void CSim_Config::Set_Path(const wxString& path)
{
    if (!m_pConfig)
        return;
    m_Path = Ini_Document::Join_Path(m_Path, path);
    m_pGroup = m_pConfig->Find_Group(m_Path);
}

wxString CSim_Config::Get_Path() const
{
    return m_pConfig ? m_Path : wxString();
}

bool CSim_Config::Exists(const wxString& name) const
{
    if (!m_pConfig || name.empty())
        return false;
    if (m_pConfig->Find_Group(Ini_Document::Join_Path(m_Path, name)))
        return true;
    wxString value;
    return Find_Value(name, &value);
}

bool CSim_Config::Get_First_Group(wxString* name, long* cookie) const
{
    *cookie = 0;
    return Get_Next_Group(name, cookie);
}

std::vector<wxString> CSim_Config::Get_Group_Names() const
{
    std::vector<wxString> names;
    wxString name;
    long cookie;
    for (bool more = Get_First_Group(&name, &cookie); more; more = Get_Next_Group(&name, &cookie))
        names.push_back(name);
    return names;
}

bool CSim_Config::Get_Next_Group(wxString* name, long* cookie) const
{
    const Ini_Group* group = m_pGroup;
    if (!group || *cookie < 0 || size_t(*cookie) >= group->Group_Order.size())
        return false;
    *name = group->Group_Order[*cookie]->Name;
    ++*cookie;
    return true;
}

bool CSim_Config::Get_First_Entry(wxString* name, long* cookie) const
{
    *cookie = 0;
    return Get_Next_Entry(name, cookie);
}

bool CSim_Config::Get_Next_Entry(wxString* name, long* cookie) const
{
    const Ini_Group* group = m_pGroup;
    if (!group || *cookie < 0 || size_t(*cookie) >= group->Entry_Order.size())
        return false;
    *name = group->Entry_Order[*cookie]->Name;
    ++*cookie;
    return true;
}
