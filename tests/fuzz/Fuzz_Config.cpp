// The configuration reader on arbitrary bytes, read from a file as the
// program reads "sim_corvena.ini" and every INI file of a course. The whole
// file is then walked through the reader's own interface, the way the
// course loaders walk it, and what the walk sees must agree with itself.

#include "shell/CSim_Config.h"
#include "tests/fuzz/Fuzz_Support.h"

namespace
{
    // Deeper groups are read as well; the walk only stops looking there.
    const int MAX_WALK_DEPTH = 64;

    // An entry name that reads as a path ("a/b", "..") names another place.
    bool Is_Plain_Name(const wxString& name)
    {
        return !name.Contains("/") && name != "." && name != "..";
    }

    wxString Child_Path(const wxString& here, const wxString& name)
    {
        return (here == "/" ? wxString() : here) + "/" + name;
    }

    void Walk(CSim_Config& config, int depth)
    {
        const wxString here = config.Get_Path();
        FUZZ_CHECK(here.StartsWith("/"));

        wxString name, previous;
        long cookie;
        bool first = true;
        for (bool more = config.Get_First_Entry(&name, &cookie); more; more = config.Get_Next_Entry(&name, &cookie))
        {
            // Sorted by name ignoring case; a name given twice is one entry.
            FUZZ_CHECK(first || previous.Lower() < name.Lower());
            FUZZ_CHECK(!name.empty());
            previous = name;
            first = false;
            if (!Is_Plain_Name(name))
                continue;
            FUZZ_CHECK(config.Exists(name));
            wxString text;
            FUZZ_CHECK(config.Read(name, &text));
            long number = 0;
            const bool is_number = config.Read(name, &number);
            bool flag = false;
            FUZZ_CHECK(config.Read(name, &flag) == is_number);
            FUZZ_CHECK(!is_number || flag == (number != 0));
            wxString path;
            config.Read_File(name, &path);
            FUZZ_CHECK(config.Get_Path() == here);
        }

        std::vector<wxString> groups;
        first = true;
        for (bool more = config.Get_First_Group(&name, &cookie); more; more = config.Get_Next_Group(&name, &cookie))
        {
            FUZZ_CHECK(first || previous.Lower() < name.Lower());
            FUZZ_CHECK(Is_Plain_Name(name) && !name.empty());
            FUZZ_CHECK(config.Exists(name));
            previous = name;
            first = false;
            groups.push_back(name);
        }
        if (depth >= MAX_WALK_DEPTH)
            return;
        for (const wxString& group : groups)
        {
            config.Set_Path(group);
            FUZZ_CHECK(config.Get_Path() == Child_Path(here, group));
            Walk(config, depth + 1);
            config.Set_Path(here);
            FUZZ_CHECK(config.Get_Path() == here);
        }
    }
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz_Init();
    return 0;
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
    std::string line, rest;
    Fuzz_Split_Line(bytes, line, rest);
    const wxString key = wxString::FromUTF8(line.data(), line.size());
    wxString value = "unchanged";
    if (!config.Read(key, &value))
        FUZZ_CHECK(value == "unchanged");
    config.Exists(key);
    config.Set_Path(key);
    FUZZ_CHECK(config.Get_Path().StartsWith("/"));

    config.Close();
    FUZZ_CHECK(!config.Read("THEMES", &value) && config.Get_Path().empty());
    return 0;
}
