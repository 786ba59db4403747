#include "common/Record_Trouble.h"

#include <algorithm>
#include <cstdio>

Record_Trouble& Record_Trouble::Get()
{
    // Never destroyed: records are written late at exit too.
    static Record_Trouble& s_Trouble = *new Record_Trouble;
    return s_Trouble;
}

wxString Record_Trouble::Text(const wxString& path)
{
    return "Aufzeichnung kann nicht gespeichert werden: " + path;
}

void Record_Trouble::Report(const wxString& path, bool written)
{
    if (m_Handler)
    {
        m_Handler(path, written);
        return;
    }
    auto it = std::find(m_Failing.begin(), m_Failing.end(), path);
    if (written == (it == m_Failing.end()))
        return;
    if (written)
        m_Failing.erase(it);
    else
    {
        m_Failing.push_back(path);
        fprintf(stderr, "%s\n", Text(path).utf8_str().data());
    }
    if (m_Listener)
        m_Listener();
}

void Record_Trouble::Forget(const wxString& path)
{
    // Nothing will try it again, so it no longer counts as failing.
    Report(path, true);
}

wxString Record_Trouble::Get_Text() const
{
    wxString paths;
    for (const wxString& path : m_Failing)
        paths += (paths.empty() ? "" : ", ") + path;
    return paths.empty() ? paths : Text(paths);
}

void Record_Trouble::Set_Listener(const std::function<void()>& listener)
{
    m_Listener = listener;
}

void Record_Trouble::Set_Handler(const std::function<void(const wxString&, bool)>& handler)
{
    m_Handler = handler;
}
