// SPDX-License-Identifier: GPL-3.0-or-later
// The info viewer as the window shows it, and Ende through the real question.

#include "support/message_box_probe.h"
#include "support/shown_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace ravelin;
using ravelin::testing::answerBoxRaisedBy;
using ravelin::testing::ForwardingConfirmation;
using ravelin::testing::SeenBox;
using ravelin::testing::WindowTest;

namespace {

const std::string infoPath = "/opt/ravelin/info_ravelin.txt";

// The format of the first character of `piece` in the viewer's document.
QTextCharFormat formatOf(QTextDocument* doc, const QString& piece)
{
    const QTextCursor found = doc->find(piece);
    if (found.isNull())
        return {};
    QTextCursor at(doc);
    at.setPosition(found.selectionStart() + 1);
    return at.charFormat();
}

std::string shippedInfoText()
{
    QFile file(QStringLiteral(RAVELIN_INFO_TEXT));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}

} // namespace

class InfoAndExitTest : public WindowTest<ForwardingConfirmation> {
    Q_OBJECT

private:
    QPushButton* button(const char* name) { return window->findChild<QPushButton*>(name); }
    QTextBrowser* viewer() { return window->findChild<QTextBrowser*>("infotext"); }

    // Presses Ende and, once the box is up, looks at it and answers with `answer`.
    SeenBox pressEnde(const std::function<void(QMessageBox*)>& answer)
    {
        return answerBoxRaisedBy(button("okende"), answer);
    }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void init()
    {
        files.files.clear();
        QVERIFY(open());
    }
    void cleanup() { close(); }

    void theViewerShowsTheFormattedText()
    {
        files.files[infoPath] =
            "{\\rtf1{\\fonttbl{\\f0 MS Sans Serif;}{\\f1 Courier New;}}"
            "{\\colortbl;\\red0\\green0\\blue192;}"
            "Normal {\\b Fett} {\\i Kursiv}\\par\\cf1 Blau\\cf0\\par{\\f1 K\\'e4se}\\par}";
        QVERIFY(!viewer() || !viewer()->isVisible());
        QTest::mouseClick(button("okinfo"), Qt::LeftButton);

        QVERIFY(viewer()->isVisible());
        QCOMPARE(button("okinfo")->text(), QString("Ende Info"));
        QTextDocument* doc = viewer()->document();
        QCOMPARE(doc->toPlainText(), QString::fromUtf8("Normal Fett Kursiv\nBlau\nK\u00e4se"));
        QCOMPARE(formatOf(doc, "Fett").fontWeight(), int(QFont::Bold));
        QCOMPARE(formatOf(doc, "Normal").fontWeight(), int(QFont::Normal));
        QVERIFY(formatOf(doc, "Kursiv").fontItalic());
        QVERIFY(!formatOf(doc, "Fett").fontItalic());
        QCOMPARE(formatOf(doc, "Blau").foreground().color(), QColor(0, 0, 192));
        QCOMPARE(formatOf(doc, "Normal").fontFamilies().toStringList().value(0),
                 QString("Liberation Sans"));
        QCOMPARE(
            formatOf(doc, QString::fromUtf8("K\u00e4se")).fontFamilies().toStringList().value(0),
            QString("Liberation Mono"));

        QTest::mouseClick(button("okinfo"), Qt::LeftButton);
        QVERIFY(!viewer()->isVisible());
        QCOMPARE(button("okinfo")->text(), QString("Info"));
        QVERIFY(viewer()->document()->toPlainText().isEmpty());
    }

    void theViewerLiesOverTheMiddleColumn()
    {
        QTest::mouseClick(button("okinfo"), Qt::LeftButton);
        QCOMPARE(viewer()->toPlainText(),
                 QString("Problem:\nKann die Datei Info_Ravelin.txt nicht finden."));
        QCOMPARE(viewer()->document()->blockCount(), 2);
        QCOMPARE(viewer()->geometry(), QRect(224, 16, 228, 401));

        // The spin log under it is covered, the Info button below it is not.
        auto* log = window->findChild<QTableView*>("tabelle3");
        QWidget* atLog = window->childAt(log->geometry().center());
        QVERIFY(atLog == viewer() || viewer()->isAncestorOf(atLog));
        QCOMPARE(window->childAt(button("okinfo")->geometry().center()), button("okinfo"));
    }

