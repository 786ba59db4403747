#pragma once

#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/log.h>

/// Counts the warnings and errors logged while it exists: in the program
/// each of them would reach the pupil as a message box.
class Log_Counter : public wxLog
{
public:
    Log_Counter() : m_pOld(wxLog::SetActiveTarget(this)) {}
    ~Log_Counter() override { wxLog::SetActiveTarget(m_pOld); }
    int Count() const { return m_Count; }

protected:
    void DoLogRecord(wxLogLevel level, const wxString&, const wxLogRecordInfo&) override
    {
        if (level <= wxLOG_Warning)
            m_Count++;
    }

private:
    wxLog* m_pOld;
    int m_Count = 0;
};

/// Runs a block with the working directory somewhere else.
class In_Directory
{
public:
    explicit In_Directory(const char* dir)
    {
        if (getcwd(m_Old, sizeof m_Old) && chdir(dir) == 0)
            m_bChanged = true;
    }
    ~In_Directory()
    {
        if (m_bChanged && chdir(m_Old) != 0)
            ADD_FAILURE() << "cannot return to " << m_Old;
    }

private:
    char m_Old[4096];
    bool m_bChanged = false;
};
