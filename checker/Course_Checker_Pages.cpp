// The checks of HTML pages: content pages, task pages and glossary pages,
// their pictures and links.

#include "checker/Course_Checker.h"

#include "activities/Glossary_Builder.h"
#include "checker/Html_References.h"
#include "common/Text_Codec.h"
#include "shell/Link_Rewriting.h"

#include <wx/filename.h>
#include <wx/filesys.h>
#include <wx/uri.h>

namespace
{
    wxString U(const char* text)
    {
        return wxString::FromUTF8(text);
    }

    // "http:", "mailto:", "file:": a scheme of at least two characters, so
    // that nothing here mistakes a file name for one.
    wxString Scheme_Of(const wxString& link)
    {
        const int colon = link.Find(':');
        if (colon < 2 || !wxIsalpha(link[0]))
            return wxString();
        for (int i = 1; i < colon; i++)
        {
            const wxUniChar c = link[i];
            if (!wxIsalnum(c) && c != '+' && c != '-' && c != '.')
                return wxString();
        }
        return link.Left(colon).Lower();
    }

    wxString Without_Fragment(const wxString& link)
    {
        return link.BeforeFirst('#').BeforeFirst('?');
    }

    bool Exists(const wxString& path, bool folder_too)
    {
        return wxFileName::FileExists(path) || (folder_too && wxFileName::DirExists(path));
    }

    wxString Normalised(const wxString& path)
    {
        wxFileName name(path);
        name.Normalize(wxPATH_NORM_DOTS | wxPATH_NORM_ABSOLUTE);
        return name.GetFullPath();
    }
}

void Course_Checker::Check_Page(const wxString& path, Page_Kind kind)
{
    if (!First_Time(path, kind == Task_Page ? "tasks" : "content"))
        return;
    m_pReport->Note_File(path);
    m_Done.insert(path);
    wxString text;
    if (!Read_Course_Text(path, text))
    {
        Problem(path, wxEmptyString, U("Die Datei kann nicht gelesen werden."));
        return;
    }
    // The content page shows other kinds of file as they are; the task
    // pane takes any task file as HTML.
    const wxString ext = wxFileName(path).GetExt().Lower();
    if (kind == Content_Page && ext != "htm" && ext != "html" && ext != "xhtml")
        return;
    Check_References(path, wxEmptyString, text, kind, wxFileName(path).GetPath(wxPATH_GET_VOLUME));
}

void Course_Checker::Check_References(const wxString& file, const wxString& where, const wxString& text,
                                      Page_Kind kind, const wxString& directory)
{
    // The references are judged as the window gets them, after the
    // program's rewriting, and shown as the teacher wrote them.
    wxString shown_text = text;
    wxString rewritten = text;
    if (kind == Content_Page)
        Rewrite_Content_Links(rewritten, directory);
    else if (kind == Task_Page)
        Rewrite_Task_Links(rewritten, directory);
    else
        shown_text.Replace(directory, Glossary_Builder::PATH_MARKER);
    const std::vector<Html_Reference> written = Find_Html_References(shown_text);
    const std::vector<Html_Reference> effective = Find_Html_References(rewritten);
    const bool paired = written.size() == effective.size();
    for (size_t i = 0; i < effective.size(); i++)
    {
        const Html_Reference& reference = effective[i];
        const wxString line_where = where.empty() ? wxString::Format("Zeile %d", reference.Line) : where;
        Check_Reference(file, line_where, paired ? written[i].Value : reference.Value,
                        reference.Attribute, reference.Value, kind, directory);
    }
}

