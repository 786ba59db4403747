// Runs the GUI tests inside a real application object and its main loop.
// Toolkit asserts and dialogs nobody expected fail the running test instead
// of opening a box that would hang the run.

#include <cstdio>
#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>

#include "common/Clock.h"
#include "common/Text_Codec.h"
#include "simframe/src/Tirsal_Testing.h"

namespace
{
    void Fail_On_Assert(const wxString& file, int line, const wxString& func,
                        const wxString& cond, const wxString& msg)
    {
        ADD_FAILURE_AT(file.utf8_str().data(), line)
            << "toolkit assert in " << func.utf8_str().data() << ": "
            << cond.utf8_str().data() << " " << msg.utf8_str().data();
    }

    // Installed first, so it is asked last: any modal dialog that no test
    // expectation claimed is a failure, and is answered with Cancel.
    wxDialog* s_pAllowed_Modal = nullptr;

    class Unexpected_Dialog_Guard : public wxModalDialogHook
    {
    protected:
        int Enter(wxDialog* dialog) override
        {
            if (dialog == s_pAllowed_Modal)
                return wxID_NONE;
            wxString what = dialog->GetTitle();
            if (wxMessageDialog* box = dynamic_cast<wxMessageDialog*>(dialog))
                what = box->GetMessage();
            ADD_FAILURE() << "unexpected modal dialog: " << what.utf8_str().data();
            // Code that asks again after a Cancel would loop for ever.
            if (++m_nUnexpected > 20)
            {
                fprintf(stderr, "too many unexpected dialogs, giving up\n");
                _exit(3);
            }
            return wxID_CANCEL;
        }
        void Exit(wxDialog*) override {}

    private:
        int m_nUnexpected = 0;
    };

    // Each test starts on the system clock, whatever the previous one set.
    class Clock_Reset : public testing::EmptyTestEventListener
    {
        void OnTestStart(const testing::TestInfo&) override { Clock::Use_System(); Tirsal_Use_System_Clock(); }
    };

    class Test_App : public wxApp
    {
    public:
        bool OnInit() override
        {
            // No command-line parsing here: the arguments belong to the tests.
            wxLog::SetActiveTarget(new wxLogStderr);
            wxSetAssertHandler(Fail_On_Assert);
            wxInitAllImageHandlers();
            m_Guard.Register();
            CallAfter(&Test_App::Run_Tests);
            return true;
        }

        int OnRun() override
        {
            wxApp::OnRun();
            return m_Result;
        }

        int OnExit() override
        {
            m_Guard.Unregister();
            return wxApp::OnExit();
        }

    private:
        void Run_Tests()
        {
            m_Result = RUN_ALL_TESTS();
            for (wxWindow* window : wxTopLevelWindows)
                window->Destroy();
            ExitMainLoop();
        }

        Unexpected_Dialog_Guard m_Guard;
        int m_Result = 1;
    };
}

void Set_Allowed_Modal(wxDialog* dialog)
{
    s_pAllowed_Modal = dialog;
}

int main(int argc, char** argv)
{
    Use_UTF8_Character_Locale();
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new Clock_Reset);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    wxApp::SetInstance(new Test_App);
    return wxEntry(argc, argv);
}
