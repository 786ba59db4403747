#include "tests/bad_input/Bad_Files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <linux/fs.h>
#include <random>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
    // Root reads and writes past every permission bit; these places stop
    // root as well. /proc/self/mem opens but fails on the first read (the
    // reading process has nothing mapped at offset 0); sysfs refuses to
    // open its read-only attributes and to create files for writing.
    const char* const UNREADABLE_FOR_ROOT = "/proc/self/mem";
    const char* const READ_ONLY_FOR_ROOT = "/sys/devices/system/cpu/online";
    const char* const NO_NEW_FILES_FOR_ROOT = "/sys/devices/system/cpu";

    bool Is_Root()
    {
        return geteuid() == 0;
    }

    void Make_Parent(const std::string& path)
    {
        std::error_code ec;
        fs::create_directories(fs::path(path).parent_path(), ec);
    }

    void Write_Bytes(const std::string& path, const std::string& bytes)
    {
        Make_Parent(path);
        if (FILE* f = fopen(path.c_str(), "wb"))
        {
            fwrite(bytes.data(), 1, bytes.size(), f);
            fclose(f);
        }
    }

    // True when reading the file fails: it does not open, or its first
    // read reports an error.
    bool Read_Fails(const std::string& path)
    {
        FILE* f = fopen(path.c_str(), "rb");
        if (!f)
            return true;
        char c;
        bool failed = fread(&c, 1, 1, f) == 0 && ferror(f);
        fclose(f);
        return failed;
    }

    bool Open_For_Writing_Fails(const std::string& path)
    {
        int fd = open(path.c_str(), O_WRONLY | O_CLOEXEC);
        if (fd < 0)
            return true;
        close(fd);
        return false;
    }

    bool Create_Fails(const std::string& dir)
    {
        std::string probe = dir + "/.probe";
        int fd = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0)
            return true;
        close(fd);
        unlink(probe.c_str());
        return false;
    }

    // The file system's immutable attribute, which binds root too.
    bool Set_Immutable(const std::string& path, bool on)
    {
        int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return false;
        int flags = 0;
        bool ok = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (ok)
        {
            flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
            ok = ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        close(fd);
        return ok;
    }

    void Replace_By_Link(const std::string& path, const char* target)
    {
        std::error_code ec;
        fs::remove_all(path, ec);
        Make_Parent(path);
        if (symlink(target, path.c_str()) != 0)
            perror("symlink");
    }
}

const std::vector<Bad_Read>& All_Bad_Reads()
{
    static const std::vector<Bad_Read> all = {Bad_Read::Missing,   Bad_Read::Empty,      Bad_Read::Binary,
                                              Bad_Read::Huge,      Bad_Read::Directory,  Bad_Read::Unreadable,
                                              Bad_Read::Truncated};
    return all;
}

const char* Name_Of(Bad_Read kind)
{
    switch (kind)
    {
    case Bad_Read::Missing: return "missing";
    case Bad_Read::Empty: return "empty";
    case Bad_Read::Binary: return "binary";
    case Bad_Read::Huge: return "10 MB";
    case Bad_Read::Directory: return "directory";
    case Bad_Read::Unreadable: return "unreadable";
    case Bad_Read::Truncated: return "truncated";
    }
    return "?";
}

std::string Padded_To_10_MB(const std::string& content, const std::string& filler_line)
{
    const size_t size = 10u << 20;
    std::string bytes;
    bytes.reserve(size + filler_line.size());
    bytes = content;
    while (bytes.size() < size)
        bytes += filler_line;
    return bytes;
}

const std::string& Binary_Bytes()
{
    static const std::string bytes = [] {
        std::string b(64 * 1024, '\0');
        std::mt19937 random(20240305);
        for (size_t i = 0; i < b.size(); i++)
            b[i] = i < 256 ? char(i) : char(random());
        return b;
    }();
    return bytes;
}

