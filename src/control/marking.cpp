// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/marking.h"

#include "board/wheel.h"
#include "text/plain_number.h"
#include "window/form_model.h"

#include <string>

namespace ravelin {

namespace {

bool isMarked(const GridModel& tabelle1) { return tabelle1.cellBackColour() == colour::lightGreen; }

// What a reader hears of a mark that changed, after the number: "9 markiert".
constexpr std::string_view markedWords = " markiert";
constexpr std::string_view unmarkedWords = " nicht markiert";
constexpr std::string_view marksClearedWords = "Markierungen gel\u00f6scht";
constexpr std::string_view firstAppearancesClearedWords =
    "Eintr\u00e4ge des ersten Erscheinens gel\u00f6scht";

} // namespace

void clearCounts(FormModel& form)
{
    GridModel& t1 = form.tabelle1;
    for (int n = 0; n <= wheel::lastNumber; ++n) {
        t1.setRow(n);
        for (int col = tabelle1col::frequency; col <= tabelle1col::threeInARow; ++col) {
            t1.setCol(col);
            t1.setText("");
        }
    }
}

void rearmGreenGrid(FormModel& form)
{
    GridModel& t1 = form.tabelle1;
    GridModel& t2 = form.tabelle2;
    t1.setCol(tabelle1col::number);
    t2.setCol(0);
    for (int n = 0; n <= wheel::lastNumber; ++n) {
        t1.setRow(n);
        t2.setRow(n);
        t2.setText(isMarked(t1) ? armed : "");
    }
}

void Marking::tabelle1Click()
{
    GridModel& t1 = form_.tabelle1;
    GridModel& t2 = form_.tabelle2;
    // The row decides, not the column; of a drag only the row it ended on.
    const int n = t1.selectionEndRow();
    if (n < 0 || n > wheel::lastNumber)
        return;
    t1.setRow(n);
    t2.setRow(n);
    t1.setCol(tabelle1col::number);
    t2.setCol(0);
    const bool wasMarked = isMarked(t1);
    if (wasMarked) {
        t1.setCellBackColour(colour::standard);
        t2.setText("");
    } else {
        t1.setCellBackColour(colour::lightGreen);
        t2.setText(armed);
    }
    std::string words(PlainNumber(n).text());
    words += wasMarked ? unmarkedWords : markedWords;
    form_.announcement.say(words);
}

void Marking::okresetlClick()
{
    GridModel& t1 = form_.tabelle1;
    GridModel& t2 = form_.tabelle2;
    t1.setCol(tabelle1col::number);
    t2.setCol(0);
    for (int n = 0; n <= wheel::lastNumber; ++n) {
        t1.setRow(n);
        t2.setRow(n);
        t1.setCellBackColour(colour::standard);
        t2.setText("");
    }
    form_.announcement.say(marksClearedWords);
}

void Marking::command1Click()
{
    rearmGreenGrid(form_);
    form_.announcement.say(firstAppearancesClearedWords);
}

} // namespace ravelin
