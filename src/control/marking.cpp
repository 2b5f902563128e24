// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/marking.h"

#include "board/wheel.h"
#include "window/form_model.h"

namespace ravelin {

namespace {

bool isMarked(const GridModel& tabelle1) { return tabelle1.cellBackColour() == colour::lightGreen; }

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
    if (isMarked(t1)) {
        t1.setCellBackColour(colour::standard);
        t2.setText("");
    } else {
        t1.setCellBackColour(colour::lightGreen);
        t2.setText(armed);
    }
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
}

void Marking::command1Click() { rearmGreenGrid(form_); }

} // namespace ravelin
