#pragma once

// Shared by the fuzz targets: the toolkit's start, a scratch directory for
// readers that take a path, and a check that ends the run when a reader's
// promise breaks, so that libFuzzer keeps the input that broke it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <wx/string.h>

/// Starts the toolkit's base library and the program's character locale;
/// call once from LLVMFuzzerInitialize.
void Fuzz_Init();

/// A path in the run's scratch directory, which lies below $TMPDIR (or
/// /tmp) and goes when the run ends normally.
wxString Fuzz_Path(const char* relative);

/// Writes bytes to path, creating or replacing it; ends the run on failure.
void Fuzz_Write(const wxString& path, const std::string& bytes);

/// The first line of the input (without its line end), and the rest.
void Fuzz_Split_Line(const std::string& input, std::string& line, std::string& rest);

[[noreturn]] void Fuzz_Fail(const char* what, const char* file, int line);

#define FUZZ_CHECK(cond) ((cond) ? (void)0 : Fuzz_Fail(#cond, __FILE__, __LINE__))
