// Painting of both plots into bitmaps of known sizes: the empty state,
// curves where the model puts them, off-scale points, the parameter box.

#include "plugins/fischlauf/CSim_Pond_Plot.h"
#include "plugins/fischlauf_2/CSim_Pond3_Plot.h"

#include "tests/plugins/Pond_Test_Helpers.h"

#include <cmath>
#include <wx/frame.h>

namespace
{
    const wxColour Black(0, 0, 0);
    const wxColour White(255, 255, 255);
    const wxColour Grey(127, 127, 127);

    Pond_Parameters Defaults()
    {
        Pond_Parameters p;
        p.a = 0.08;
        p.d = 0.2;
        p.Rudd_Start = 200;
        p.Pike_Start = 20;
        p.Capacity = 1000;
        return p;
    }

    class Pond_Draw : public testing::Test
    {
    protected:
        void SetUp() override { m_pFrame = new wxFrame(nullptr, wxID_ANY, "Plot"); }
        void TearDown() override { m_pFrame->Destroy(); }

        // A plot as the window leaves it after an update.
        CSim_Pond_Plot* Plot(const Pond_Parameters& current, int predation = 2, double zoom = 1500)
        {
            CSim_Pond_Plot* plot = new CSim_Pond_Plot(m_pFrame);
            plot->Set_Predation(predation);
            plot->Set_Reference(Defaults());
            plot->Set_Current(current);
            plot->Set_Steps(200);
            plot->Set_Zoom(zoom);
            plot->Compute();
            return plot;
        }

        template <class Plot>
        static wxImage Draw(Plot* plot, const wxSize& size, bool drawn = true)
        {
            return Paint(size, [&](wxDC& dc) { EXPECT_EQ(plot->Draw_Plot(dc, size), drawn); });
        }

        // Where point i of values lands on a plot of size (rectangle from
        // x 20, 20 pixels short of the bottom), as the model's numbers say.
        static wxPoint Where(const std::vector<double>& values, int i, const wxSize& size, double zoom = 1500)
        {
            const int width = size.x - 20, height = size.y - 20;
            return wxPoint(int(i * double(width) / values.size()) + 20,
                           height - int(height / zoom * values[i]));
        }

        wxFrame* m_pFrame = nullptr;
    };
}

TEST_F(Pond_Draw, No_Series_Draw_Two_Diagonals_Only)
{
    const wxSize size(300, 200);
    const wxImage fresh = Draw(new CSim_Pond_Plot(m_pFrame), size, false);
    const wxImage fresh3 = Draw(new CSim_Pond3_Plot(m_pFrame), size, false);
    // No rudd and no pike after the start: nothing worth a plot either.
    Pond_Parameters none = Defaults();
    none.Rudd_Start = none.Pike_Start = 0;
    const wxImage extinct = Draw(Plot(none), size, false);
    for (const wxImage* image : {&fresh, &fresh3, &extinct})
    {
        EXPECT_TRUE(Colour_Near(*image, 150, 100, Black, 1));
        EXPECT_TRUE(Colour_Near(*image, 30, 20, Black, 1));
        EXPECT_TRUE(Colour_Near(*image, 270, 20, Black, 1));
        EXPECT_TRUE(Colour_Near(*image, 30, 180, Black, 1));
        // Nothing else: no grid, no titles.
        EXPECT_EQ(Count_Ink(*image, wxRect(100, 0, 100, 40)), 0);
        EXPECT_EQ(Count_Ink(*image, wxRect(100, 160, 100, 40)), 0);
        EXPECT_EQ(Count_Ink(*image, wxRect(0, 70, 60, 60)), 0);
    }
}

