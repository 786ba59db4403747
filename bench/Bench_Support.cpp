#include "bench/Bench_Support.h"

#include <fstream>
#include <wx/app.h>
#include <wx/filename.h>

namespace
{
    bool s_bDisplay = false;

    void Write(const wxString& path, const std::string& bytes)
    {
        wxFileName::Mkdir(wxFileName(path).GetPath(), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
        std::ofstream(std::string(path.utf8_str()), std::ios::binary) << bytes;
    }

    std::string Page(const std::string& title, const std::string& body)
    {
        return "<html><head><title>" + title + "</title></head><body><h1>" + title + "</h1>" + body
               + "</body></html>\n";
    }
}

bool Bench_Has_Display()
{
    return s_bDisplay;
}

void Bench_Set_Display(bool has_display)
{
    s_bDisplay = has_display;
}

bool Bench_Need_Display(benchmark::State& state)
{
    if (s_bDisplay)
        return true;
    state.SkipWithError("needs a display: run under xvfb-run");
    return false;
}

void Bench_Process_Events()
{
    for (int round = 0; round < 3; round++)
    {
        while (wxTheApp->Pending())
            wxTheApp->Dispatch();
        wxTheApp->ProcessIdle();
    }
}

void Write_Generated_Course(const wxString& dir, const wxString& theme_file, int count)
{
    // Page names in the theme file are relative to its own directory.
    const wxString pages = wxFileName(dir + theme_file).GetPath() + "/";
    std::string ini = "[General]\nName=Kurs mit " + std::to_string(count) + " Themen\n";
    const std::string text =
        "<p>Im Teich leben Hechte und Rotfedern. Die Hechte fressen Rotfedern, und die Zahl "
        "der Rotfedern begrenzt die Zahl der Hechte.</p><p>Beobachte, wie sich beide Arten "
        "entwickeln, und notiere, was dir auff&auml;llt.</p>";
    for (int i = 0; i < count; i++)
    {
        const std::string number = std::to_string(i);
        // Theme 0 is the root; every tenth one opens a chapter below it,
        // the nine after it belong to that chapter.
        std::string group = "Themes";
        if (i > 0)
        {
            const int chapter = (i - 1) / 10;
            char name[32];
            snprintf(name, sizeof name, "/K%03d", chapter);
            group += name;
            if ((i - 1) % 10 != 0)
            {
                snprintf(name, sizeof name, "/T%03d", i);
                group += name;
            }
        }
        ini += "[" + group + "]\nName=Thema " + number + "\nContent=seiten/thema_" + number
               + ".htm\nTasks=seiten/aufgabe_" + number + ".htm\n";
        Write(pages + "seiten/thema_" + number + ".htm", Page("Thema " + number, text));
        Write(pages + "seiten/aufgabe_" + number + ".htm",
              "<p>Aufgabe " + number + ": Beschreibe den Verlauf der Kurven.</p>\n");
    }
    Write(dir + theme_file, ini);
}

std::string Generated_Glossary(int count)
{
    std::string text;
    for (int i = 0; i < count; i++)
    {
        const char initial = char('A' + i % 26);
        const std::string own = i % 500 == 0 ? "*" : "";
        text += "<" + own + initial + "begriff " + std::to_string(i) + ">\n{Der Begriff "
                + std::to_string(i) + " bezeichnet etwas aus dem Leben im Teich, "
                  "siehe <a href=\"glossar://" + initial + "\">" + initial + "</a>.}\n\n";
    }
    return text;
}
