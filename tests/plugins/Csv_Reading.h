#pragma once

// Reads an exported values file back as a German spreadsheet does.

#include <charconv>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

using Csv_Rows = std::vector<std::vector<std::string>>;

/// Rows at line feeds, cells at semicolons; no quoting is undone.
inline Csv_Rows Read_Csv(const std::string& bytes)
{
    Csv_Rows rows;
    std::istringstream lines(bytes);
    for (std::string line; std::getline(lines, line);)
    {
        rows.emplace_back();
        std::istringstream cells(line + ';');
        for (std::string cell; std::getline(cells, cell, ';');)
            rows.back().push_back(cell);
    }
    return rows;
}

/// Every row after the header holds the time i * dt and point i of each
/// series, with a decimal comma (a full stop fails) and six decimals.
inline void Expect_Columns(const Csv_Rows& rows, double dt,
                           const std::vector<const std::vector<double>*>& series)
{
    ASSERT_EQ(rows.size(), series.front()->size() + 1);
    for (size_t i = 1; i < rows.size(); i++)
    {
        ASSERT_EQ(rows[i].size(), series.size() + 1) << "row " << i;
        for (size_t c = 0; c < rows[i].size(); c++)
        {
            std::string cell = rows[i][c];
            ASSERT_EQ(cell.find('.'), std::string::npos) << cell;
            const size_t comma = cell.find(',');
            if (comma != std::string::npos)
                cell[comma] = '.';
            double value = -1;
            const auto r = std::from_chars(cell.data(), cell.data() + cell.size(), value);
            ASSERT_TRUE(r.ec == std::errc() && r.ptr == cell.data() + cell.size()) << rows[i][c];
            EXPECT_NEAR(value, c == 0 ? (i - 1) * dt : (*series[c - 1])[i - 1], 5e-7) << "row " << i;
        }
    }
}