TEST_F(Pond_Draw, Curves_Axes_And_Titles_Lie_Where_The_Model_Puts_Them)
{
    const wxSize size(600, 400);
    Pond_Parameters faster = Defaults();
    faster.a = 0.15;
    CSim_Pond_Plot* plot = Plot(faster);
    const wxImage image = Draw(plot, size);
    const Pond_Series& current = plot->Get_Current_Series();
    const Pond_Series& reference = plot->Get_Reference_Series();
    std::vector<wxPoint> pale_points;
    for (int i : {10, 60, 120, 190})
    {
        SCOPED_TRACE(i);
        const std::vector<double>* series[] = {&current.Capacity, &current.Rudd, &current.Pike};
        for (int group = 0; group < 3; group++)
        {
            const wxPoint at = Where(*series[group], i, size);
            EXPECT_TRUE(Colour_Near(image, at.x, at.y, CSim_Pond_Plot::Species_Colour(group, false), 1))
                << group << " at " << at.x << "," << at.y;
        }
        // The reference rudd, where the faster current rudd is elsewhere.
        const wxPoint pale = Where(reference.Rudd, i, size);
        if (std::abs(pale.y - Where(current.Rudd, i, size).y) > 6)
        {
            EXPECT_TRUE(Colour_Near(image, pale.x, pale.y, CSim_Pond_Plot::Species_Colour(1, true), 1));
            pale_points.push_back(pale);
        }
    }
    EXPECT_GE(pale_points.size(), 2u);
    EXPECT_EQ(CSim_Pond_Plot::Species_Colour(1, true), wxColour(204, 204, 255));
    EXPECT_EQ(CSim_Pond_Plot::Species_Colour(0, true), wxColour(204, 229, 204));

    // Grid lines, the value axis title left of the plot, the time axis
    // title centred below it.
    EXPECT_GT(Count_Colour(image, wxRect(20, 0, 580, 380), Grey), 1000);
    EXPECT_GT(Count_Ink(image, wxRect(0, 160, 18, 60)), 20);
    EXPECT_GT(Count_Ink(image, wxRect(260, 384, 80, 16)), 20);
    EXPECT_EQ(Count_Ink(image, wxRect(20, 384, 200, 16)), 0);

    // Without the reference the pale curve is gone.
    plot->Set_Show_Reference(0);
    const wxImage alone = Draw(plot, size);
    for (const wxPoint& pale : pale_points)
        EXPECT_FALSE(Colour_Near(alone, pale.x, pale.y, CSim_Pond_Plot::Species_Colour(1, true), 1));
}

TEST_F(Pond_Draw, Curve_Sets_Follow_The_Plug_In_And_The_Predation_Type)
{
    const wxSize size(500, 300);
    const wxColour red = CSim_Pond_Plot::Species_Colour(2, false);
    const wxRect all(0, 0, 500, 300);
    EXPECT_EQ(Count_Colour(Draw(Plot(Defaults(), 0), size), all, red), 0);
    EXPECT_GT(Count_Colour(Draw(Plot(Defaults(), 7), size), all, red), 100);

    // Four curves in each set of the three-species plot, whatever SIM_TYPE.
    CSim_Pond3_Plot* plot = new CSim_Pond3_Plot(m_pFrame);
    Pond3_Parameters p;
    p.a = 0.08;
    p.b = 0.06;
    p.d = 0.2;
    p.Rudd_Start = 200;
    p.Carp_Start = 100;
    p.Pike_Start = 20;
    p.Capacity = 1000;
    plot->Set_Reference(p);
    p.b = 0.2;
    plot->Set_Current(p);
    plot->Set_Predation(0);
    plot->Set_Steps(200);
    plot->Set_Zoom(1500);
    plot->Compute();
    const wxImage image = Draw(plot, size);
    for (int group = 0; group < 4; group++)
    {
        EXPECT_GT(Count_Colour(image, all, CSim_Pond3_Plot::Species_Colour(group, false)), 100) << group;
        EXPECT_GT(Count_Colour(image, all, CSim_Pond3_Plot::Species_Colour(group, true)), 50) << group;
    }
    const wxPoint carp = Where(plot->Get_Current_Series().Carp, 100, size);
    EXPECT_TRUE(Colour_Near(image, carp.x, carp.y, wxColour(0, 127, 200), 1));
    EXPECT_EQ(CSim_Pond3_Plot::Species_Colour(2, true), wxColour(204, 229, 244));
}

