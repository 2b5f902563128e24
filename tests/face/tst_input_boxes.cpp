// SPDX-License-Identifier: GPL-3.0-or-later
// Typing, pasting and deleting in the real input boxes, and their menu.

#include "face/application_setup.h"
#include "support/shown_window.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>

using namespace ravelin;
using ravelin::testing::WindowTest;

class InputBoxesTest : public WindowTest<> {
    Q_OBJECT

private:
    QLineEdit* count = nullptr;
    QLineEdit* halt = nullptr;
    QPushButton* start = nullptr;

private slots:
    void init()
    {
        QVERIFY(open());
        count = window->findChild<QLineEdit*>("textanzahl");
        halt = window->findChild<QLineEdit*>("haltbei");
        start = window->findChild<QPushButton*>("okstart");
        QVERIFY(count && halt && start);
        count->setFocus();
    }
    void cleanup() { close(); }

    void typedDigitsStayAndEnableStart()
    {
        QTest::keyClicks(count, "120abc");
        QCOMPARE(count->text(), QString("120abc"));
        QVERIFY(start->isEnabled());
        QCOMPARE(window->model().state.wurfanzahl, 120.0);
    }

    void whatCannotStartANumberVanishesAtOnce_data()
    {
        QTest::addColumn<QString>("typed");
        for (const char* c : {"0", "-", "+", ".", " ", "x"})
            QTest::newRow(c) << QString::fromLatin1(c);
    }
    void whatCannotStartANumberVanishesAtOnce()
    {
        QFETCH(QString, typed);
        QTest::keyClicks(count, typed);
        QCOMPARE(count->text(), QString());
        QVERIFY(!start->isEnabled());
    }

    void deletingTheOneOfHundredEmptiesTheBox()
    {
        QTest::keyClicks(count, "100");
        QVERIFY(start->isEnabled());
        count->setCursorPosition(1);
        QTest::keyClick(count, Qt::Key_Backspace);
        QCOMPARE(count->text(), QString());
        QVERIFY(!start->isEnabled());
        QCOMPARE(window->model().state.wurfanzahl, 100.0); // an emptied box keeps the count
    }

    void caretStaysWhereTheUserTypes()
    {
        QTest::keyClicks(count, "12");
        count->setCursorPosition(1);
        QTest::keyClicks(count, "5");
        QCOMPARE(count->text(), QString("152"));
        QCOMPARE(count->cursorPosition(), 2);
        QCOMPARE(window->model().state.wurfanzahl, 152.0);
    }

    void pasteIsReadLikeTyping()
    {
        QGuiApplication::clipboard()->setText("2,5");
        QTest::keyClick(count, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(count->text(), QString("2,5"));
        QCOMPARE(window->model().state.wurfanzahl, 2.0);
        count->clear();
        QGuiApplication::clipboard()->setText("abc");
        QTest::keyClick(count, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(count->text(), QString());
    }

    void haltBoxFollowsTheMode()
    {
        auto* haltMode = window->findChild<QRadioButton*>("Option1_2");
        auto* single = window->findChild<QRadioButton*>("Option1_0");
        QVERIFY(!halt->isEnabled());
        QTest::mouseClick(haltMode, Qt::LeftButton, {}, QPoint(8, haltMode->height() / 2));
        QVERIFY(haltMode->isChecked());
        QVERIFY(halt->isEnabled());
        QCOMPARE(halt->palette().color(QPalette::Base), QColor(255, 255, 255));
        halt->setFocus();
        QTest::keyClicks(halt, "0");
        QCOMPARE(halt->text(), QString());
        QTest::keyClicks(halt, "25");
        QCOMPARE(window->model().state.haltwurf, 25.0);
        QTest::mouseClick(single, Qt::LeftButton, {}, QPoint(8, single->height() / 2));
        QVERIFY(!halt->isEnabled());
        QCOMPARE(halt->text(), QString());
        QCOMPARE(halt->palette().color(QPalette::Disabled, QPalette::Base), QColor(224, 224, 224));
        QCOMPARE(window->model().state.haltwurf, 25.0);
    }

    // A click anywhere in an option's place on screen chooses it: at either
    // end of the band of its place that no other option's place overlaps.
    void aClickAnywhereInAnOptionsPlaceChoosesIt()
    {
        QTest::keyClicks(count, "40"); // enough spins for "Rotation/37"
        // The designed places in pixels, top to bottom on screen 0, 1, 3, 2.
        const int order[] = {0, 1, 3, 2};
        const QRect place[] = {
            {480, 81, 105, 29}, {480, 102, 105, 29}, {480, 144, 105, 29}, {480, 122, 105, 29}};
        QStringList missed;
        for (int k = 0; k < 4; ++k) {
            const int option = order[k];
            const int top = k == 0 ? place[option].top() : place[order[k - 1]].bottom() + 1;
            const int bottom = k == 3 ? place[option].bottom() : place[order[k + 1]].top() - 1;
            for (const QPoint at :
                 {QPoint(place[option].left(), top), QPoint(place[option].right(), top),
                  QPoint(place[option].left(), bottom), QPoint(place[option].right(), bottom)}) {
                window->model().selectRunMode(option == 0 ? 1 : 0);
                window->refresh();
                QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
                if (!window->model().Option1.isSelected(option))
                    missed << QString("%1 at %2,%3").arg(option).arg(at.x()).arg(at.y());
            }
        }
        QVERIFY2(missed.isEmpty(), qPrintable(missed.join("; ")));
    }

    void rotationFallsBackWithoutEnoughSpins()
    {
        auto* rotation = window->findChild<QRadioButton*>("Option1_3");
        QTest::mouseClick(rotation, Qt::LeftButton, {}, QPoint(8, rotation->height() / 2));
        QVERIFY(!rotation->isChecked());
        QVERIFY(window->findChild<QRadioButton*>("Option1_0")->isChecked());
        // The focus goes with the option chosen in its place.
        QCOMPARE(QApplication::focusWidget(), window->findChild<QWidget*>("Option1_0"));
        QTest::keyClicks(count, "37");
        QTest::mouseClick(rotation, Qt::LeftButton, {}, QPoint(8, rotation->height() / 2));
        QVERIFY(rotation->isChecked());
    }

    // Last, as it changes the whole application. Run under LANG=C: Qt's own
    // texts must be German whatever the desktop's language.
    void toolkitMenuOfATextBoxIsGerman()
    {
        prepareApplication(*qApp);
        const std::unique_ptr<QMenu> menu(count->createStandardContextMenu());
        QStringList texts;
        for (const QAction* action : menu->actions())
            if (!action->isSeparator())
                texts << action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
        QVERIFY2(texts.contains(QStringLiteral("Kopieren")), qPrintable(texts.join(", ")));
        QVERIFY2(texts.contains(QStringLiteral("Alles auswählen")), qPrintable(texts.join(", ")));
    }
};

QTEST_MAIN(InputBoxesTest)
#include "tst_input_boxes.moc"
