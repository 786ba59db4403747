#include "checker/Write_Obstacle.h"

#include <string>
#include <sys/stat.h>
#include <unistd.h>

Write_Obstacle Write_Obstacle::Find(const wxString& path)
{
    Write_Obstacle obstacle;
    std::string name(path.fn_str());
    struct stat st;
    if (stat(name.c_str(), &st) == 0)
    {
        if (S_ISDIR(st.st_mode))
            obstacle = {Is_Folder, path};
        else if (access(name.c_str(), W_OK) != 0)
            obstacle = {Read_Only_File, path};
        return obstacle;
    }

    // The nearest existing folder above the file must let new entries in:
    // the file itself, or the first folder still missing.
    std::string dir = name;
    while (true)
    {
        size_t slash = dir.rfind('/');
        if (slash == std::string::npos)
            dir = ".";
        else
            dir = slash == 0 ? std::string("/") : dir.substr(0, slash);
        if (stat(dir.c_str(), &st) == 0)
            break;
        if (dir == "/" || dir == ".")
            return obstacle;
    }
    const wxString where(dir.c_str(), *wxConvFileName);
    if (!S_ISDIR(st.st_mode))
        obstacle = {Below_File, where};
    else if (access(dir.c_str(), W_OK | X_OK) != 0)
        obstacle = {Read_Only_Folder, where};
    return obstacle;
}
