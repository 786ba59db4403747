#include "common/Record_File.h"

#include <cstdio>

bool Write_Record_File(const wxString& path, const std::string& bytes)
{
    if (path.empty())
        return false;
    FILE* f = fopen(path.fn_str(), "w");
    if (!f)
        return false;
    bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = fflush(f) == 0 && ok;
    ok = fclose(f) == 0 && ok;
    return ok;
}

bool Can_Write_File(const wxString& path)
{
    if (path.empty())
        return false;
    FILE* f = fopen(path.fn_str(), "w");
    if (!f)
        return false;
    fclose(f);
    return true;
}