void Course_Checker::Check_Reference(const wxString& file, const wxString& where, const wxString& shown,
                                     const wxString& attribute, const wxString& value, Page_Kind kind,
                                     const wxString& directory)
{
    const bool link = attribute == "href";
    wxString target = value;
    target.Trim(true).Trim(false);
    if (target.empty() || target.StartsWith("#"))
        return;

    if (link && value.Left(10).CmpNoCase("glossar://") == 0)
    {
        // The main window looks the rest up among the glossary's page labels.
        const wxString label = value.Mid(10);
        if (!m_bGlossary)
        {
            // Told once, with the reason there is no glossary.
            if (m_Dead_Glossary_Links++ == 0)
                m_First_Dead_Link = wxString::Format(U("%s in %s %s"), Quote(shown), m_pReport->Show(file), where);
            return;
        }
        for (const wxString& known : m_Glossary_Labels)
            if (known.CmpNoCase(label) == 0)
                return;
        wxString text = wxString::Format(U("Verweis %s: das Lexikon hat keine Seite %s"), Quote(shown),
                                         Quote(label));
        // A title written out, or the start of one, names the entry; the
        // link must name the page that holds it.
        const std::pair<wxString, wxString>* entry = nullptr;
        for (const auto& title : m_Glossary_Titles)
            if (title.first.CmpNoCase(label) == 0)
                entry = &title;
        for (const auto& title : m_Glossary_Titles)
            if (!entry && !label.empty() && title.first.Lower().StartsWith(label.Lower()))
                entry = &title;
        if (!entry)
        {
            std::vector<wxString> titles;
            for (const auto& title : m_Glossary_Titles)
                titles.push_back(title.first);
            const wxString close = Closest_Name(label, titles);
            for (const auto& title : m_Glossary_Titles)
                if (!entry && !close.empty() && title.first == close)
                    entry = &title;
        }
        const wxString page = entry ? wxString() : Closest_Name(label, m_Glossary_Labels);
        if (entry && entry->first.CmpNoCase(label) == 0)
            text << wxString::Format(U(" (der Eintrag steht auf der Seite %s: glossar://%s)"),
                                     Quote(entry->second), entry->second);
        else if (entry)
            text << wxString::Format(U(" (der Eintrag %s steht auf der Seite %s: glossar://%s)"),
                                     Quote(entry->first), Quote(entry->second), entry->second);
        else if (!page.empty())
            text << wxString::Format(U(" (gemeint ist wohl glossar://%s)"), page);
        Problem(file, where, text);
        return;
    }

    wxString path;
    const wxString scheme = Scheme_Of(target);
    if (scheme == "file")
        path = wxFileSystem::URLToFileName(Without_Fragment(target)).GetFullPath();
    else if (!scheme.empty())
        return;  // web pages and mail addresses are not looked at
    else
    {
        path = Without_Fragment(target);
        if (!path.StartsWith("/"))
        {
            if (kind == Content_Page)
                path = directory + "/" + path;
            else
            {
                wxString text;
                if (kind == Task_Page)
                {
                    text = wxString::Format(U("%s wird im Aufgabenbereich nicht gefunden: dort gelten "
                                              "relative Angaben nur in der Form %s=\"./…\" oder %s=\"../…\""),
                                            Quote(shown), attribute, attribute);
                    if (!path.StartsWith(".") && Exists(Normalised(directory + "/" + path), link))
                        text << wxString::Format(U(" (schreiben Sie %s=\"./%s\")"), attribute, path);
                }
                else
                    text = wxString::Format(U("%s wird im Lexikon nicht gefunden: Dateien neben dem Lexikon "
                                              "werden als \"%s/…\" angegeben"),
                                            Quote(shown), Glossary_Builder::PATH_MARKER);
                Problem(file, where, text);
                return;
            }
        }
    }
    path = Normalised(path);
    if (Exists(path, link) || Exists(Normalised(wxURI::Unescape(path)), link))
        return;

    wxString text = link ? wxString::Format(U("Verweis %s führt zu einer Datei, die es nicht gibt"), Quote(shown))
                         : wxString::Format(U("Bild %s nicht gefunden"), Quote(shown));
    if (m_pReport->Show(path) != shown)
        text << wxString::Format(U(" (gesucht: %s)"), Quote(m_pReport->Show(path)));
    Problem(file, where, text);
}
