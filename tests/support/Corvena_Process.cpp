#include "tests/support/Corvena_Process.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <poll.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using Clock_Type = std::chrono::steady_clock;

namespace
{
    // Starts args (searched on the PATH) with DISPLAY set when display is
    // given, standard output to out and standard error to err (-1: nowhere);
    // prepare runs in the child first.
    pid_t Spawn(const std::vector<std::string>& args, const std::string& display, int out, int err,
                const std::function<void()>& prepare = {})
    {
        const pid_t pid = fork();
        if (pid != 0)
            return pid;
        if (!display.empty())
            setenv("DISPLAY", display.c_str(), 1);
        const int null = open("/dev/null", O_RDWR);
        dup2(out < 0 ? null : out, 1);
        dup2(err < 0 ? null : err, 2);
        if (prepare)
            prepare();
        std::vector<char*> argv;
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }

    // Waits for a child; true when it ended within ms.
    bool Wait_Child(pid_t pid, int ms, int* status)
    {
        return Poll_Until(ms, [&] { return waitpid(pid, status, WNOHANG) == pid; });
    }

    void Kill(pid_t pid)
    {
        int status;
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }

    std::string Read_File(const std::string& path)
    {
        std::ifstream in(path);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
}

X_Server::X_Server()
{
    int fds[2];
    if (pipe(fds) != 0)
        return;
    m_Pid = Spawn({"Xvfb", "-displayfd", "3", "-screen", "0", "1600x1000x24", "-nolisten", "tcp", "-noreset"}, "", -1, -1,
                  [&] {
                      // Move the write end out of the way before it becomes descriptor 3.
                      int w = fcntl(fds[1], F_DUPFD, 10);
                      close(fds[0]);
                      close(fds[1]);
                      dup2(w, 3);
                      close(w);
                  });
    close(fds[1]);
    std::string number;
    char c;
    struct pollfd wait_for = {fds[0], POLLIN, 0};
    while (m_Pid > 0 && poll(&wait_for, 1, 10000) == 1 && read(fds[0], &c, 1) == 1 && c != '\n')
        number.push_back(c);
    close(fds[0]);
    if (!number.empty())
        m_Display = ":" + number;
}

X_Server::~X_Server()
{
    if (m_Pid <= 0)
        return;
    kill(m_Pid, SIGTERM);
    int status;
    if (!Wait_Child(m_Pid, 3000, &status))
        Kill(m_Pid);
}

bool Run_Command(const std::vector<std::string>& args, const std::string& display,
                 std::string* out, int timeout_ms)
{
    // The output goes to a file, so a talkative command never blocks on a full pipe.
    char path[] = "/tmp/corvena-command-XXXXXX";
    const int file = mkstemp(path);
    if (file < 0)
        return false;
    const pid_t pid = Spawn(args, display, file, STDERR_FILENO);
    close(file);
    int status = 0;
    const bool ended = pid > 0 && Wait_Child(pid, timeout_ms, &status);
    if (pid > 0 && !ended)
        Kill(pid);
    if (out)
        *out = Read_File(path);
    unlink(path);
    return ended && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

Corvena_Process::Corvena_Process(const std::string& dir, const std::string& program)
    : m_Dir(dir.empty() || dir.back() == '/' ? dir : dir + "/"), m_Program(program)
{
    if (!m_Program.empty())
        return;
    m_Program = m_Dir + "corvena";
    fs::copy_file(CORVENA_BINARY, m_Program, fs::copy_options::overwrite_existing);
    fs::copy_file(TIRSAL_LIBRARY, m_Dir + fs::path(TIRSAL_LIBRARY).filename().string(),
                  fs::copy_options::overwrite_existing);
}

void Corvena_Process::Set_Environment(const std::string& name, const std::string& value)
{
    m_Environment.push_back(name + "=" + value);
}

Corvena_Process::~Corvena_Process()
{
    for (pid_t pid : {m_Pid, m_Window_Manager})
        if (pid > 0)
            Kill(pid);
}

bool Corvena_Process::Start(const std::vector<std::string>& args)
{
    if (!m_X.Ok())
        return false;
    if (m_bWindow_Manager)
    {
        m_Window_Manager = Spawn({"openbox"}, m_X.Display(), -1, -1);
        if (m_Window_Manager < 0 || !Poll_Until(10000, [&] {
                std::string out;
                return Run_Command({"xdotool", "search", "--classname", "openbox"}, m_X.Display(), &out) && !out.empty();
            }))
            return false;
    }
    std::vector<std::string> all = {m_Program};
    all.insert(all.end(), args.begin(), args.end());
    const int errors = open((m_Dir + "corvena.stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    m_Pid = Spawn(all, m_X.Display(), STDOUT_FILENO, errors, [&] {
        setenv("NO_AT_BRIDGE", "1", 1);
        for (const std::string& variable : m_Environment)
            putenv(const_cast<char*>(variable.c_str()));
        if (chdir(m_Dir.c_str()) != 0)
            _exit(126);
    });
    close(errors);
    return m_Pid > 0;
}

// The first visible window of this title, or "".
static std::string Visible(const std::string& display, const std::string& title)
{
    std::string out;
    Run_Command({"xdotool", "search", "--onlyvisible", "--name", "^" + title + "$"}, display, &out, 5000);
    return out.substr(0, out.find('\n'));
}

bool Corvena_Process::Wait_For_Window(const std::string& title, int ms)
{
    int status;
    Poll_Until(ms, [&] {
        m_Window = Visible(m_X.Display(), title);
        if (m_Window.empty() && m_Pid > 0 && waitpid(m_Pid, &status, WNOHANG) == m_Pid)
            m_Pid = -1;
        return !m_Window.empty() || m_Pid < 0;
    });
    if (!m_Window.empty())
        Run_Command({"xdotool", "windowfocus", "--sync", m_Window}, m_X.Display(), nullptr, 5000);
    return !m_Window.empty();
}

bool Corvena_Process::Keys(const std::vector<std::string>& keys, int delay_ms)
{
    for (const std::string& key : keys)
    {
        if (!Run_Command({"xdotool", "key", "--clearmodifiers", key}, m_X.Display()))
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(delay_ms));
    }
    return true;
}

bool Corvena_Process::Window_Exists(const std::string& title, int ms)
{
    return Poll_Until(ms, [&] { return !Visible(m_X.Display(), title).empty(); });
}

bool Corvena_Process::Window_Active(const std::string& title, int ms)
{
    return Poll_Until(ms, [&] {
        std::string out;
        return Run_Command({"xdotool", "getactivewindow", "getwindowname"}, m_X.Display(), &out, 5000)
               && out == title + "\n";
    });
}

bool Corvena_Process::Wait_Idle(int ms)
{
    // utime and stime, fields 14 and 15 of /proc/PID/stat, after the
    // parenthesised command name; -1 once the process is gone.
    auto cpu_ticks = [this]() -> long long {
        const std::string stat = Read_File("/proc/" + std::to_string(m_Pid) + "/stat");
        std::istringstream fields(stat.substr(stat.rfind(')') + 2));
        std::string field;
        long long utime = 0, stime = 0;
        for (int i = 3; i <= 13; i++)
            fields >> field;
        fields >> utime >> stime;
        return fields ? utime + stime : -1;
    };
    // Quiet for four looks 50 ms apart.
    long long last = cpu_ticks();
    int quiet = 0;
    return Poll_Until(ms, [&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const long long now = cpu_ticks();
        quiet = now >= 0 && now == last ? quiet + 1 : 0;
        last = now;
        return quiet >= 4;
    });
}

bool Corvena_Process::Click(int x, int y)
{
    return !m_Window.empty()
           && Run_Command({"xdotool", "mousemove", "--window", m_Window, "--sync", std::to_string(x), std::to_string(y),
                           "click", "1"},
                          m_X.Display());
}

bool Corvena_Process::Type(const std::string& text)
{
    return Run_Command({"xdotool", "type", "--delay", "20", text}, m_X.Display());
}

bool Corvena_Process::Stop(int signal, int ms, int* status)
{
    if (m_Pid <= 0)
        return false;
    auto begin = Clock_Type::now();
    kill(m_Pid, signal);
    bool ended = Wait_Child(m_Pid, ms, status);
    m_Stop_Seconds = std::chrono::duration<double>(Clock_Type::now() - begin).count();
    if (ended)
        m_Pid = -1;
    return ended;
}

std::string Corvena_Process::Errors() const
{
    return Read_File(m_Dir + "corvena.stderr");
}

bool Poll_Until(int ms, const std::function<bool()>& cond)
{
    auto until = Clock_Type::now() + std::chrono::milliseconds(ms);
    while (!cond())
    {
        if (Clock_Type::now() > until)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

void Stop_Cleanly(Corvena_Process& program, int signal)
{
    int status = 0;
    ASSERT_TRUE(program.Stop(signal, 5000, &status)) << program.Errors();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
}

void Expect_In_Order(const std::string& text, const std::vector<std::string>& parts)
{
    size_t at = 0;
    for (const std::string& part : parts)
    {
        at = text.find(part, at);
        ASSERT_NE(at, std::string::npos) << part << "\n" << text;
        at++;
    }
}
