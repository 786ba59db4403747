// The demo course in the real program: a pupil's walk from the first theme to
// the glossary and every record it leaves, and the installed tree, which runs
// from wherever it was installed (set CORVENA_INSTALLED_PREFIX to the prefix
// of a "cmake --install" to run that test).

#include "tests/support/Corvena_Process.h"
#include "tests/support/Temp_Dir.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;

namespace
{
    size_t Count(const std::string& text, const std::string& part)
    {
        size_t n = 0;
        for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            n++;
        return n;
    }

    // The staged program's files beside a copy of the program, with the
    // course's minimum stays cut to one second so the walk does not take
    // minutes; everything else is the demo course as shipped.
    void Copy_Stage(const Temp_Dir& dir)
    {
        for (const char* part : {"sim_corvena.ini", "plugins", "course", "icons"})
            fs::copy(fs::path(CORVENA_STAGE_DIR) / part, dir.Path_Str() + part, fs::copy_options::recursive);
        const std::string text = dir.Read("course/themen.ini");
        std::istringstream lines(text);
        std::string themes;
        for (std::string line; std::getline(lines, line);)
            themes += (line.rfind("TimeOut=", 0) == 0 ? "TimeOut=1" : line) + "\n";
        ASSERT_NE(themes, text) << "the demo course has no minimum stays any more";
        dir.Write("course/themen.ini", themes);
    }
}

TEST(Demo_Walk, From_The_First_Theme_To_The_Glossary_And_Every_Record)
{
    Temp_Dir dir;
    Temp_Dir home;
    Copy_Stage(dir);
    Corvena_Process program(dir.Path_Str());
    program.Set_Environment("HOME", home.Path_Str());
    program.Use_Window_Manager();
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.Wait_For_Window("Lebensraum Teich")) << program.Errors();
    const std::string records = "Sim-Corvena/";
    auto log = [&] { return home.Read(records + "aktivitaet.log"); };

    // "Nächstes Thema" (Alt+Down) until the theme opens: a theme locked by
    // its predecessor's minimum stay opens once that second is served. A
    // hint is answered as it comes.
    auto next = [&](const std::string& label) {
        const size_t before = Count(log(), "\t" + label + "\n");
        bool opened = false;
        for (int attempt = 0; attempt < 10 && !opened; attempt++)
        {
            EXPECT_TRUE(program.Keys({"alt+Down"}));
            opened = Poll_Until(1500, [&] { return Count(log(), "\t" + label + "\n") > before; });
        }
        EXPECT_TRUE(opened) << label << "\n" << log();
        if (program.Window_Exists("Hinweis", 700))
        {
            EXPECT_TRUE(program.Keys({"Return"}));
        }
        return opened;
    };
    auto logged = [&](const std::string& line) {
        return Poll_Until(3000, [&] { return log().find("\t" + line + "\n") != std::string::npos; });
    };

    // A note, typed into the notes pad below the tree of the maximised
    // window and saved with Ctrl+S at once.
    const std::string note = "Der Hecht frisst Rotfedern.";
    ASSERT_TRUE(program.Click(100, 500));
    ASSERT_TRUE(program.Type(note));
    ASSERT_TRUE(program.Keys({"ctrl+s"}));
    EXPECT_TRUE(Poll_Until(3000, [&] { return home.Read(records + "notizen.txt") == note; })) << home.Read(records + "notizen.txt");

    ASSERT_TRUE(next("Der Teich als \xD6kosystem"));
    ASSERT_TRUE(next("Lebewesen im Teich"));
    ASSERT_TRUE(next("Nahrungsketten"));
    // The exercise page, checked with nothing ticked: the result box asks
    // whether to show the answers, and is declined.
    ASSERT_TRUE(program.Click(395, 93));
    ASSERT_TRUE(logged("Nahrungsketten - Selbsttest"));
    ASSERT_TRUE(program.Click(341, 593));
    ASSERT_TRUE(program.Window_Exists("Selbsttest Ergebnis", 5000)) << log();
    ASSERT_TRUE(program.Keys({"Escape"}));
    for (const char* theme :
         {"Kapazit\xE4t des Teiches", "Rotfedern allein", "R\xE4uber und Beute", "Hecht und Rotfeder"})
        ASSERT_TRUE(next(theme));
    // Its simulation page, and the "+" of the time span.
    ASSERT_TRUE(program.Click(389, 93));
    ASSERT_TRUE(logged("Hecht und Rotfeder - Simulation"));
    ASSERT_TRUE(program.Click(418, 221));
    ASSERT_TRUE(Poll_Until(3000, [&] {
        return home.Read(records + "hecht_rotfeder.log").find("\tTime\t201.000000\n") != std::string::npos;
    }));
    for (const char* theme : {"Eine dritte Art", "Algenbl\xFCte", "Abschluss", "Lexikon"})
        ASSERT_TRUE(next(theme));
    ASSERT_TRUE(program.Keys({"alt+Left"}));
    ASSERT_TRUE(Poll_Until(3000, [&] { return Count(log(), "\tAbschluss\n") == 2; })) << log();
    ASSERT_TRUE(program.Window_Exists("Hinweis", 3000));
    ASSERT_TRUE(program.Keys({"Return"}));

    // The self-test from the keyboard: "Weiter" has the focus, Space ticks
    // the first box of a one-answer question, which moves on; Escape aborts
    // at once.
    ASSERT_TRUE(program.Keys({"alt+e", "s"}));
    ASSERT_TRUE(program.Window_Active("Selbsttest", 5000)) << log();
    ASSERT_TRUE(program.Keys({"Return", "space"}));
    ASSERT_TRUE(Poll_Until(3000, [&] {
        return log().find("; L\xF6sung falsch  (\"Welcher dieser Fische ist ein R\xE4uber, der andere Fische frisst?\", "
                          "Antwort: [1])\n") != std::string::npos;
    })) << log();
    ASSERT_TRUE(program.Keys({"Escape"}));
    ASSERT_TRUE(logged("Selbsttest abgebrochen"));
    // The reflection aid, open once the last theme's stay is served: Tab
    // from the first rating to its explanation, and Escape closes without
    // the length check and without an entry.
    bool opened = false;
    for (int attempt = 0; attempt < 5 && !opened; attempt++)
    {
        ASSERT_TRUE(program.Keys({"alt+e", "r"}));
        opened = program.Window_Active("Reflektionshilfe", 1500);
        if (!opened)
        {
            ASSERT_TRUE(program.Keys({"Escape"}));
        }
    }
    ASSERT_TRUE(opened) << log();
    // The dialog places its first focus once it has shown; keys sent before
    // that would start from the toolkit's first choice.
    ASSERT_TRUE(program.Wait_Idle(5000));
    ASSERT_TRUE(program.Keys({"Tab"}));
    ASSERT_TRUE(program.Type("Viel gelernt"));
    ASSERT_TRUE(program.Keys({"Escape"}));
    ASSERT_TRUE(Poll_Until(3000, [&] { return !program.Window_Exists("Reflektionshilfe", 0); }));
    Stop_Cleanly(program);
    // Nothing the toolkit complained about on the way.
    const std::string errors = program.Errors();
    for (const char* complaint : {"CRITICAL **", "WARNING **", "assert"})
        EXPECT_EQ(errors.find(complaint), std::string::npos) << errors;

    // The activity log: every item in the order opened, the page changes,
    // the check with one line per wrong answer, the end.
    const std::string activity = log();
    Expect_In_Order(activity, {"\t00:00:00\tAufzeichnung gestartet\n", "\tDer Teich als \xD6kosystem\n",
                             "\tLebewesen im Teich\n", "\tNahrungsketten\n", "\tNahrungsketten - Selbsttest\n",
                             "\tSelbsttest \xFC" "berpr\xFC" "fen (", "\tSelbsttest, falsche Antwort: ",
                             "\tKapazit\xE4t des Teiches\n", "\tRotfedern allein\n", "\tR\xE4uber und Beute\n",
                             "\tHecht und Rotfeder\n", "\tHecht und Rotfeder - Simulation\n", "\tEine dritte Art\n",
                             "\tAlgenbl\xFCte\n", "\tAbschluss\n", "\tLexikon\n", "\tAbschluss\n", "\tSelbsttest gestartet\n",
                             "\tSelbsttest abgebrochen\n", "\tReflektionshilfe ge\xF6" "ffnet\n", "\tAufzeichnung beendet\n"});
    EXPECT_NE(activity.find("uebungen/nahrungskette.ini)\n"), std::string::npos);
    EXPECT_EQ(activity.find("\tReflektionshilfe geschlossen\n"), std::string::npos);

    // The pike and rudd pond's log: its header and the change.
    const std::string pond = home.Read(records + "hecht_rotfeder.log");
    EXPECT_EQ(pond.rfind("Aufzeichung der Aktivit\xE4ten\nDatum: ", 0), 0u) << pond;
    EXPECT_EQ(Count(pond, "\n"), 5u) << pond;
    EXPECT_NE(pond.find("\tTime\t201.000000\n"), std::string::npos);

    // The reflection answers: every topic, the first with its explanation.
    const std::string answers = home.Read(records + "reflexion_antworten.txt");
    EXPECT_EQ(answers.rfind("Reflektionshilfen\n", 0), 0u) << answers;
    EXPECT_EQ(Count(answers, ". Reflektionshilfe\n"), 3u) << answers;
    EXPECT_EQ(Count(answers, "Bewertung: 3   \n"), 3u);
    EXPECT_EQ(Count(answers, "Erl\xE4uterung:\nViel gelernt\n"), 1u) << answers;

    EXPECT_EQ(home.Read(records + "notizen.txt"), note);
    // Nothing was written into the course.
    EXPECT_FALSE(fs::exists(dir.Path_Str() + "course/aufzeichnungen"));
}