    // The guidance box stands at its designed place, and while the viewer
    // is open no point of it shows beside the viewer.
    void theViewerCoversTheGuidanceBoxWhole()
    {
        auto* guidance = window->findChild<QLabel*>("text");
        QCOMPARE(guidance->geometry(), QRect(228, 16, 224, 59));
        QTest::mouseClick(button("okinfo"), Qt::LeftButton);
        QStringList showing;
        const QRect box = guidance->geometry();
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x) {
                QWidget* at = window->childAt(x, y);
                if (at != viewer() && !viewer()->isAncestorOf(at))
                    showing << QString("%1,%2").arg(x).arg(y);
            }
        QVERIFY2(showing.isEmpty(), qPrintable(showing.mid(0, 10).join(' ')));
        // Nothing of it shows through the viewer either: the window looks the
        // same without it. Also run at scale 2.
        const QImage shown = window->grab().toImage();
        guidance->hide();
        QCOMPARE(window->grab().toImage(), shown);
        guidance->show();
    }

    // With the focus the viewer's edge shows the frame a focused input box
    // shows; without it, its plain edge.
    void theViewerShowsThatItHasTheFocus()
    {
        QTest::mouseClick(button("okinfo"), Qt::LeftButton);
        const auto edge = [](QWidget* w) {
            const QImage image = w->grab().toImage();
            const qreal ratio = image.devicePixelRatio();
            return QStringList{image.pixelColor(QPoint(0, w->height() / 2) * ratio).name(),
                               image.pixelColor(QPoint(w->width() / 2, 0) * ratio).name()};
        };
        const QStringList plain = edge(viewer());
        viewer()->setFocus(Qt::TabFocusReason);
        const QStringList focused = edge(viewer());
        QVERIFY2(focused != plain, qPrintable(focused.join(' ')));
        auto* count = window->findChild<QLineEdit*>("textanzahl");
        count->setFocus(Qt::TabFocusReason);
        QCOMPARE(focused, edge(count));
        QCOMPARE(edge(viewer()), plain);
    }

    void theQuestionIsExact()
    {
        const SeenBox seen =
            pressEnde([](QMessageBox* box) { box->button(QMessageBox::No)->click(); });
        QVERIFY(seen.shown);
        QCOMPARE(seen.text, QString("Soll das Programm beendet werden ?     "));
        QCOMPARE(seen.title, QString(" Beenden"));
        QCOMPARE(seen.icon, QMessageBox::Question);
        QVERIFY(seen.yesIsDefault);
        QVERIFY(seen.hasNo);
    }

    void noChangesNothing()
    {
        spins.addNumber(15);
        spins.addNumber(22);
        QTest::keyClicks(window->findChild<QLineEdit*>("textanzahl"), "30");
        for (int i = 0; i < 4; ++i)
            QTest::mouseClick(button("okstart"), Qt::LeftButton);
        QCOMPARE(window->findChild<QLabel*>("lzahl")->text(), QString("15"));
        const double spin = window->model().state.wurfnummer;

        QVERIFY(pressEnde([](QMessageBox* box) { box->button(QMessageBox::No)->click(); }).shown);
        QVERIFY(window->isVisible());
        QVERIFY(!window->controller().quitRequested());
        QCOMPARE(window->model().state.wurfnummer, spin);
        QCOMPARE(button("okstart")->text(), QString("Weiter"));

        QTest::mouseClick(button("okstart"), Qt::LeftButton);
        QTest::mouseClick(button("okstart"), Qt::LeftButton);
        QCOMPARE(window->findChild<QLabel*>("lzahl")->text(), QString("22"));
    }

    void yesClosesTheWindow()
    {
        QTest::keyClicks(window->findChild<QLineEdit*>("textanzahl"), "30");
        QTest::mouseClick(button("okstart"), Qt::LeftButton); // in the middle of a triple
        QVERIFY(pressEnde([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); }).shown);
        QVERIFY(window->controller().quitRequested());
        QVERIFY(!window->isVisible());
    }

    void enterAnswersYes()
    {
        QVERIFY(pressEnde([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); }).shown);
        QVERIFY(!window->isVisible());
    }

    // Each showing opens at the top of the text, the first one included.
    void theTextShowsFromTheTop()
    {
        std::string lines;
        for (int i = 0; i < 300; ++i)
            lines += "Zeile " + std::to_string(i) + "\n";
        files.files[infoPath] = lines;
        for (int showing = 0; showing < 2; ++showing) {
            QTest::mouseClick(button("okinfo"), Qt::LeftButton);
            QVERIFY(viewer()->verticalScrollBar()->maximum() > 0);
            QCOMPARE(viewer()->verticalScrollBar()->value(), 0);
            viewer()->verticalScrollBar()->setValue(viewer()->verticalScrollBar()->maximum());
            QTest::mouseClick(button("okinfo"), Qt::LeftButton);
        }
    }

    // A file system that throws in the middle of a press: the press changes
    // nothing, and the window goes on answering.
    void aFailingFileSystemLeavesTheWindowAnswering()
    {
        // In place before the window lists the folder it starts in.
        files.files["/p.txt"] = "Spielbank\r\nB\r\nC\r\nD\r\n5\r\n";
        confirmation.to.reset();
        window = std::make_unique<Form1>(spins, confirmation, files);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTest::mouseClick(button("okextern"), Qt::LeftButton);
        auto* list = window->findChild<QListWidget*>("File1");
        QCOMPARE(list->count(), 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(0)).center());
        files.throwing = true;
        QTest::mouseClick(button("okexternok"), Qt::LeftButton);
        QVERIFY(window->findChild<QWidget*>("Frame1")->isVisible());
        QCOMPARE(window->model().state.importmodus, 0);

        QTest::mouseClick(button("okinfo"), Qt::LeftButton);
        QCOMPARE(viewer()->toPlainText(),
                 QString("Problem:\nKann die Datei Info_Ravelin.txt nicht finden."));
        QTest::mouseClick(button("okinfo"), Qt::LeftButton);
        QVERIFY(!viewer()->isVisible());

        files.throwing = false;
        QTest::mouseClick(button("okexternok"), Qt::LeftButton);
        QVERIFY(!window->findChild<QWidget*>("Frame1")->isVisible());
        QCOMPARE(window->findChild<QLineEdit*>("textanzahl")->text(), QString("1"));
    }

    // The program's own info text in the viewer, as pictures to look at.
    void theInfoTextFitsTheViewer()
    {
        files.files[infoPath] = shippedInfoText();
        QVERIFY(!files.files[infoPath].empty());
        QTest::mouseClick(button("okinfo"), Qt::LeftButton);
        QTextBrowser* v = viewer();
        QVERIFY(v->toPlainText().contains(QString::fromUtf8("Sechsergruppe")));
        QVERIFY(v->toPlainText().contains(QString::fromUtf8("H\u00e4ufigkeit")));
        QCOMPARE(v->horizontalScrollBar()->maximum(), 0); // every line wraps within the width

        const QString out = qEnvironmentVariable("RAVELIN_TEST_OUTPUT");
        if (out.isEmpty())
            return;
        QScrollBar* bar = v->verticalScrollBar();
        int page = 1;
        for (int top = 0;; top += bar->pageStep()) {
            bar->setValue(top);
            const QString name = page == 1 ? QString("info.png") : QString("info_%1.png").arg(page);
            QVERIFY(v->grab().save(QDir(out).filePath(name)));
            ++page;
            if (top >= bar->maximum() || page > 20)
                break;
        }
    }
};

QTEST_MAIN(InfoAndExitTest)
#include "tst_info_and_exit.moc"
