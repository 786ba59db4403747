#include "tests/fuzz/Fuzz_Support.h"

#include "common/Text_Codec.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <wx/init.h>

namespace
{
    std::string s_Scratch;

    void Remove_Scratch()
    {
        std::error_code ec;
        if (!s_Scratch.empty())
            std::filesystem::remove_all(s_Scratch, ec);
    }
}

void Fuzz_Init()
{
    Use_UTF8_Character_Locale();
    if (!wxInitialize())
        Fuzz_Fail("wxInitialize()", __FILE__, __LINE__);
}

wxString Fuzz_Path(const char* relative)
{
    if (s_Scratch.empty())
    {
        const char* tmp = getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/corvena-fuzz-XXXXXX";
        if (!mkdtemp(&pattern[0]))
            Fuzz_Fail("mkdtemp", __FILE__, __LINE__);
        s_Scratch = pattern;
        atexit(Remove_Scratch);
    }
    return wxString::FromUTF8(s_Scratch + "/" + relative);
}

void Fuzz_Write(const wxString& path, const std::string& bytes)
{
    std::filesystem::path name(std::string(path.utf8_str()));
    std::error_code ec;
    std::filesystem::create_directories(name.parent_path(), ec);
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    out.close();
    if (!out)
        Fuzz_Fail("writing the input file", __FILE__, __LINE__);
}

void Fuzz_Split_Line(const std::string& input, std::string& line, std::string& rest)
{
    size_t end = input.find('\n');
    line = input.substr(0, end);
    rest = end == std::string::npos ? std::string() : input.substr(end + 1);
}

void Fuzz_Fail(const char* what, const char* file, int line)
{
    fprintf(stderr, "\n%s:%d: broken: %s\n", file, line, what);
    fflush(stderr);
    abort();
}
