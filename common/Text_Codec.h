#pragma once

#include <string>
#include <wx/string.h>

// Course files come as Windows-1252 bytes, or as UTF-8 when a course was
// edited on Linux; records are always written as Windows-1252 bytes.

/// Decodes the bytes of a course file: UTF-8 when they start with a UTF-8
/// byte-order mark (which is dropped) or are valid UTF-8 containing non-ASCII
/// bytes, Windows-1252 otherwise. Every byte sequence decodes to something.
wxString Decode_Course_Text(const std::string& bytes);

/// Encodes text as Windows-1252 bytes; a character the code page cannot hold
/// becomes '?'.
std::string Encode_Windows_1252(const wxString& text);

/// Turns every CR LF into a single LF, as reading a file in text mode does.
void Squeeze_CRLF(std::string& bytes);

/// Reads a whole file as raw bytes; false if it cannot be opened or read
/// (a directory counts as unreadable).
bool Read_File_Bytes(const wxString& path, std::string& bytes);

/// Reads a course file in text mode (CR LF as one line feed) and decodes it.
bool Read_Course_Text(const wxString& path, wxString& text);

/// Makes the C library's character type a UTF-8 one (the user's own when it
/// is UTF-8, else C.UTF-8), so that German string literals and file names
/// with umlauts convert correctly whatever locale the session started in.
void Use_UTF8_Character_Locale();
