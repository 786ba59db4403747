#pragma once

#include <functional>
#include <vector>
#include <wx/string.h>

/// Which records cannot be written just now, so that the pupil's program
/// can say so without interrupting: the first failure of a record prints one
/// line on standard error, and a listener (the main window's status bar)
/// hears every change. Each program and library has its own; a library
/// hands its reports to the program that loaded it (Set_Handler).
class Record_Trouble
{
public:
    /// The one of this program or library.
    static Record_Trouble& Get();

    /// The line about one record, as standard error and the status bar show it.
    static wxString Text(const wxString& path);

    /// Notes whether the record at path was written just now.
    void Report(const wxString& path, bool written);

    /// Drops a record whose owner has ended.
    void Forget(const wxString& path);

    /// The text about every record that cannot be written, or empty.
    wxString Get_Text() const;

    /// Called after every change of Get_Text; an empty function stops it.
    void Set_Listener(const std::function<void()>& listener);

    /// Hands every report to handler instead of keeping them here; an empty
    /// function keeps them here again.
    void Set_Handler(const std::function<void(const wxString& path, bool written)>& handler);

private:
    std::vector<wxString> m_Failing;
    std::function<void()> m_Listener;
    std::function<void(const wxString&, bool)> m_Handler;
};
