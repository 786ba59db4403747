#include "shell/Plugin_Probe.h"

#include "simframe/include/tirsal/Option_Numbers.h"

#include <cstdio>
#include <cstdlib>
#include <cxxabi.h>
#include <cstring>
#include <link.h>
#include <sys/stat.h>
#include <wx/dynlib.h>
#include <wx/filename.h>
#include <wx/log.h>

namespace
{
    typedef const char* const* (*Get_Option_Keys_Function)();
    typedef const SIM_Option_Number* (*Get_Option_Numbers_Function)();

    // A list longer than this is no list of option keys.
    const size_t MAX_KEYS = 100000;

    // Keeps what the loader reports instead of showing it, while it lives:
    // the last message is the system's reason.
    class Log_Capture : public wxLog
    {
    public:
        Log_Capture() : m_pPrevious(wxLog::SetActiveTarget(this)) {}
        ~Log_Capture() { wxLog::SetActiveTarget(m_pPrevious); }

        wxString Last;

    private:
        wxLog* m_pPrevious;

    protected:
        void DoLogRecord(wxLogLevel, const wxString& message, const wxLogRecordInfo&) override
        {
            if (!message.empty())
                Last = message;
        }
    };
}

wxString Plugin_Probe::Readable_Reason(const wxString& reason)
{
    // The loader names a missing C++ function by its linker name
    // ("_Z9Not_Therev"); an author knows it as "Not_There()".
    const wxString marker = "undefined symbol: ";
    const size_t at = reason.find(marker);
    if (at == wxString::npos)
        return reason;
    const size_t start = at + marker.length();
    size_t end = reason.find_first_of(", ", start);
    if (end == wxString::npos)
        end = reason.length();
    int status = 0;
    char* name = abi::__cxa_demangle(reason.substr(start, end - start).utf8_str(), nullptr, nullptr, &status);
    if (!name)
        return reason;
    const wxString readable = reason.Left(start) + wxString::FromUTF8(name) + reason.Mid(end);
    free(name);
    return readable;
}

bool Plugin_Probe::Find_Library(wxString& file)
{
    // A course copied from another platform may have brought that
    // platform's library along: it is no use here, the one beside it is.
    const bool exists = wxFileName::FileExists(file);
    if (exists && Is_Whole_Library(file))
        return true;
    wxFileName name(file);
    wxString ext = name.GetExt().Lower();
    if (ext == "dll" || ext == "dylib")
    {
        name.SetExt("so");
        if (name.FileExists())
        {
            file = name.GetFullPath();
            return true;
        }
    }
    return exists;
}

// Loading maps the library's segments from the file: a plug-in cut
// short (a copy broken off) maps pages past the end of the file, and
// touching them while the library is linked kills the program with a
// bus error. Only a readable library of this platform whose loadable
// segments lie inside the file is handed to the loader.
bool Plugin_Probe::Is_Whole_Library(const wxString& file)
{
    FILE* f = fopen(file.fn_str(), "rb");
    if (!f)
        return false;
    bool whole = false;
    ElfW(Ehdr) header;
    struct stat st;
    if (fstat(fileno(f), &st) == 0 && S_ISREG(st.st_mode) && fread(&header, sizeof header, 1, f) == 1
        && memcmp(header.e_ident, ELFMAG, SELFMAG) == 0
        && header.e_ident[EI_CLASS] == (sizeof(void*) == 8 ? ELFCLASS64 : ELFCLASS32)
        && header.e_phentsize == sizeof(ElfW(Phdr)) && fseeko(f, off_t(header.e_phoff), SEEK_SET) == 0)
    {
        whole = true;
        const unsigned long long size = (unsigned long long)st.st_size;
        for (int i = 0; whole && i < header.e_phnum; i++)
        {
            ElfW(Phdr) segment;
            whole = fread(&segment, sizeof segment, 1, f) == 1
                    && (segment.p_type != PT_LOAD
                        || (segment.p_offset <= size && segment.p_filesz <= size - segment.p_offset));
        }
    }
    fclose(f);
    return whole;
}

bool Plugin_Probe::Load(const wxString& file)
{
    m_bLoaded = false;
    m_bEntry = false;
    m_bKeys = false;
    m_Keys.clear();
    m_Numbers.clear();
    m_Error.clear();

    if (!Is_Whole_Library(file))
    {
        m_Error = wxString::FromUTF8("die Datei ist keine vollständige Bibliothek dieses Systems");
        return false;
    }
    Log_Capture capture;
    wxDynamicLibrary library;
    if (!library.Load(file, wxDL_NOW))
    {
        // The system's reason follows the toolkit's own words and the
        // library's path.
        m_Error = capture.Last;
        const wxString path_prefix = file + ": ";
        size_t at = m_Error.rfind(path_prefix);
        if (at != wxString::npos)
            m_Error = m_Error.Mid(at + path_prefix.length());
        m_Error = Readable_Reason(m_Error);
        return false;
    }

    m_bLoaded = true;
    m_bEntry = library.HasSymbol("SIM_Get_Simulation");
    if (library.HasSymbol("SIM_Get_Option_Keys"))
    {
        Get_Option_Keys_Function get =
            reinterpret_cast<Get_Option_Keys_Function>(library.GetSymbol("SIM_Get_Option_Keys"));
        const char* const* keys = get ? get() : nullptr;
        if (keys)
        {
            m_bKeys = true;
            for (size_t i = 0; keys[i] && i < MAX_KEYS; i++)
                m_Keys.push_back(wxString::FromUTF8(keys[i]));
        }
    }
    Get_Option_Numbers_Function numbers =
        library.HasSymbol("SIM_Get_Option_Numbers")
            ? reinterpret_cast<Get_Option_Numbers_Function>(library.GetSymbol("SIM_Get_Option_Numbers"))
            : nullptr;
    const SIM_Option_Number* number = numbers ? numbers() : nullptr;
    for (size_t i = 0; number && number[i].Key && i < MAX_KEYS; i++)
        m_Numbers[wxString::FromUTF8(number[i].Key)] = {number[i].bWhole,
                                                         wxString::FromUTF8(number[i].Default ? number[i].Default : "")};
    // The library stays loaded until the process ends: what it and the
    // toolkit libraries it brings register at load time is never released
    // by them, and a checker process does not live long.
    library.Detach();
    return true;
}