TEST(Installed, Starts_On_The_Demo_Course_And_Records_In_The_Pupils_Folder)
{
    const char* prefix = getenv("CORVENA_INSTALLED_PREFIX");
    if (!prefix || !*prefix)
        GTEST_SKIP() << "CORVENA_INSTALLED_PREFIX is not set";
    Temp_Dir home;
    Corvena_Process program(home.Path_Str(), std::string(prefix) + "/bin/corvena");
    program.Set_Environment("HOME", home.Path_Str());
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.Wait_For_Window("Lebensraum Teich")) << program.Errors();
    Stop_Cleanly(program);
    // The records of the run are in the pupil's folder, not in the installation.
    const std::string log = home.Read("Sim-Corvena/aktivitaet.log");
    EXPECT_EQ(log.rfind("Lebensraum Teich\n", 0), 0u) << log;
    EXPECT_NE(log.find("\tAufzeichnung beendet\n"), std::string::npos);
    EXPECT_EQ(home.Read("Sim-Corvena/notizen.txt"), " ");
    // The program's icons are beside it, every one that the build stages.
    for (const auto& icon : fs::directory_iterator(fs::path(CORVENA_STAGE_DIR) / "icons"))
        EXPECT_TRUE(fs::exists(std::string(prefix) + "/lib/sim-corvena/icons/" + icon.path().filename().string()))
            << icon.path();
    // The plankton's window was made: its plug-in loaded in the installed program.
    const std::string plankton = home.Read("Sim-Corvena/algenbluete.log");
    EXPECT_EQ(plankton.rfind("Aufzeichung der Aktivit\xE4ten\n", 0), 0u) << plankton;
}
