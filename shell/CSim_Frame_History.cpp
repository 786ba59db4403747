// The back and forward list of the main window.

#include "shell/CSim_Frame.h"

CSim_Frame::History::History()
    : m_Items(nullptr), m_Position(-1), m_Size(0), m_Capacity(0)
{
}

CSim_Frame::History::~History()
{
    delete[] m_Items;
}

void CSim_Frame::History::Clear()
{
    delete[] m_Items;
    m_Items = nullptr;
    m_Position = -1;
    m_Size = 0;
    m_Capacity = 0;
}

void CSim_Frame::History::Push(const wxTreeItemId& item)
{
    if (m_Position >= 0 && m_Items[m_Position] == item)
        return;
    m_Position++;
    m_Size = m_Position + 1;
    if (m_Size >= m_Capacity)
    {
        // Grows in steps of 16 so that opening items rarely reallocates.
        wxTreeItemId* items = new wxTreeItemId[m_Capacity + 16];
        for (int i = 0; i < m_Position; i++)
            items[i] = m_Items[i];
        delete[] m_Items;
        m_Items = items;
        m_Capacity += 16;
    }
    m_Items[m_Position] = item;
}

wxTreeItemId CSim_Frame::History::Back()
{
    if (m_Position > 0)
        m_Position--;
    return m_Position >= 0 ? m_Items[m_Position] : wxTreeItemId();
}

wxTreeItemId CSim_Frame::History::Forward()
{
    if (m_Position < m_Size - 1)
        m_Position++;
    return m_Position >= 0 ? m_Items[m_Position] : wxTreeItemId();
}
