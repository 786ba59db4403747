// The configuration reader on arbitrary bytes, read from a file as the
// program reads "sim_corvena.ini" and every INI file of a course, then walked
// through its own interface as the course loaders walk it.

#include "shell/CSim_Config.h"
#include "tests/fuzz/Fuzz_Support.h"

#include <vector>

namespace
{
    // Entries, then groups, come sorted by name ignoring case (a name given
    // twice is one); a name that reads as a path ("a/b", "..") names another
    // place. Groups deeper than 64 are read as well; the walk stops there.
    void Walk(CSim_Config& config, int depth)
    {
        const wxString here = config.Get_Path();
        FUZZ_CHECK(here.StartsWith("/"));
        std::vector<wxString> groups;
        for (bool in_groups : {false, true})
        {
            wxString name, previous;
            long cookie;
            auto first = in_groups ? &CSim_Config::Get_First_Group : &CSim_Config::Get_First_Entry;
            auto next = in_groups ? &CSim_Config::Get_Next_Group : &CSim_Config::Get_Next_Entry;
            for (bool more = (config.*first)(&name, &cookie); more; more = (config.*next)(&name, &cookie))
            {
                FUZZ_CHECK(!name.empty() && (previous.empty() || previous.Lower() < name.Lower()));
                previous = name;
                const bool plain = !name.Contains("/") && name != "." && name != "..";
                FUZZ_CHECK((plain || !in_groups) && (!plain || config.Exists(name)));
                if (in_groups)
                    groups.push_back(name);
                if (in_groups || !plain)
                    continue;
                wxString text, path;
                long number = 0;
                bool flag = false;
                FUZZ_CHECK(config.Read(name, &text));
                const bool is_number = config.Read(name, &number);
                FUZZ_CHECK(config.Read(name, &flag) == is_number && (!is_number || flag == (number != 0)));
                config.Read_File(name, &path);
                FUZZ_CHECK(config.Get_Path() == here);
            }
        }
        for (const wxString& group : groups)
        {
            config.Set_Path(group);
            FUZZ_CHECK(config.Get_Path() == (here == "/" ? wxString() : here) + "/" + group);
            if (depth < 64)
                Walk(config, depth + 1);
            config.Set_Path(here);
            FUZZ_CHECK(config.Get_Path() == here);
        }
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const wxString file = Fuzz_Path("kurs/sim_corvena.ini");
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    Fuzz_Write(file, bytes);
    CSim_Config config(file);
    FUZZ_CHECK(config.Is_Open());
    Walk(config, 0);

    // The first line doubles as a key or group path given by a caller.
    const std::string line = bytes.substr(0, bytes.find('\n'));
    const wxString key = wxString::FromUTF8(line.data(), line.size());
    wxString value = "unchanged";
    FUZZ_CHECK(config.Read(key, &value) || value == "unchanged");
    config.Exists(key);
    config.Set_Path(key);
    FUZZ_CHECK(config.Get_Path().StartsWith("/"));
    config.Close();
    FUZZ_CHECK(!config.Read("THEMES", &value) && config.Get_Path().empty());
    return 0;
}
