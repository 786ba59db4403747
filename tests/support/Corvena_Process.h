#pragma once

#include <csignal>
#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

/// An X server of its own (Xvfb, 1600 x 1000 x 24) for one end-to-end test,
/// so that tests running side by side never share focus or windows.
class X_Server
{
public:
    X_Server();
    ~X_Server();
    X_Server(const X_Server&) = delete;
    X_Server& operator=(const X_Server&) = delete;

    bool Ok() const { return !m_Display.empty(); }
    /// The display name, such as ":12".
    const std::string& Display() const { return m_Display; }

private:
    pid_t m_Pid = -1;
    std::string m_Display;
};

/// Runs a command to its end with DISPLAY set; false when it cannot start,
/// fails or takes longer than timeout_ms. Its standard output goes to *out.
bool Run_Command(const std::vector<std::string>& argv, const std::string& display,
                 std::string* out = nullptr, int timeout_ms = 15000);

/// The real program, started from a course directory of a test. The program
/// and the framework library are copied into that directory, so the program
/// reads the "sim_corvena.ini" found there, as it would when installed.
class Corvena_Process
{
public:
    /// Given a program (an installed one, say), that one is run as it is,
    /// with dir as its working directory, and nothing is copied.
    explicit Corvena_Process(const std::string& dir, const std::string& program = "");
    ~Corvena_Process();
    Corvena_Process(const Corvena_Process&) = delete;
    Corvena_Process& operator=(const Corvena_Process&) = delete;

    /// Starts the program on its own X server; false if either fails.
    bool Start(const std::vector<std::string>& args = {});

    /// Starts a window manager (openbox) on the program's X server before
    /// the program, as a pupil's desktop has one: windows are decorated,
    /// maximised and focused by it.
    void Use_Window_Manager() { m_bWindow_Manager = true; }

    /// Sets an environment variable for the program (before Start).
    void Set_Environment(const std::string& name, const std::string& value);

    /// Waits until a visible window with exactly this title exists and gives
    /// it the keyboard focus.
    bool Wait_For_Window(const std::string& title, int ms = 15000);

    /// True when a visible window with exactly this title appears within ms.
    bool Window_Exists(const std::string& title, int ms);
    /// True once the window with exactly this title has the keyboard focus
    /// (keys sent before would reach the window behind it).
    bool Window_Active(const std::string& title, int ms);

    /// True once the program has used no processor time for a moment: it
    /// has handled what it was given (at most ms milliseconds of waiting).
    bool Wait_Idle(int ms);

    /// Sends key presses in xdotool's names ("Down", "ctrl+s"), one by one.
    bool Keys(const std::vector<std::string>& keys, int delay_ms = 120);

    /// Clicks the left mouse button at a point of the window found by
    /// Wait_For_Window, in its own coordinates.
    bool Click(int x, int y);

    /// Types text into the focused control.
    bool Type(const std::string& text);

    /// Sends signal and waits up to ms for the process to end. True when it
    /// ended in time; *status receives its wait status.
    bool Stop(int signal, int ms, int* status);

    /// Seconds the last Stop took from the signal to the end.
    double Stop_Seconds() const { return m_Stop_Seconds; }

    /// What the program wrote to its standard error (after it ended).
    std::string Errors() const;

private:
    std::string m_Dir;
    std::string m_Program;
    std::vector<std::string> m_Environment;
    std::string m_Window;
    X_Server m_X;
    pid_t m_Pid = -1;
    pid_t m_Window_Manager = -1;
    bool m_bWindow_Manager = false;
    double m_Stop_Seconds = 0;
};

/// Waits until cond holds, polling every 20 ms, at most ms milliseconds.
bool Poll_Until(int ms, const std::function<bool()>& cond);

/// Ends the program with a signal and expects a clean exit (a test failure otherwise).
void Stop_Cleanly(Corvena_Process& program, int signal = SIGTERM);

/// Expects the parts to appear in this order in text.
void Expect_In_Order(const std::string& text, const std::vector<std::string>& parts);
