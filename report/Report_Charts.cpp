#include "report/Report_Charts.h"

#include "report/Class_Overview.h"

#include <algorithm>
#include <cerrno>
#include <memory>
#include <wx/brush.h>
#include <wx/graphics.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/pen.h>

const char* const Time_Chart_File = "zeit_themen.png";
const char* const Selftest_Chart_File = "selbsttest.png";

namespace
{
    constexpr int Width = 1100, Row = 28, Bar = 20, Top = 34, Right = 110, Left_Most = 260;

    // Twelve colours that stay apart from each other, also in print.
    const wxColour Palette[] = {{31, 119, 180}, {255, 127, 14}, {44, 160, 44},  {214, 39, 40},
                                {148, 103, 189}, {140, 86, 75}, {227, 119, 194}, {127, 127, 127},
                                {188, 189, 34}, {23, 190, 207}, {255, 187, 120}, {152, 223, 138}};
    const wxColour Grid(220, 220, 220), Ink(40, 40, 40), Pale(130, 130, 130);

    wxFont Chart_Font(bool bold = false)
    {
        return wxFont(wxFontInfo(10).Family(wxFONTFAMILY_SWISS).Bold(bold));
    }

    /// A white picture of the given height with a context to draw into it.
    class Canvas
    {
    public:
        explicit Canvas(int height) : m_Image(Width, height)
        {
            m_Image.SetRGB(wxRect(0, 0, Width, height), 255, 255, 255);
            m_pGc.reset(wxGraphicsContext::Create(m_Image));
            if (m_pGc)
                m_pGc->SetFont(Chart_Font(), Ink);
        }

        wxGraphicsContext* Gc() const { return m_pGc.get(); }

        void Box(double x, double y, double w, double h, const wxColour& colour)
        {
            m_pGc->SetPen(*wxTRANSPARENT_PEN);
            m_pGc->SetBrush(wxBrush(colour));
            m_pGc->DrawRectangle(x, y, w, h);
        }

        void Line(double x1, double y1, double x2, double y2, const wxColour& colour)
        {
            m_pGc->SetPen(wxPen(colour, 1));
            m_pGc->StrokeLine(x1, y1, x2, y2);
        }

        void Text(const wxString& text, double x, double y, const wxColour& colour = Ink, bool bold = false)
        {
            m_pGc->SetFont(Chart_Font(bold), colour);
            m_pGc->DrawText(text, x, y);
        }

        bool Save(const wxString& path)
        {
            if (!m_pGc)
                return errno = ENOMEM, false;
            m_pGc.reset();  // the picture is complete once its context is gone
            if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
                wxImage::AddHandler(new wxPNGHandler);
            wxLogNull quiet;
            return m_Image.SaveFile(path, wxBITMAP_TYPE_PNG) || (errno = errno ? errno : EIO, false);
        }

    private:
        wxImage m_Image;
        std::unique_ptr<wxGraphicsContext> m_pGc;
    };

    /// Measures texts in the charts' font. A context on a picture of its
    /// own: the toolkit's measuring context wants a display.
    class Measure
    {
    public:
        Measure() : m_Image(1, 1), m_pGc(wxGraphicsContext::Create(m_Image)) {}

        double Width(const wxString& text) const
        {
            if (!m_pGc)
                return 7.0 * text.length();
            m_pGc->SetFont(Chart_Font(), Ink);
            double w = 0, h = 0;
            m_pGc->GetTextExtent(text, &w, &h);
            return w;
        }

        // The width of the names' column.
        double Name_Column(const Class_Overview& overview) const
        {
            double widest = 80;
            for (const Pupil_Overview& pupil : overview.Pupils)
                widest = std::max(widest, Width(pupil.Name));
            return std::min<double>(widest + 16, Left_Most);
        }

        // text, cut to fit width. Labels come from pupils' files and may be
        // of any length: nothing longer than a line is measured.
        wxString Fitted(wxString text, double width) const
        {
            const wxString more = wxString::FromUTF8("…");
            if (text.length() > 80)
                text = text.Left(80) + more;
            if (Width(text) <= width)
                return text;
            while (text.length() > 1 && Width(text + more) > width)
                text.RemoveLast();
            return text + more;
        }

    private:
        wxImage m_Image;
        std::unique_ptr<wxGraphicsContext> m_pGc;
    };

    // A step for the grid of about six lines up to most (minutes).
    long Grid_Step(long most)
    {
        for (long step : {1, 2, 5, 10, 15, 20, 30, 60, 120, 240, 480, 960})
            if (most / step <= 6)
                return step;
        return most / 6 + 1;
    }

    void No_Rows(Canvas& canvas, const char* text)
    {
        canvas.Text(wxString::FromUTF8(text), 16, 12, Pale);
    }
}

