#include "tests/support/Temp_Dir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/mount.h>

namespace fs = std::filesystem;

Temp_Dir::Temp_Dir()
{
    char pattern[] = "/tmp/corvena-test-XXXXXX";
    if (!mkdtemp(pattern))
        throw std::runtime_error("mkdtemp failed");
    m_Path = wxString::FromUTF8(pattern) + "/";
}

Temp_Dir::~Temp_Dir()
{
    std::error_code ec;
    // Tests may leave read-only directories behind; make them writable first.
    // Links are left alone: their targets (devices, /proc) are not ours.
    for (auto it = fs::recursive_directory_iterator(Path_Str(), ec); !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
        if (!it->is_symlink(ec))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(Path_Str(), ec);
}

void Temp_Dir::Write(const wxString& relative, const std::string& bytes) const
{
    fs::path path(File_Str(relative));
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

void Temp_Dir::Make_Dir(const wxString& relative) const
{
    fs::create_directories(File_Str(relative));
}

std::string Temp_Dir::Read(const wxString& relative) const
{
    std::ifstream in(File_Str(relative), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool Temp_Dir::Exists(const wxString& relative) const
{
    return fs::exists(File_Str(relative));
}

Small_Disk::Small_Disk(const Temp_Dir& dir, const wxString& relative) : m_Path(dir.File_Str(relative))
{
    dir.Make_Dir(relative);
    m_bMounted = mount("tmpfs", m_Path.c_str(), "tmpfs", 0, "size=64k") == 0;
}

void Small_Disk::Fill()
{
    std::ofstream filling(m_Path + "/filling", std::ios::binary);
    while (m_bMounted && filling.write(std::string(512, 'x').data(), 512) && filling.flush())
        ;
}

Small_Disk::~Small_Disk()
{
    if (m_bMounted)
        umount2(m_Path.c_str(), MNT_DETACH);
}

void Small_Disk::Free()
{
    fs::remove(m_Path + "/filling");
}
