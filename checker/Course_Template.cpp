#include "checker/Course_Template.h"

#include "checker/Course_Checker.h"
#include "common/Text_Codec.h"
#include "shell/Program_Dir.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace
{
    wxString U(const char* text)
    {
        return wxString::FromUTF8(text);
    }

    wxString Native(const fs::path& path)
    {
        return wxString(path.string().c_str(), *wxConvFileName);
    }

    void Say(FILE* stream, const wxString& text)
    {
        fprintf(stream, "%s\n", (const char*)text.utf8_str());
    }

    void Replace_All(std::string& text, const std::string& from, const std::string& to)
    {
        for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
            text.replace(at, from.size(), to);
    }
}

int Write_Course_Template(const wxString& dir, FILE* out, FILE* err)
{
    const fs::path source = std::string((Get_Program_Dir() + "vorlage").fn_str());
    const fs::path target = std::string(dir.fn_str());
    std::error_code error;
    const wxString nothing = U("Es wurde nichts geschrieben.");

    if (!fs::is_directory(source, error))
    {
        Say(err, wxString::Format(U("Die Kursvorlage %s fehlt: Sim-Corvena ist nicht vollständig installiert. "),
                                  "\"" + Native(source) + "\"") + nothing);
        return 2;
    }
    if (fs::exists(target, error))
    {
        if (!fs::is_directory(target, error))
        {
            Say(err, wxString::Format(U("\"%s\" ist eine Datei. Der neue Kurs braucht einen neuen oder leeren "
                                        "Ordner. "), dir) + nothing);
            return 2;
        }
        if (!fs::is_empty(target, error))
        {
            Say(err, wxString::Format(U("Der Ordner \"%s\" ist nicht leer. Der neue Kurs braucht einen neuen "
                                        "oder leeren Ordner, damit nichts überschrieben wird. "), dir) + nothing);
            return 2;
        }
    }

    // The course names the plug-ins of this program by their full path and
    // sends its records to a folder named after it.
    const std::string plugins((Get_Program_Dir() + "plugins").utf8_str());
    const std::string name(wxString(Native(target.filename())).utf8_str());
    fs::create_directories(target, error);
    for (fs::recursive_directory_iterator it(source, error), end; !error && it != end; it.increment(error))
    {
        const fs::path to = target / fs::relative(it->path(), source);
        if (it->is_directory())
        {
            fs::create_directories(to, error);
            continue;
        }
        std::ifstream in(it->path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        std::string text = bytes.str();
        if (it->path().extension() == ".ini")
        {
            Replace_All(text, "@PLUGINS@", plugins);
            Replace_All(text, "@KURS@", name);
        }
        std::ofstream file(to, std::ios::binary);
        if (!(file << text) || !file.flush())
            error = std::make_error_code(std::errc::io_error);
        if (error)
        {
            Say(err, wxString::Format(U("%s konnte nicht geschrieben werden: %s"), "\"" + Native(to) + "\"",
                                      wxString(error.message().c_str(), wxConvLibc)));
            return 2;
        }
    }
    if (error)
    {
        Say(err, wxString::Format(U("Der Kurs konnte nicht in \"%s\" angelegt werden: %s"), dir,
                                  wxString(error.message().c_str(), wxConvLibc)));
        return 2;
    }

    const wxString start = Native(target / "sim_corvena.ini");
    Say(out, wxString::Format(U("Neuer Kurs in \"%s\" angelegt. Die Prüfung:"), dir));
    Check_Course(start, out);
    Say(out, U("\nÖffnen wie eine Schülerin oder ein Schüler: corvena \"") + start + "\"");
    Say(out, U("Ansehen ohne Sperren und ohne Aufzeichnung: corvena --preview \"") + start + "\"");
    Say(out, U("Nach jeder Änderung prüfen:                corvena --check \"") + start + "\"");
    return 0;
}
