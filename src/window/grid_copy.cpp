// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/grid_copy.h"

#include "window/colour_meaning.h"
#include "window/form_model.h"

#include <string_view>

namespace ravelin {

namespace {

// A cell as its text reads, without the blanks the grid pads it with: a
// count stays a plain integer, a blank stays an empty cell.
std::string cellOf(const GridModel& grid, int row, int col)
{
    std::string_view text = grid.textAt(row, col);
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    return std::string(text);
}

void appendEscaped(std::string& html, std::string_view text)
{
    for (const char c : text) {
        switch (c) {
        case '&':
            html += "&amp;";
            break;
        case '<':
            html += "&lt;";
            break;
        case '>':
            html += "&gt;";
            break;
        default:
            html += c;
        }
    }
}

} // namespace

CopiedTable copyOfFrequencies(const GridModel& tabelle1)
{
    CopiedTable table{{"Zahl", "Anzahl", "2fach", "3fach", "markiert"}, {}};
    for (int row = 0; row < tabelle1.rows(); ++row) {
        std::vector<std::string> cells;
        cells.reserve(table.headings.size());
        for (int col = 0; col < tabelle1.cols(); ++col)
            cells.push_back(cellOf(tabelle1, row, col));
        cells.emplace_back(isMarkedNumber(tabelle1, row) ? "ja" : "");
        table.rows.push_back(std::move(cells));
    }
    return table;
}

CopiedTable copyOfFirstAppearances(const GridModel& tabelle2)
{
    CopiedTable table{{"Zahl", "Erstes Erscheinen"}, {}};
    for (int row = 0; row < tabelle2.rows(); ++row)
        table.rows.push_back({std::to_string(row), cellOf(tabelle2, row, 0)});
    return table;
}

CopiedTable copyOfSpinLog(const GridModel& tabelle3)
{
    CopiedTable table{{"Zahl", "1. Wurf", "Sechser", "2. Wurf", "Kolonne", "3. Wurf", "Farbe"}, {}};
    for (int row = 0; row < tabelle3.rowsInUse(); ++row) {
        std::vector<std::string> cells{cellOf(tabelle3, row, 0)};
        for (int col = 1; col < tabelle3.cols(); ++col) {
            const std::string cell = cellOf(tabelle3, row, col);
            const auto slash = cell.find('/');
            cells.push_back(cell.substr(0, slash));
            cells.push_back(slash == std::string::npos ? std::string() : cell.substr(slash + 1));
        }
        table.rows.push_back(std::move(cells));
    }
    return table;
}

std::string asTabSeparated(const CopiedTable& table)
{
    std::string text;
    const auto line = [&text](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i)
            text += (i ? "\t" : "") + cells[i];
        text += '\n';
    };
    line(table.headings);
    for (const auto& row : table.rows)
        line(row);
    return text;
}

std::string asHtmlTable(const CopiedTable& table)
{
    std::string html = "<table>\n<tr>";
    for (const std::string& heading : table.headings) {
        html += "<th>";
        appendEscaped(html, heading);
        html += "</th>";
    }
    html += "</tr>\n";
    for (const auto& row : table.rows) {
        html += "<tr>";
        for (const std::string& cell : row) {
            html += "<td>";
            appendEscaped(html, cell);
            html += "</td>";
        }
        html += "</tr>\n";
    }
    html += "</table>\n";
    return html;
}

} // namespace ravelin
