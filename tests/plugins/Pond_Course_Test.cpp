// The simulations of the demo course: each theme names a built plug-in,
// every key of its option string is one the plug-in reads (a misspelt key
// would silently leave the default), no key hides another, and each shown
// value lies inside its control's range.

#include "shell/CSim_Config.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <wx/tokenzr.h>

namespace
{
    const wxString COURSE = CORVENA_SOURCE_DIR "/course/";

    struct Parameter
    {
        double Min, Max;
        bool Shown;
        bool Percent;
    };

    std::map<wxString, Parameter> Parameters(bool three_species)
    {
        std::map<wxString, Parameter> p = {
            {"TIME", {25, 10000, true, false}},     {"ZOOM", {10, 10000, true, false}},
            {"RF_KAP", {1, 10000, true, false}},    {"RF_START", {1, 10000, true, false}},
            {"RF_GROW", {0, 1, true, true}},        {"HE_START", {1, 10000, true, false}},
            {"HE_DEAD", {0, 1, true, true}},
        };
        if (three_species)
        {
            p["KA_START"] = {1, 10000, true, false};
            p["KA_GROW"] = {0, 1, true, true};
        }
        else
        {
            p["RF_FEED"] = {0.1, 5, false, true};
            p["HE_GROW"] = {0.1, 5, false, true};
        }
        return p;
    }

    std::set<wxString> Keys(bool three_species)
    {
        std::set<wxString> keys = {"RESET_SHOW", "RESET_NAME", "SZENARIO", "SZENARIO_SHOW", "SZENARIO_NAME",
                                   "DEFAULT_SHOW", "DEFAULT_NAME", "SHOW_VARS", "SIM_TYPE", "X_NAME", "Y_NAME"};
        for (const auto& p : Parameters(three_species))
            for (const char* suffix : {"", "_MIN", "_MAX", "_SHOW", "_NAME"})
                keys.insert(p.first + suffix);
        return keys;
    }

    struct Simulation_Theme
    {
        wxString Group, Plugin, Options, Log;
    };

    void Collect(CSim_Config& config, std::vector<Simulation_Theme>& themes)
    {
        Simulation_Theme theme;
        theme.Group = config.Get_Path();
        if (config.Read("Simulation", &theme.Plugin))
        {
            config.Read("Simulation_Opts", &theme.Options);
            config.Read("Simulation_Log", &theme.Log);
            themes.push_back(theme);
        }
        const wxString path = config.Get_Path();
        wxString group;
        long cookie;
        for (bool more = config.Get_First_Group(&group, &cookie); more; more = config.Get_Next_Group(&group, &cookie))
        {
            config.Set_Path(group);
            Collect(config, themes);
            config.Set_Path(path);
        }
    }
}

TEST(Pond_Course, Option_Strings_Use_Known_Keys_And_Sound_Values)
{
    CSim_Config config(COURSE + "themen.ini");
    ASSERT_TRUE(config.Is_Open());
    config.Set_Path("/Themes");
    std::vector<Simulation_Theme> themes;
    Collect(config, themes);
    ASSERT_EQ(themes.size(), 3u);

    std::set<wxString> plugins, logs;
    for (const Simulation_Theme& theme : themes)
    {
        SCOPED_TRACE(theme.Group.utf8_str().data());
        plugins.insert(theme.Plugin);
        EXPECT_TRUE(theme.Plugin == "../plugins/fischlauf.so" || theme.Plugin == "../plugins/fischlauf_2.so");
        const bool three = theme.Plugin.Contains("fischlauf_2");

        // Records go to the pupil's folder, one file per simulation.
        EXPECT_TRUE(theme.Log.StartsWith("~/Sim-Corvena/") && theme.Log.EndsWith(".log")) << theme.Log;
        EXPECT_TRUE(logs.insert(theme.Log).second) << theme.Log;

        const std::set<wxString> known = Keys(three);
        std::map<wxString, wxString> values;
        size_t pos = 0;
        for (const wxString& item : wxSplit(theme.Options, ';', '\0'))
        {
            const wxString key = item.BeforeFirst('=');
            const wxString value = item.AfterFirst('=');
            EXPECT_TRUE(item.Contains("=") && known.count(key)) << item;
            EXPECT_FALSE(value.Contains("=")) << item;
            // The plug-in finds a key at its first occurrence anywhere in the
            // string; it must be this item's own.
            EXPECT_EQ(theme.Options.find(key + "="), pos) << item;
            EXPECT_TRUE(values.emplace(key, value).second) << item;
            double number;
            if (!key.EndsWith("_NAME"))
            {
                EXPECT_TRUE(value.ToCDouble(&number)) << item;
            }
            pos += item.length() + 1;
        }

        for (const auto& p : Parameters(three))
        {
            if (!values.count(p.first))
                continue;
            double value = 0, shown = p.second.Shown, min = p.second.Min, max = p.second.Max;
            values[p.first].ToCDouble(&value);
            if (values.count(p.first + "_SHOW"))
                values[p.first + "_SHOW"].ToCDouble(&shown);
            if (values.count(p.first + "_MIN"))
                values[p.first + "_MIN"].ToCDouble(&min);
            if (values.count(p.first + "_MAX"))
                values[p.first + "_MAX"].ToCDouble(&max);
            if (shown == 0)
                continue;
            // A shown control clamps its value; the pupil's curves would then
            // start apart from the pale start curves.
            if (p.second.Percent)
                EXPECT_TRUE(value >= 0 && value <= 100) << p.first;
            else
                EXPECT_TRUE(value >= min && value <= max) << p.first;
        }
    }
    EXPECT_EQ(plugins.size(), 2u);
}
