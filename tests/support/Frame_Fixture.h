#pragma once

#include "tests/support/Dialog_Testing.h"
#include "tests/support/Temp_Dir.h"

#include <gtest/gtest.h>
#include <wx/event.h>
#include <wx/filedlg.h>

#include <functional>

class CSim_Frame;

/// A course directory that holds "sim_corvena.ini", with helpers to build a
/// main window on it and to destroy it again.
class Frame_Fixture : public testing::Test
{
protected:
    void TearDown() override;

    /// Writes sim_corvena.ini (and makes the directory the program directory).
    void Write_Ini(const std::string& text);

    /// Builds the main window; dialogs it shows must be expected by the test.
    CSim_Frame* Make_Frame();

    /// Destroys the main window as the toolkit does after a close.
    void Destroy_Frame();

    /// Asks the window whether a command is enabled.
    bool Is_Enabled(int id);

    /// Sends a menu command to the window.
    void Command(int id);

    Temp_Dir m_Dir;
    CSim_Frame* m_pFrame = nullptr;
};

/// An expectation of a dialog of type T that lets the test look at the
/// dialog and decide its answer.
template <class T>
class Expect_Dialog : public wxExpectModalBase<T, Expect_Dialog<T>>
{
public:
    explicit Expect_Dialog(std::function<int(T*)> answer) : m_Answer(answer) {}

protected:
    int OnInvoked(T* dialog) const override { return m_Answer(dialog); }

private:
    std::function<int(T*)> m_Answer;
};
using Expect_File_Dialog = Expect_Dialog<wxFileDialog>;

/// An expectation of a message box that records its text and caption.
class Expect_Message : public wxExpectModalBase<wxMessageDialog, Expect_Message>
{
public:
    Expect_Message(int answer, wxString* message, wxString* caption = nullptr, long* style = nullptr)
        : m_Answer(answer), m_pMessage(message), m_pCaption(caption), m_pStyle(style) {}

protected:
    int OnInvoked(wxMessageDialog* dialog) const override;

private:
    int m_Answer;
    wxString* m_pMessage;
    wxString* m_pCaption;
    long* m_pStyle;
};