TEST_F(Pond_Draw, Off_Scale_Points_Stay_Just_Outside_The_Window)
{
    // ZOOM 500 under a capacity of 1000: its line runs above the top edge.
    const wxColour green = CSim_Pond_Plot::Species_Colour(0, false);
    const wxImage low = Draw(Plot(Defaults(), 2, 500), wxSize(500, 300));
    EXPECT_EQ(Count_Colour(low, wxRect(0, 0, 500, 300), green), 0);

    // No rudd (and pike that stay, without predation): the rudd curve lies
    // on the bottom edge of the plot, also on a plot taller than 1000
    // pixels (a maximised window on a large screen).
    Pond_Parameters no_rudd = Defaults();
    no_rudd.Rudd_Start = 0;
    const wxColour blue = CSim_Pond_Plot::Species_Colour(1, false);
    for (int height : {400, 1200})
    {
        SCOPED_TRACE(height);
        const wxImage image = Draw(Plot(no_rudd, 0), wxSize(400, height));
        const int bottom = height - 20;
        for (int x : {60, 200, 380})
            EXPECT_TRUE(Colour_Near(image, x, bottom, blue, 1)) << x;
        EXPECT_EQ(Count_Colour(image, wxRect(0, 0, 400, bottom - 3), blue), 0);
    }

    // A value far beyond any scale is cut before it becomes a coordinate.
    Pond_Parameters huge = Defaults();
    huge.Capacity = 1e300;
    huge.Rudd_Start = -1e300;
    CSim_Pond_Plot* off_scale = Plot(huge, 0, 1500);
    EXPECT_EQ(off_scale->Get_Current_Series().Rudd[0], -1e300);
    const wxImage cut = Draw(off_scale, wxSize(400, 300));
    EXPECT_EQ(Count_Colour(cut, wxRect(0, 0, 400, 300), green), 0);
}

TEST_F(Pond_Draw, The_Parameter_Box_Shows_In_The_Pen_Of_The_Last_Curve)
{
    const wxSize size(500, 300);
    CSim_Pond_Plot* plot = Plot(Defaults());
    const wxColour red = CSim_Pond_Plot::Species_Colour(2, false);
    EXPECT_FALSE(Colour_Near(Draw(plot, size), 0, 15, red, 0));
    plot->Set_Show_Box(1);
    const wxImage boxed = Draw(plot, size);
    EXPECT_TRUE(Colour_Near(boxed, 0, 15, red, 0));
    EXPECT_GT(Count_Ink(boxed, wxRect(3, 2, 50, 24)), 20);
}

TEST_F(Pond_Draw, Series_Are_Resized_Only_For_A_New_Number_Of_Steps)
{
    CSim_Pond_Plot* plot = Plot(Defaults());
    const double* points = plot->Get_Current_Series().Rudd.data();
    EXPECT_FALSE(plot->Set_Steps(200));
    EXPECT_FALSE(plot->Set_Steps(0));
    EXPECT_EQ(plot->Get_Steps(), 200);
    EXPECT_EQ(plot->Get_Current_Series().Rudd.data(), points);
    EXPECT_TRUE(plot->Set_Steps(300));
    for (const Pond_Series* series : {&plot->Get_Current_Series(), &plot->Get_Reference_Series()})
        for (const std::vector<double>* values : {&series->Capacity, &series->Rudd, &series->Pike})
            EXPECT_EQ(values->size(), 300u);

    CSim_Pond3_Plot* plot3 = new CSim_Pond3_Plot(m_pFrame);
    EXPECT_TRUE(plot3->Set_Steps(200));
    EXPECT_FALSE(plot3->Set_Steps(200));
    EXPECT_EQ(plot3->Get_Reference_Series().Carp.size(), 200u);
}