bool Make_Bad_File(const Temp_Dir& dir, const std::string& relative, Bad_Read kind,
                   const Bad_Content& content, std::string* why)
{
    const std::string path = dir.File_Str(relative);
    // Whatever an earlier case left there goes first (a link, not its target).
    std::error_code ec;
    fs::remove_all(path, ec);
    switch (kind)
    {
    case Bad_Read::Missing:
        Make_Parent(path);
        return true;
    case Bad_Read::Empty:
        Write_Bytes(path, "");
        return true;
    case Bad_Read::Binary:
        Write_Bytes(path, Binary_Bytes());
        return true;
    case Bad_Read::Huge:
        Write_Bytes(path, content.Huge);
        return true;
    case Bad_Read::Directory:
        dir.Make_Dir(wxString::FromUTF8(relative));
        return true;
    case Bad_Read::Unreadable:
        if (Is_Root())
            Replace_By_Link(path, UNREADABLE_FOR_ROOT);
        else
        {
            Write_Bytes(path, content.Truncated);
            chmod(path.c_str(), 0);
        }
        if (Read_Fails(path))
            return true;
        *why = "no file that cannot be read could be made at " + path;
        return false;
    case Bad_Read::Truncated:
        Write_Bytes(path, content.Truncated);
        return true;
    }
    return false;
}

const std::vector<Bad_Write>& All_Bad_Writes()
{
    static const std::vector<Bad_Write> all = {Bad_Write::Unwritable_Directory, Bad_Write::Read_Only_File,
                                               Bad_Write::Full_Disk};
    return all;
}

const char* Name_Of(Bad_Write kind)
{
    switch (kind)
    {
    case Bad_Write::Unwritable_Directory: return "unwritable directory";
    case Bad_Write::Read_Only_File: return "read-only file";
    case Bad_Write::Full_Disk: return "full disk";
    }
    return "?";
}

Bad_Record_Place::Bad_Record_Place(const Temp_Dir& dir, const std::string& relative, Bad_Write kind,
                                   const std::string& old_content)
{
    const std::string path = dir.File_Str(relative);
    const std::string parent = fs::path(path).parent_path().string();
    if (fs::path(relative).parent_path().empty())
    {
        m_Why = "a record place needs a directory of its own: " + relative;
        return;
    }
    std::error_code ec;
    switch (kind)
    {
    case Bad_Write::Unwritable_Directory:
        fs::create_directories(parent, ec);
        if (!Is_Root())
            chmod(parent.c_str(), 0555);
        else if (Set_Immutable(parent, true))
            m_Immutable.push_back(parent);
        else
        {
            Replace_By_Link(parent, NO_NEW_FILES_FOR_ROOT);
            m_Links.push_back(parent);
        }
        if (!Create_Fails(parent))
            m_Why = "no directory that refuses new files could be made at " + parent;
        break;
    case Bad_Write::Read_Only_File:
        Write_Bytes(path, old_content);
        if (!Is_Root())
            chmod(path.c_str(), 0444);
        else if (Set_Immutable(path, true))
            m_Immutable.push_back(path);
        else
        {
            Replace_By_Link(path, READ_ONLY_FOR_ROOT);
            m_Links.push_back(path);
        }
        if (!Open_For_Writing_Fails(path))
            m_Why = "no read-only file could be made at " + path;
        break;
    case Bad_Write::Full_Disk:
        Replace_By_Link(path, "/dev/full");
        m_Links.push_back(path);
        {
            FILE* f = fopen(path.c_str(), "w");
            bool full = f && fputc('x', f) != EOF && fflush(f) != 0 && errno == ENOSPC;
            if (f)
                fclose(f);
            if (!full)
                m_Why = "/dev/full does not report a full disk here";
        }
        break;
    }
}

Bad_Record_Place::~Bad_Record_Place()
{
    for (const std::string& path : m_Immutable)
        Set_Immutable(path, false);
    for (const std::string& path : m_Links)
        unlink(path.c_str());
}
