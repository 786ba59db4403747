#pragma once

// Include this instead of <wx/testing.h>: a dialog expectation that is not
// met fails the running test instead of raising a toolkit assert.

#include <gtest/gtest.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/filedlg.h>

class Test_Modal_Hook;
#define wxTEST_DIALOG_HOOK_CLASS Test_Modal_Hook
#include <wx/testing.h>

class Test_Modal_Hook : public wxTestingModalHook
{
public:
    Test_Modal_Hook(const char* file = nullptr, int line = 0, const char* func = nullptr)
        : wxTestingModalHook(file, line, func), m_File(file ? file : "?"), m_Line(line)
    {
    }

protected:
    void ReportFailure(const wxString& msg) override
    {
        ADD_FAILURE_AT(m_File, m_Line) << msg.utf8_str().data();
    }

private:
    const char* m_File;
    int m_Line;
};
