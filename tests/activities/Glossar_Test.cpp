#include "activities/CSim_Glossar.h"

#include "tests/activities/Activity_Helpers.h"
#include "tests/support/Gui_Helpers.h"
#include "tests/support/Temp_Dir.h"

#include <gtest/gtest.h>
#include <random>
#include <wx/frame.h>
#include <wx/html/htmlwin.h>
#include <wx/image.h>

namespace
{
    // A frame that holds the glossary as the main window does.
    struct Glossar_Frame
    {
        explicit Glossar_Frame(const wxString& file)
        {
            frame = new wxFrame(nullptr, wxID_ANY, "Lexikon", wxDefaultPosition, wxSize(800, 600));
            glossar = new CSim_Glossar(frame, file);
            frame->Show();
            Process_Events();
        }
        ~Glossar_Frame()
        {
            frame->Destroy();
            Process_Events();
        }

        std::vector<wxString> Labels() const
        {
            std::vector<wxString> labels;
            for (size_t i = 0; i < glossar->GetPageCount(); i++)
                labels.push_back(glossar->GetPageText(i));
            return labels;
        }

        wxHtmlWindow* Page(size_t i) const { return dynamic_cast<wxHtmlWindow*>(glossar->GetPage(i)); }

        wxFrame* frame;
        CSim_Glossar* glossar;
    };

    // Finds a cell of the given size anywhere below cell.
    bool Has_Cell_Of_Size(const wxHtmlCell* cell, int width, int height)
    {
        for (; cell; cell = cell->GetNext())
        {
            if (cell->GetWidth() == width && cell->GetHeight() == height && !cell->GetFirstChild())
                return true;
            if (Has_Cell_Of_Size(cell->GetFirstChild(), width, height))
                return true;
        }
        return false;
    }
}

TEST(Glossar_Window, Shows_One_Html_Page_Per_Page_With_Its_Label)
{
    Temp_Dir dir;
    dir.Write("lexikon.txt",
              "<Hecht>{Ein Raubfisch.}<Aal>{Wandert zum Laichen ins Meer.}"
              "<*Zellen>{Bausteine aller Lebewesen.}<Alge>{Ein Produzent.}<hecht>{klein}");
    Glossar_Frame f(dir.File("lexikon.txt"));
    EXPECT_TRUE(f.glossar->Has_Pages());
    EXPECT_EQ(f.Labels(), std::vector<wxString>({"A", "H", "Zellen", "h"}));
    for (size_t i = 0; i < f.glossar->GetPageCount(); i++)
    {
        ASSERT_TRUE(f.Page(i));
        EXPECT_EQ(f.Page(i)->GetName(), "htmlWindow");
    }
    wxString text = f.Page(0)->ToText();
    EXPECT_NE(text.find("Aal"), wxString::npos);
    EXPECT_LT(text.find("Aal"), text.find("Alge"));
    EXPECT_EQ(f.Page(2)->ToText().find("*"), wxString::npos);

    // Deleting the notebook deletes its pages first; the frame's other
    // children are untouched.
    wxWindow* page = f.Page(1);
    bool page_destroyed = false;
    page->Bind(wxEVT_DESTROY, [&](wxWindowDestroyEvent& e) { page_destroyed |= e.GetEventObject() == page; e.Skip(); });
    delete f.glossar;
    f.glossar = nullptr;
    EXPECT_TRUE(page_destroyed);
    EXPECT_TRUE(f.frame->GetChildren().empty());
}

TEST(Glossar_Window, Shows_Pictures_Beside_The_Glossary_Whatever_The_Working_Directory)
{
    Temp_Dir dir;
    wxImage picture(37, 23);
    picture.SetRGB(wxRect(0, 0, 37, 23), 200, 40, 40);
    dir.Make_Dir("kurs/lexikon");
    ASSERT_TRUE(picture.SaveFile(dir.File("kurs/lexikon/teich.png"), wxBITMAP_TYPE_PNG));
    dir.Write("kurs/lexikon/lexikon.txt",
              "<Teich>{<img src=\"GLOSSAR_PATH/teich.png\"> Ein kleines Gew\xE4sser.}"
              "<T\xFCmpel>{<img src=\"GLOSSAR_PATH/fehlt.png\"><img src=\"GLOSSAR_PATH/lexikon.txt\">}");
    In_Directory elsewhere("/");
    Log_Counter log;
    Glossar_Frame f(dir.File("kurs/lexikon/lexikon.txt"));
    ASSERT_EQ(f.glossar->GetPageCount(), 1u);
    EXPECT_TRUE(Has_Cell_Of_Size(f.Page(0)->GetInternalRepresentation(), 37, 23));
    // The missing picture and the one that is no image show no error box.
    f.glossar->Set_Font_Offset(2);
    EXPECT_EQ(log.Count(), 0);
}

TEST(Glossar_Window, Font_Offset_Relays_Every_Page)
{
    Temp_Dir dir;
    dir.Write("lexikon.txt", "<Algen>{Algen betreiben Fotosynthese.}<Beute>{Wird gefressen.}");
    Glossar_Frame f(dir.File("lexikon.txt"));
    ASSERT_EQ(f.glossar->GetPageCount(), 2u);
    for (size_t i = 0; i < 2; i++)
    {
        f.glossar->Set_Font_Offset(0);
        int normal = f.Page(i)->GetInternalRepresentation()->GetHeight();
        f.glossar->Set_Font_Offset(8);
        EXPECT_GT(f.Page(i)->GetInternalRepresentation()->GetHeight(), normal) << "page " << i;
        f.glossar->Set_Font_Offset(-6);
        EXPECT_LT(f.Page(i)->GetInternalRepresentation()->GetHeight(), normal) << "page " << i;
    }
}

TEST(Glossar_Window, Stays_Empty_Or_Quiet_On_Bad_Files)
{
    Temp_Dir dir;
    {
        Glossar_Frame missing(dir.File("fehlt.txt"));
        EXPECT_FALSE(missing.glossar->Has_Pages());
        missing.glossar->Set_Font_Offset(-6);
    }
    {
        // Course text is never a format string.
        dir.Write("format.txt", "<%s%n>{%s %n %x}");
        Glossar_Frame format(dir.File("format.txt"));
        ASSERT_EQ(format.Labels(), std::vector<wxString>({"%"}));
        EXPECT_NE(format.Page(0)->ToText().find("%s %n %x"), wxString::npos);
    }
    {
        std::mt19937 random(17);
        std::string garbage(100000, '\0');
        for (char& c : garbage)
            c = char(random() % 256);
        dir.Write("binaer.txt", garbage);
        Glossar_Frame binary(dir.File("binaer.txt"));
        EXPECT_TRUE(binary.glossar->Has_Pages());
    }
}
