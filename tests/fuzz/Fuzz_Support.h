#pragma once

// Included once by each fuzz target: the toolkit's start, a scratch directory
// for readers that take a path, and a check that ends the run when a reader's
// promise breaks, so that libFuzzer keeps the input that broke it.

#include "common/Text_Codec.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <wx/init.h>

#define FUZZ_CHECK(cond) ((cond) ? (void)0 : Fuzz_Fail(#cond, __FILE__, __LINE__))

[[noreturn]] inline void Fuzz_Fail(const char* what, const char* file, int line)
{
    fprintf(stderr, "\n%s:%d: broken: %s\n", file, line, what);
    fflush(stderr);
    abort();
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Use_UTF8_Character_Locale();
    FUZZ_CHECK(wxInitialize());
    return 0;
}

/// A path in the run's scratch directory below $TMPDIR (or /tmp), removed
/// when the run ends normally.
inline wxString Fuzz_Path(const char* relative)
{
    static std::string scratch;
    if (scratch.empty())
    {
        const char* tmp = getenv("TMPDIR");
        scratch = std::string(tmp && *tmp ? tmp : "/tmp") + "/corvena-fuzz-XXXXXX";
        FUZZ_CHECK(mkdtemp(&scratch[0]));
        atexit([] { std::error_code ec; std::filesystem::remove_all(scratch, ec); });
    }
    return wxString::FromUTF8(scratch + "/" + relative);
}

/// Writes bytes to path, creating or replacing it.
inline void Fuzz_Write(const wxString& path, const std::string& bytes)
{
    const std::filesystem::path name(std::string(path.utf8_str()));
    std::error_code ec;
    std::filesystem::create_directories(name.parent_path(), ec);
    FUZZ_CHECK(std::ofstream(name, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size())).flush());
}
