#include "shell/Ini_Document.h"

#include <algorithm>

namespace
{
    bool Is_Space(wxUniChar c)
    {
        return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n';
    }

    std::vector<wxString> Split_Path(const wxString& path)
    {
        std::vector<wxString> parts;
        const std::wstring w = path.ToStdWstring();
        for (size_t start = 0; start < w.size();)
        {
            size_t end = w.find(L'/', start);
            if (end == std::wstring::npos)
                end = w.size();
            const std::wstring part = w.substr(start, end - start);
            start = end + 1;
            if (part.empty() || part == L".")
                continue;
            if (part == L"..")
            {
                if (!parts.empty())
                    parts.pop_back();
                continue;
            }
            parts.push_back(part);
        }
        return parts;
    }
}

Ini_Document::Ini_Document()
{
}

Ini_Document::~Ini_Document()
{
    // Deep nesting would otherwise be torn down one stack frame per level.
    std::vector<std::unique_ptr<Ini_Group>> doomed;
    for (auto& child : m_Root.Groups)
        doomed.push_back(std::move(child.second));
    while (!doomed.empty())
    {
        std::unique_ptr<Ini_Group> group = std::move(doomed.back());
        doomed.pop_back();
        for (auto& child : group->Groups)
            doomed.push_back(std::move(child.second));
    }
}

wxString Ini_Document::Join_Path(const wxString& current, const wxString& path)
{
    wxString full = path.StartsWith("/") ? path : current + "/" + path;
    std::vector<wxString> parts = Split_Path(full);
    wxString out;
    for (const wxString& part : parts)
        out << "/" << part;
    return out.empty() ? wxString("/") : out;
}

Ini_Group* Ini_Document::Make_Group(const wxString& path)
{
    Ini_Group* group = &m_Root;
    for (const wxString& part : Split_Path(path))
    {
        std::unique_ptr<Ini_Group>& child = group->Groups[part.Lower()];
        if (!child)
        {
            child.reset(new Ini_Group);
            child->Name = part;
        }
        group = child.get();
    }
    return group;
}

const Ini_Group* Ini_Document::Find_Group(const wxString& path) const
{
    const Ini_Group* group = &m_Root;
    for (const wxString& part : Split_Path(path))
    {
        auto it = group->Groups.find(part.Lower());
        if (it == group->Groups.end())
            return nullptr;
        group = it->second.get();
    }
    return group;
}

void Ini_Document::Finish(Ini_Group& root)
{
    // Without recursion: a group line of a few megabytes can nest groups a
    // million deep, far deeper than the stack.
    std::vector<Ini_Group*> pending(1, &root);
    while (!pending.empty())
    {
        Ini_Group& group = *pending.back();
        pending.pop_back();
        group.Entry_Order.clear();
        group.Group_Order.clear();
        for (auto& entry : group.Entries)
            group.Entry_Order.push_back(&entry.second);
        for (auto& child : group.Groups)
        {
            group.Group_Order.push_back(child.second.get());
            pending.push_back(child.second.get());
        }
    }
}

void Ini_Document::Parse(const wxString& text)
{
    Ini_Group* current = &m_Root;
    const std::wstring w = text.ToStdWstring();
    size_t start = 0;
    while (start < w.size())
    {
        size_t end = start;
        while (end < w.size() && w[end] != L'\n' && w[end] != L'\r')
            end++;
        size_t next = end;
        if (next < w.size())
            next += (w[next] == L'\r' && next + 1 < w.size() && w[next + 1] == L'\n') ? 2 : 1;

        size_t p = start;
        while (p < end && Is_Space(w[p]))
            p++;
        if (p < end && w[p] != L';' && w[p] != L'#')
        {
            // Both searches stay within the line: searching on to the end of
            // the text for every line made a long file without "]" or "="
            // take quadratic time.
            if (w[p] == L'[')
            {
                size_t close = std::find(w.begin() + p + 1, w.begin() + end, L']') - w.begin();
                if (close < end)
                    current = Make_Group(wxString(w.substr(p + 1, close - p - 1)));
            }
            else
            {
                size_t eq = std::find(w.begin() + p, w.begin() + end, L'=') - w.begin();
                if (eq < end)
                {
                    wxString key(w.substr(p, eq - p));
                    key.Trim(true);
                    size_t v = eq + 1;
                    while (v < end && Is_Space(w[v]))
                        v++;
                    if (!key.empty())
                    {
                        Ini_Entry& entry = current->Entries[key.Lower()];
                        if (entry.Name.empty())
                            entry.Name = key;
                        entry.Value = wxString(w.substr(v, end - v));
                    }
                }
            }
        }
        start = next;
    }
    Finish(m_Root);
}
