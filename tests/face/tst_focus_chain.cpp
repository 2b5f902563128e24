// SPDX-License-Identifier: GPL-3.0-or-later
// Where Tab and Shift+Tab go among a few plain widgets standing for stops.

#include "face/covers.h"
#include "face/focus_chain.h"
#include "window/controls.h"
#include "window/grid_model.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include <memory>

using namespace ravelin;

// Keeps the focus on a widget that a change disabled, as the program's
// window does until the whole change shows; the chain's landing moves it.
class HoldingWindow : public QWidget {
protected:
    bool focusNextPrevChild(bool /*next*/) override { return true; }
};

class FocusChainTest : public QObject {
    Q_OBJECT

private:
    // Stops in this order: box, the group's option 0, grid, option 1, button.
    ControlList controls;
    TextBox box{controls, "box"};
    OptionGroup group{controls, "group", {"a", "b", "c", "d"}, {"", "", "", ""}};
    GridModel grid{controls, "grid", 3, 1, 0};
    Button button{controls, "button", "OK"};

    std::unique_ptr<QWidget> window;
    QLineEdit* boxWidget = nullptr;
    QRadioButton* option0 = nullptr;
    QLineEdit* gridWidget = nullptr;
    QRadioButton* option1 = nullptr;
    QLineEdit* buttonWidget = nullptr;
    QWidget* cover = nullptr;
    std::unique_ptr<FocusChain> chain;

    QString next(QWidget* from, bool forward) const
    {
        QWidget* to = chain->next(from, forward);
        return to ? to->objectName() : QString("none");
    }

private slots:
    void init()
    {
        window = std::make_unique<HoldingWindow>();
        window->resize(300, 300);
        const auto make = [&](auto* widget, const char* name, int y) {
            widget->setObjectName(name);
            widget->setGeometry(10, y, 100, 20);
            return widget;
        };
        boxWidget = make(new QLineEdit(window.get()), "box", 10);
        option0 = make(new QRadioButton(window.get()), "option0", 40);
        gridWidget = make(new QLineEdit(window.get()), "grid", 70);
        option1 = make(new QRadioButton(window.get()), "option1", 100);
        buttonWidget = make(new QLineEdit(window.get()), "button", 130);
        // Stands over the grid and the second option when shown.
        cover = new QWidget(window.get());
        cover->setGeometry(0, 60, 200, 65);
        cover->hide();
        option0->setChecked(true);

        chain = std::make_unique<FocusChain>(
            std::vector<FocusStop>{box, {group, 0}, grid, {group, 1}, button});
        chain->place(box, *boxWidget);
        chain->place({group, 0}, *option0);
        chain->place(grid, *gridWidget);
        chain->place({group, 1}, *option1);
        chain->place(button, *buttonWidget);
        standsOver(*cover);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() { window.reset(); }

    void tabPassesOverWhatCannotTakeTheFocus()
    {
        QCOMPARE(next(boxWidget, true), QString("option0"));
        QCOMPARE(next(buttonWidget, true), QString("box"));  // round the end
        QCOMPARE(next(boxWidget, false), QString("button")); // and back round it
        // The group is one stop: its chosen option.
        QCOMPARE(next(option0, true), QString("grid"));
        QCOMPARE(next(gridWidget, true), QString("button"));
        option1->setChecked(true);
        QCOMPARE(next(gridWidget, true), QString("option1"));
        QCOMPARE(next(boxWidget, true), QString("grid"));
        // Disabled and hidden stops are passed over, both ways.
        gridWidget->setEnabled(false);
        buttonWidget->hide();
        QCOMPARE(next(option1, true), QString("box"));
        QCOMPARE(next(boxWidget, false), QString("option1"));
        QCOMPARE(next(option1, false), QString("box"));
    }

    void aShownCoverHidesWhatItCoversWhole()
    {
        cover->show();
        QCOMPARE(next(option0, true), QString("button"));
        QCOMPARE(next(buttonWidget, false), QString("option0"));
        // A stop within the cover is reached as ever.
        auto* inside = new QLineEdit(cover);
        inside->setGeometry(120, 5, 60, 20);
        inside->show();
        FocusChain withInside({box, grid, button});
        withInside.place(box, *boxWidget);
        withInside.place(grid, *inside);
        withInside.place(button, *buttonWidget);
        QCOMPARE(withInside.next(boxWidget, true), static_cast<QWidget*>(inside));
        cover->hide();
        QCOMPARE(next(option0, true), QString("grid"));
    }

    void fromWithinAStopOrOutsideTheChain()
    {
        // A child of a stop, as a grid's viewport, stands for the stop.
        auto* part = new QWidget(gridWidget);
        QCOMPARE(next(part, true), QString("button"));
        // From outside the chain Tab starts at the first stop, Shift+Tab at the last.
        QCOMPARE(next(window.get(), true), QString("box"));
        QCOMPARE(next(window.get(), false), QString("button"));
        QCOMPARE(next(nullptr, true), QString("box"));
    }

    void focusLeavesWhatACoverComesOver()
    {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        gridWidget->setFocus();
        QCOMPARE(QApplication::focusWidget(), gridWidget);
        cover->show();
        chain->leaveCovered(gridWidget);
        QCOMPARE(QApplication::focusWidget(), buttonWidget);
        // A widget that takes the focus keeps it.
        chain->leaveCovered(buttonWidget);
        QCOMPARE(QApplication::focusWidget(), buttonWidget);
    }

    // A stop that a change disabled while it had the focus hands it to the
    // first stop of its landing that takes it, else to the next stop.
    void aStrandedFocusLandsWhereItsLandingSays()
    {
        FocusChain landing({box, {group, 0}, grid, {group, 1}, button},
                           {{button, {grid, {group, 0}}}});
        landing.place(box, *boxWidget);
        landing.place({group, 0}, *option0);
        landing.place(grid, *gridWidget);
        landing.place({group, 1}, *option1);
        landing.place(button, *buttonWidget);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        const auto strand = [&](QWidget* stop) {
            stop->setEnabled(true);
            stop->setFocus();
            QCOMPARE(QApplication::focusWidget(), stop);
            stop->setEnabled(false);
            landing.land(stop);
            stop->setEnabled(true);
        };
        strand(buttonWidget);
        QCOMPARE(QApplication::focusWidget(), gridWidget);
        // Its first stop cannot take the focus: the next one of the landing does.
        gridWidget->setEnabled(false);
        strand(buttonWidget);
        QCOMPARE(QApplication::focusWidget(), option0);
        gridWidget->setEnabled(true);
        // Without a landing of its own the focus goes on to the next stop.
        strand(boxWidget);
        QCOMPARE(QApplication::focusWidget(), option0);
        // Once the focus has gone elsewhere, nothing is done.
        buttonWidget->setFocus();
        landing.land(boxWidget);
        QCOMPARE(QApplication::focusWidget(), buttonWidget);
    }
};

QTEST_MAIN(FocusChainTest)
#include "tst_focus_chain.moc"
