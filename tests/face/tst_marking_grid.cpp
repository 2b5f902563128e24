// SPDX-License-Identifier: GPL-3.0-or-later
// Marking numbers with the mouse in the real frequency grid.

#include "support/shown_window.h"

#include <QTableView>
#include <QtTest>

#include <cstdlib>

using namespace ravelin;

class MarkingGridTest : public ravelin::testing::WindowTest<> {
    Q_OBJECT

private:
    QTableView* t1 = nullptr;
    QTableView* t2 = nullptr;

    QPoint cellCentre(QTableView* view, int row, int col)
    {
        return view->visualRect(view->model()->index(row, col)).center();
    }
    // The colour the user sees near the top-left corner of a cell, clear of its text.
    QColor shownColour(QTableView* view, int row, int col)
    {
        const QImage image = view->viewport()->grab().toImage();
        const QPoint p = view->visualRect(view->model()->index(row, col)).topLeft() + QPoint(2, 2);
        return image.pixelColor(p * image.devicePixelRatio());
    }
    // Cells show their colour as it is, also the cell clicked last.
    static bool near(QColor a, QColor b) { return a.rgb() == b.rgb(); }
    static QColor markGreen() { return QColor(192, 255, 192); }
    bool marked(int n) { return window->model().tabelle1.colourAt(n, 0) == colour::lightGreen; }

private slots:
    void init()
    {
        QVERIFY(open());
        t1 = window->findChild<QTableView*>("tabelle1");
        t2 = window->findChild<QTableView*>("tabelle2");
        QVERIFY(t1 && t2);
    }
    void cleanup() { close(); }

    void clickOnACountCellMarksItsNumber()
    {
        const QColor unmarked = shownColour(t1, 17, 0);
        QVERIFY(!near(unmarked, markGreen()));

        QTest::mouseClick(t1->viewport(), Qt::LeftButton, {}, cellCentre(t1, 17, 2));
        QVERIFY(marked(17));
        QCOMPARE(window->model().tabelle2.textAt(17, 0), std::string(" "));
        // Seen at once: the label cell turns light green, the green cell still looks empty.
        QVERIFY(near(shownColour(t1, 17, 0), markGreen()));
        QCOMPARE(t1->model()->index(17, 0).data().toString(), QString("17"));
        QVERIFY(t2->model()->index(17, 0).data().toString().trimmed().isEmpty());
        QVERIFY(near(shownColour(t2, 17, 0), markGreen()));
        for (int n = 0; n <= 36; ++n)
            if (n != 17)
                QVERIFY2(!marked(n), qPrintable(QString::number(n)));

        QTest::mouseClick(t1->viewport(), Qt::LeftButton, {}, cellCentre(t1, 17, 0));
        QVERIFY(!marked(17));
        QCOMPARE(window->model().tabelle2.textAt(17, 0), std::string());
        // Away from the cell, so that no hover shading stands in for its colour.
        QTest::mouseMove(t1->viewport(), cellCentre(t1, 30, 3));
        QVERIFY(!near(shownColour(t1, 17, 0), markGreen()));
    }

    void theClickedLabelCellShowsItsMark()
    {
        QTest::mouseClick(t1->viewport(), Qt::LeftButton, {}, cellCentre(t1, 5, 0));
        QVERIFY(marked(5));
        QVERIFY(near(shownColour(t1, 5, 0), markGreen()));
    }

    void dragTogglesOnlyTheRowWhereItEnds()
    {
        QTest::mousePress(t1->viewport(), Qt::LeftButton, {}, cellCentre(t1, 3, 1));
        QTest::mouseMove(t1->viewport(), cellCentre(t1, 6, 1));
        QTest::mouseMove(t1->viewport(), cellCentre(t1, 9, 1));
        QTest::mouseRelease(t1->viewport(), Qt::LeftButton, {}, cellCentre(t1, 9, 1));
        QVERIFY(marked(9));
        QVERIFY(near(shownColour(t1, 9, 0), markGreen()));
        for (int n = 0; n <= 36; ++n)
            if (n != 9)
                QVERIFY2(!marked(n) && window->model().tabelle2.textAt(n, 0).empty(),
                         qPrintable(QString::number(n)));
    }

    // Through the window system, as the desktop delivers it: press, release,
    // press with the double-click, release.
    void doubleClickTogglesOnceTwoClicksTwice()
    {
        QWindow* handle = window->windowHandle();
        const auto at = [&](int row) {
            return t1->viewport()->mapTo(window.get(), cellCentre(t1, row, 1));
        };
        QTest::mouseDClick(handle, Qt::LeftButton, {}, at(12));
        QVERIFY(marked(12));
        QTest::mouseDClick(handle, Qt::LeftButton, {}, at(12));
        QVERIFY(!marked(12));
        QTest::mouseClick(handle, Qt::LeftButton, {}, at(13));
        QTest::mouseClick(handle, Qt::LeftButton, {}, at(13));
        QVERIFY(!marked(13));
    }

    // From the keyboard: Space, Return or Enter on the current row toggles
    // its mark as one click does, and a screen reader is told so.
    void spaceOrReturnOnARowTogglesItsMark()
    {
        t1->setFocus(Qt::TabFocusReason);
        t1->setCurrentIndex(t1->model()->index(7, 2));
        QTest::keyClick(t1, Qt::Key_Space);
        QVERIFY(marked(7));
        QCOMPARE(window->model().tabelle2.textAt(7, 0), std::string(" "));
        QVERIFY(near(shownColour(t1, 7, 0), markGreen()));
        QTest::keyClick(t1, Qt::Key_Return);
        QVERIFY(!marked(7));
        QVERIFY(window->model().tabelle2.textAt(7, 0).empty());
        QTest::keyClick(t1, Qt::Key_Down);
        QTest::keyClick(t1, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(marked(8));
        for (int n = 0; n <= 36; ++n)
            if (n != 8)
                QVERIFY2(!marked(n), qPrintable(QString::number(n)));
        QVERIFY2(t1->accessibleDescription().contains("Leertaste"),
                 qPrintable(t1->accessibleDescription()));
    }

    void okresetlClearsWhatTheGridShows()
    {
        for (int n : {0, 20})
            QTest::mouseClick(t1->viewport(), Qt::LeftButton, {}, cellCentre(t1, n, 1));
        window->model().tabelle2.setTextAt(20, 0, "14");
        window->refresh();
        QCOMPARE(t2->model()->index(20, 0).data().toString(), QString("14"));

        QTest::mouseClick(window->findChild<QWidget*>("okresetl"), Qt::LeftButton);
        QVERIFY(!marked(0) && !marked(20));
        QVERIFY(t2->model()->index(20, 0).data().toString().isEmpty());
        QVERIFY(!near(shownColour(t1, 20, 0), markGreen()));
    }
};

QTEST_MAIN(MarkingGridTest)
#include "tst_marking_grid.moc"