bool Draw_Time_Chart(const Class_Overview& overview, const wxString& path)
{
    const Measure measure;
    const std::vector<wxString>& items = overview.Item_Order;
    const double left = measure.Name_Column(overview), span = Width - left - Right;

    // The legend's rows, filled from the left.
    std::vector<std::pair<double, int>> places;  // x and row of each item's key
    double x = 16;
    int legend_rows = items.empty() ? 0 : 1;
    std::vector<wxString> keys;
    for (const wxString& item : items)
    {
        keys.push_back(measure.Fitted(item, Width / 2));
        const double w = 22 + measure.Width(keys.back()) + 18;
        if (x + w > Width - 16 && x > 16)
        {
            x = 16;
            legend_rows++;
        }
        places.emplace_back(x, legend_rows - 1);
        x += w;
    }
    const int rows = int(overview.Pupils.size());
    const int legend_top = Top + std::max(rows, 1) * Row + 16;
    Canvas canvas(legend_top + legend_rows * 22 + 12);
    if (!canvas.Gc())
        return canvas.Save(path);
    if (rows == 0)
    {
        No_Rows(canvas, "Keine Aktivitätsprotokolle gefunden.");
        return canvas.Save(path);
    }

    std::vector<long> totals;
    for (const Pupil_Overview& pupil : overview.Pupils)
    {
        long total = 0;
        for (const Item_Time& item : pupil.Items)
            total += item.Seconds;
        totals.push_back(total);
    }
    const long most_minutes = std::max(1L, (*std::max_element(totals.begin(), totals.end()) + 59) / 60);
    const long step = Grid_Step(most_minutes), top_minutes = (most_minutes + step - 1) / step * step;
    const double per_second = span / (top_minutes * 60.0);
    for (long m = 0; m <= top_minutes; m += step)
    {
        const double gx = left + m * 60 * per_second;
        canvas.Line(gx, Top - 4, gx, Top + rows * Row, Grid);
        const wxString label = wxString::Format("%ld min", m);
        canvas.Text(label, gx - measure.Width(label) / 2, 8, Pale);
    }
    for (int r = 0; r < rows; r++)
    {
        const Pupil_Overview& pupil = overview.Pupils[r];
        const double y = Top + r * Row + (Row - Bar) / 2.0;
        canvas.Text(measure.Fitted(pupil.Name, left - 16), 8, y + 2);
        double bx = left;
        for (size_t i = 0; i < items.size(); i++)
            for (const Item_Time& item : pupil.Items)
                if (item.Item == items[i] && item.Seconds > 0)
                {
                    const double w = item.Seconds * per_second;
                    canvas.Box(bx, y, w, Bar, Palette[i % std::size(Palette)]);
                    bx += w;
                }
        const wxString total = totals[r] < 60 ? wxString::Format("%ld s", totals[r])
                                              : wxString::Format("%ld min", (totals[r] + 30) / 60);
        canvas.Text(total, bx + 6, y + 2, Pale);
    }
    for (size_t i = 0; i < items.size(); i++)
    {
        const double ky = legend_top + places[i].second * 22;
        canvas.Box(places[i].first, ky + 2, 14, 14, Palette[i % std::size(Palette)]);
        canvas.Text(keys[i], places[i].first + 20, ky + 1);
    }
    return canvas.Save(path);
}

bool Draw_Selftest_Chart(const Class_Overview& overview, const wxString& path)
{
    const Measure measure;
    const int rows = int(overview.Pupils.size());
    const double left = measure.Name_Column(overview), span = Width - left - Right - 40;
    Canvas canvas(Top + std::max(rows, 1) * Row + 12);
    if (!canvas.Gc())
        return canvas.Save(path);
    if (rows == 0)
    {
        No_Rows(canvas, "Keine Aktivitätsprotokolle gefunden.");
        return canvas.Save(path);
    }
    for (int percent = 0; percent <= 100; percent += 25)
    {
        const double gx = left + span * percent / 100;
        canvas.Line(gx, Top - 4, gx, Top + rows * Row, Grid);
        const wxString label = wxString::Format("%d %%", percent);
        canvas.Text(label, gx - measure.Width(label) / 2, 8, Pale);
    }
    const wxColour right(44, 160, 44), wrong(214, 39, 40);
    for (int r = 0; r < rows; r++)
    {
        const Pupil_Overview& pupil = overview.Pupils[r];
        const double y = Top + r * Row + (Row - Bar) / 2.0;
        canvas.Text(measure.Fitted(pupil.Name, left - 16), 8, y + 2);
        if (pupil.Selftest_Questions <= 0)
        {
            canvas.Text(pupil.Selftest_Questions == 0 ? wxString::FromUTF8("beendet ohne Fragen")
                                                      : wxString::FromUTF8("kein Selbsttest beendet"),
                        left + 6, y + 2, Pale);
            continue;
        }
        const double share = double(pupil.Selftest_Right) / pupil.Selftest_Questions;
        canvas.Box(left, y, span * share, Bar, right);
        canvas.Box(left + span * share, y, span * (1 - share), Bar, wrong);
        canvas.Text(wxString::Format(wxString::FromUTF8("%d von %d richtig"), pupil.Selftest_Right,
                                     pupil.Selftest_Questions),
                    left + span + 8, y + 2);
    }
    return canvas.Save(path);
}
