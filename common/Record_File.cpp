#include "common/Record_File.h"

#include "common/Record_Trouble.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
    bool Write_All(int fd, const char* data, size_t size, off_t offset)
    {
        size_t done = 0;
        while (done < size)
        {
            ssize_t n = pwrite(fd, data + done, size - done, offset + off_t(done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            done += size_t(n);
        }
        return true;
    }

    // Makes the file hold bytes, writing from offset from on (what comes
    // before is known to be there). Room is taken first, so that a full disk
    // refuses before anything on it changes.
    bool Write_In_Place(int fd, const std::string& bytes, size_t from)
    {
        struct stat before;
        if (fstat(fd, &before) != 0)
            return false;
        const bool regular = S_ISREG(before.st_mode);
        int room = regular && bytes.size() > from ? posix_fallocate(fd, off_t(from), off_t(bytes.size() - from)) : 0;
        bool ok = room != ENOSPC && room != EDQUOT && room != EFBIG
                  && Write_All(fd, bytes.data() + from, bytes.size() - from, off_t(from));
        struct stat after;
        if (!ok && regular && fstat(fd, &after) == 0 && after.st_size > before.st_size)
            (void)!ftruncate(fd, before.st_size);
        if (ok && regular && before.st_size > off_t(bytes.size()))
            ok = ftruncate(fd, off_t(bytes.size())) == 0;
        return ok;
    }

    bool Write_Directly(const char* path, const std::string& bytes)
    {
        int fd = open(path, O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0)
            return false;
        bool ok = Write_In_Place(fd, bytes, 0);
        return close(fd) == 0 && ok;
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
        return Write_Directly(name, bytes);
    // A file that may not be written stays as it is: replacing it through
    // a file beside it would get past its permissions.
    if (exists && access(name, W_OK) != 0)
        return false;

    std::string temp = std::string(name.data()) + ".XXXXXX";
    int fd = mkstemp(&temp[0]);
    if (fd < 0)
        return Write_Directly(name, bytes);
    fchmod(fd, exists ? (st.st_mode & 07777) : Creation_Mode());
    bool ok = Write_All(fd, bytes.data(), bytes.size(), 0) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    if (ok && rename(temp.c_str(), name) == 0)
        return true;
    unlink(temp.c_str());
    return ok && Write_Directly(name, bytes);
}

bool Can_Write_File(const wxString& path)
{
    if (path.empty() || !Make_Parent_Directories(path))
        return false;
    int fd = open(path.fn_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    close(fd);
    return true;
}

wxString Replace_Question(const wxString& path)
{
    return wxString::Format(wxString::FromUTF8("Die Datei %s gibt es schon.\nSoll sie ersetzt werden ?"), path);
}

Record_File::~Record_File()
{
    Close();
}

bool Record_File::Start(const wxString& path, const std::string& header)
{
    Close();
    m_Path = path;
    m_Bytes = header;
    m_Entries.clear();
    m_Written = 0;
    return Flush();
}

int Record_File::Append(const std::string& bytes)
{
    m_Entries.push_back({m_Next_Entry, m_Bytes.size()});
    m_Bytes += bytes;
    Flush();
    return m_Next_Entry++;
}

void Record_File::Replace(int entry, const std::string& bytes)
{
    size_t i = 0;
    while (i < m_Entries.size() && m_Entries[i].Number != entry)
        i++;
    if (i == m_Entries.size())
        return;
    const size_t offset = m_Entries[i].Offset;
    const size_t end = i + 1 < m_Entries.size() ? m_Entries[i + 1].Offset : m_Bytes.size();
    m_Bytes.erase(offset, end - offset);
    for (size_t j = i + 1; j < m_Entries.size(); j++)
        m_Entries[j].Offset -= end - offset;
    m_Entries.erase(m_Entries.begin() + long(i));
    m_Entries.push_back({entry, m_Bytes.size()});
    m_Bytes += bytes;
    m_Written = std::min(m_Written, offset);
    Flush();
}

bool Record_File::Flush()
{
    if (m_Path.empty())
        return false;
    const bool written = Sync();
    Record_Trouble::Get().Report(m_Path, written);
    return written;
}

bool Record_File::Sync()
{
    if (m_Fd < 0)
    {
        if (!Make_Parent_Directories(m_Path))
            return false;
        m_Fd = open(m_Path.fn_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
        if (m_Fd < 0)
            return false;
        // Whatever the file held is replaced by the whole record.
        m_Written = 0;
    }
    if (!Write_In_Place(m_Fd, m_Bytes, m_Written))
    {
        // Opened anew on the next try: the folder may have come back.
        close(m_Fd);
        m_Fd = -1;
        return false;
    }
    m_Written = m_Bytes.size();
    return true;
}

void Record_File::Close()
{
    if (m_Fd >= 0)
        close(m_Fd);
    m_Fd = -1;
    // Its owner has ended: nothing will try this record again.
    if (!m_Path.empty())
        Record_Trouble::Get().Forget(m_Path);
    m_Path.clear();
}
