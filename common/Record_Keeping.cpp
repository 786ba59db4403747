#include "common/Record_Keeping.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <wx/filename.h>

namespace
{
    // Larger files are kept unread.
    const off_t READ_LIMIT = 64 << 20;

    bool Parse(const std::string& text, bool date, wxDateTime* out)
    {
        const wxString s = wxString::FromAscii(text.c_str());
        return date ? out->ParseISODate(s) : out->ParseISOTime(s);
    }

    // Where the "Datum: YYYY-MM-DD" line among the first three ends, or npos.
    size_t Date_Line_End(const std::string& bytes, wxDateTime* date)
    {
        size_t line = 0;
        for (int n = 0; n < 3 && line < bytes.size(); n++)
        {
            size_t end = std::min(bytes.find('\n', line), bytes.size());
            if (end - line == 17 && bytes.compare(line, 7, "Datum: ") == 0)
                return Parse(bytes.substr(line + 7, 10), true, date) ? end : std::string::npos;
            line = end + 1;
        }
        return std::string::npos;
    }

    // Never over a name already taken, also where the file system cannot
    // promise that itself.
    bool Rename_Unless_Taken(const std::string& from, const std::string& to)
    {
        if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
            return true;
        if (errno != EINVAL && errno != ENOSYS)
            return false;
        struct stat st;
        if (lstat(to.c_str(), &st) == 0)
        {
            errno = EEXIST;
            return false;
        }
        return rename(from.c_str(), to.c_str()) == 0;
    }
}

wxString Kept_Name(const wxString& path, const wxDateTime& start, int n)
{
    wxFileName name(path);
    wxString stem = name.GetName() + "-" + start.Format("%Y-%m-%d_%H-%M-%S");
    if (n > 1)
        stem << "-" << n;
    return name.GetPathWithSep() + stem + (name.HasExt() ? "." + name.GetExt() : wxString());
}

bool Record_Date(const std::string& bytes, wxDateTime* date)
{
    return Date_Line_End(bytes, date) != std::string::npos;
}

bool Record_Start(const std::string& bytes, wxDateTime* start)
{
    wxDateTime date, time;
    for (size_t line = Date_Line_End(bytes, &date); line < bytes.size(); line = bytes.find('\n', line))
    {
        line++;
        if (bytes.size() > line + 8 && bytes[line + 8] == '\t' && Parse(bytes.substr(line, 8), false, &time))
        {
            *start = date;
            start->SetHour(time.GetHour()).SetMinute(time.GetMinute()).SetSecond(time.GetSecond());
            return true;
        }
    }
    return false;
}

bool Holds_Bytes(const std::string& bytes)
{
    return !bytes.empty();
}

bool Holds_More_Than_White_Space(const std::string& bytes)
{
    return bytes.find_first_not_of(" \t\r\n\f\v") != std::string::npos;
}

wxString Keep_Earlier_Run(const wxString& path, bool (*holds_run)(const std::string& bytes))
{
    char* real = realpath(path.fn_str(), nullptr);
    if (!real)
        return wxString();
    const std::string file = real;
    free(real);
    struct stat st;
    if (stat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return wxString();
    std::string bytes;
    bool read = false;
    if (st.st_size <= READ_LIMIT)
    {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream all;
        read = in && (all << in.rdbuf()) && !in.bad();
        bytes = all.str();
        read = read || st.st_size == 0;
    }
    if (read && !holds_run(bytes))
        return wxString();
    wxDateTime start;
    if (!read || !Record_Start(bytes, &start))
        start = wxDateTime(time_t(st.st_mtime));
    const wxString from(file.c_str(), *wxConvFileName);
    for (int n = 1; n < 1000; n++)
    {
        const wxString kept = Kept_Name(from, start, n);
        if (Rename_Unless_Taken(file, std::string(kept.fn_str())))
            return kept;
        if (errno != EEXIST)
            break;
    }
    return wxString();
}
