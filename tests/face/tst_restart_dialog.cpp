// SPDX-License-Identifier: GPL-3.0-or-later
// The real question of Abbruch, answered by the test as a user would.

#include "support/message_box_probe.h"
#include "support/shown_window.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace ravelin;
using ravelin::testing::answerBoxRaisedBy;
using ravelin::testing::ForwardingConfirmation;
using ravelin::testing::SeenBox;
using ravelin::testing::WindowTest;

class RestartDialogTest : public WindowTest<ForwardingConfirmation> {
    Q_OBJECT

private:
    // A run part-way through, so that a restart has something to undo.
    void midRun()
    {
        FormModel& f = window->model();
        f.state.wurfnummer = 5;
        f.state.kombiwurf = 1;
        f.state.schritt = 2;
        f.lakut.setCaption("5");
        f.okstart.setCaption("Weiter");
        f.okabbrechen.setEnabled(true);
        f.okextern.setEnabled(false);
        window->refresh();
    }

    // Presses Abbruch and, once the box is up, looks at it and answers with `answer`.
    SeenBox pressAbbruch(const std::function<void(QMessageBox*)>& answer)
    {
        return answerBoxRaisedBy(window->findChild<QPushButton*>("okabbrechen"), answer);
    }

    void expectRunUntouched()
    {
        const FormModel& f = window->model();
        QCOMPARE(f.state.wurfnummer, 5.0);
        QCOMPARE(f.state.schritt, std::int16_t{2});
        QCOMPARE(window->findChild<QLabel*>("lakut")->text(), QString("5"));
        QVERIFY(window->findChild<QPushButton*>("okabbrechen")->isEnabled());
        QVERIFY(!window->findChild<QPushButton*>("okextern")->isEnabled());
    }

    void expectRestarted()
    {
        const FormModel& f = window->model();
        QCOMPARE(f.state.wurfnummer, 0.0);
        QCOMPARE(f.state.schritt, std::int16_t{0});
        QVERIFY(window->findChild<QLabel*>("lakut")->text().isEmpty());
        QVERIFY(!window->findChild<QPushButton*>("okabbrechen")->isEnabled());
        QVERIFY(window->findChild<QPushButton*>("okextern")->isEnabled());
        auto* start = window->findChild<QPushButton*>("okstart");
        QCOMPARE(start->text(), QString("Start"));
        QVERIFY(!start->isEnabled());
        QCOMPARE(f.okstart.backColour(), rgb(0, 192, 0));
    }

private slots:
    void init()
    {
        QVERIFY(open());
        midRun();
    }
    void cleanup() { close(); }

    void theQuestionIsExact()
    {
        const SeenBox seen =
            pressAbbruch([](QMessageBox* box) { box->button(QMessageBox::No)->click(); });
        QVERIFY(seen.shown);
        QCOMPARE(seen.text, QString::fromUtf8("Abbruch bitte best\u00e4tigen !     "));
        QCOMPARE(seen.title, QString(" Abbruch"));
        QCOMPARE(seen.icon, QMessageBox::Question);
        QVERIFY(seen.yesIsDefault);
        QVERIFY(seen.hasNo);
    }

    void noLeavesTheRunAsItWas()
    {
        QVERIFY(
            pressAbbruch([](QMessageBox* box) { box->button(QMessageBox::No)->click(); }).shown);
        expectRunUntouched();
    }

    void yesRestarts()
    {
        QVERIFY(
            pressAbbruch([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); }).shown);
        expectRestarted();
    }

    void enterAnswersYes()
    {
        QVERIFY(pressAbbruch([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); }).shown);
        expectRestarted();
    }
};

QTEST_MAIN(RestartDialogTest)
#include "tst_restart_dialog.moc"
