// The demo course's pond pages: every file the proposed themes name is
// there, and every picture a page shows exists and stays small.

#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>
#include <wx/filename.h>

namespace
{
    const std::string COURSE = CORVENA_SOURCE_DIR "/course/";

    std::string Read(const std::string& path)
    {
        std::ifstream file(path, std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }
}

TEST(Pond_Course, Proposed_Themes_Name_Existing_Pages_With_Small_Pictures)
{
    const std::string themes = Read(COURSE + "teich_simulation/THEMEN.txt");
    ASSERT_FALSE(themes.empty());
    std::set<std::string> plugins;
    int pages = 0;
    const std::regex key("^(Content|Tasks|Simulation)=(.*)$");
    std::istringstream lines(themes);
    for (std::string line; std::getline(lines, line);)
    {
        std::smatch match;
        if (!std::regex_match(line, match, key))
            continue;
        if (match[1] == "Simulation")
        {
            plugins.insert(match[2]);
            continue;
        }
        const std::string page = Read(COURSE + std::string(match[2]));
        ASSERT_FALSE(page.empty()) << match[2];
        pages++;
        // Plain ASCII with entities: readable whatever code page a course uses.
        EXPECT_EQ(std::count_if(page.begin(), page.end(), [](char c) { return c & 0x80; }), 0) << match[2];
        const std::string dir = COURSE + wxFileName(std::string(match[2])).GetPath().ToStdString() + "/";
        const std::regex picture("src=\"(\\./)?([^\"]+)\"");
        int pictures = 0;
        for (auto it = std::sregex_iterator(page.begin(), page.end(), picture); it != std::sregex_iterator(); ++it)
        {
            const wxString file = dir + (*it)[2].str();
            EXPECT_TRUE(wxFileName::FileExists(file)) << file;
            EXPECT_LT(wxFileName::GetSize(file), wxULongLong(40 * 1024)) << file;
            pictures++;
        }
        EXPECT_EQ(pictures, 1) << match[2];
    }
    EXPECT_EQ(pages, 4);
    EXPECT_EQ(plugins, (std::set<std::string>{"../plugins/fischlauf.so", "../plugins/fischlauf_2.so"}));
}
