#include "common/Record_File.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
    bool Write_All(int fd, const std::string& bytes, off_t offset)
    {
        size_t done = 0;
        while (done < bytes.size())
        {
            ssize_t n = pwrite(fd, bytes.data() + done, bytes.size() - done, offset + off_t(done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            done += size_t(n);
        }
        return true;
    }

    bool Write_Directly(const wxString& path, const std::string& bytes)
    {
        FILE* f = fopen(path.fn_str(), "w");
        if (!f)
            return false;
        bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
        ok = fflush(f) == 0 && ok;
        ok = fclose(f) == 0 && ok;
        return ok;
    }

    mode_t Creation_Mode()
    {
        mode_t mask = umask(0);
        umask(mask);
        return 0666 & ~mask;
    }
}

bool Make_Parent_Directories(const wxString& path)
{
    std::string name(path.fn_str());
    size_t slash = name.rfind('/');
    if (slash == std::string::npos || slash == 0)
        return true;
    std::string dir = name.substr(0, slash);
    struct stat st;
    if (stat(dir.c_str(), &st) == 0)
        return S_ISDIR(st.st_mode);
    for (size_t next = dir.find('/', 1); ; next = dir.find('/', next + 1))
    {
        std::string part = dir.substr(0, next);
        if (mkdir(part.c_str(), 0777) != 0 && errno != EEXIST)
            return false;
        if (next == std::string::npos)
            break;
    }
    return stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool Write_Record_File(const wxString& path, const std::string& bytes)
{
    if (path.empty() || !Make_Parent_Directories(path))
        return false;
    const wxCharBuffer name = path.fn_str();
    struct stat st;
    bool exists = lstat(name, &st) == 0;
    // Links, devices and the like are written in place.
    if (exists && !S_ISREG(st.st_mode))
        return Write_Directly(path, bytes);
    // A file that may not be written stays as it is: replacing it through
    // a file beside it would get past its permissions.
    if (exists && access(name, W_OK) != 0)
        return false;

    std::string temp = std::string(name.data()) + ".XXXXXX";
    int fd = mkstemp(&temp[0]);
    if (fd < 0)
        return Write_Directly(path, bytes);
    fchmod(fd, exists ? (st.st_mode & 07777) : Creation_Mode());
    bool ok = Write_All(fd, bytes, 0) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    if (ok && rename(temp.c_str(), name) == 0)
        return true;
    unlink(temp.c_str());
    return ok && Write_Directly(path, bytes);
}

bool Can_Write_File(const wxString& path)
{
    if (path.empty() || !Make_Parent_Directories(path))
        return false;
    FILE* f = fopen(path.fn_str(), "w");
    if (!f)
        return false;
    fclose(f);
    return true;
}

Record_File::Record_File() : m_Fd(-1), m_Size(0), m_Last_Start(0), m_bFailed(false)
{
}

Record_File::~Record_File()
{
    Close();
}

bool Record_File::Start(const wxString& path, const std::string& bytes)
{
    Close();
    if (path.empty() || !Make_Parent_Directories(path))
        return false;
    m_Fd = open(path.fn_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (m_Fd < 0)
        return false;
    m_Size = 0;
    m_Last_Start = 0;
    m_bFailed = false;
    return Append(bytes);
}

bool Record_File::Write_At(off_t offset, const std::string& bytes)
{
    if (m_Fd < 0 || m_bFailed)
        return false;
    if (!Write_All(m_Fd, bytes, offset))
    {
        m_bFailed = true;
        return false;
    }
    return true;
}

bool Record_File::Append(const std::string& bytes)
{
    if (!Write_At(m_Size, bytes))
        return false;
    m_Last_Start = m_Size;
    m_Size += off_t(bytes.size());
    return true;
}

bool Record_File::Replace_Last(const std::string& bytes)
{
    if (!Write_At(m_Last_Start, bytes))
        return false;
    off_t end = m_Last_Start + off_t(bytes.size());
    if (end < m_Size && ftruncate(m_Fd, end) != 0)
    {
        m_bFailed = true;
        return false;
    }
    m_Size = end;
    return true;
}

void Record_File::Close()
{
    if (m_Fd >= 0)
        close(m_Fd);
    m_Fd = -1;
    m_bFailed = false;
}
