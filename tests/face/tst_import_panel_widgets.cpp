// SPDX-License-Identifier: GPL-3.0-or-later
// The import panel with real folders, driven through its widgets.

#include "face/file_list_view.h"
#include "platform/real_file_system.h"
#include "support/shown_window.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>

using namespace ravelin;
using ravelin::testing::ScriptedConfirmation;
using ravelin::testing::WindowTest;

class ImportPanelWidgetsTest : public WindowTest<ScriptedConfirmation, RealFileSystem> {
    Q_OBJECT

private:
    QTemporaryDir folder;
    QString previousFolder;

    void write(const QString& name, const std::string& content)
    {
        std::ofstream out((folder.path() + "/" + name).toStdString(), std::ios::binary);
        out << content;
    }

    // The tool tip a pointer resting on `row` of `list` brings up, or
    // nothing when none comes up.
    static QString tipOn(QListWidget* list, int row)
    {
        QToolTip::hideText();
        if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
            return "a tip that stays";
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QHelpEvent rest(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &rest);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }

    void clickRow(QListWidget* list, int row)
    {
        const QRect rect = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }

private slots:
    void init()
    {
        QVERIFY(folder.isValid());
        QDir(folder.path()).mkdir("monat");
        write("hamburg.txt",
              "Spielbank Hamburg \x96 Tisch 3\r\nDatum 01.12.\r\nFranz\xf6sisches Roulette\r\n"
              "----\r\n17\r\n-----\r\n0\r\n32\r\n=====\r\n5\r\n");
        write("notiz.TXT", "keine Permanenz\r\n");
        write("bild.png", "x");
        previousFolder = QDir::currentPath();
        QDir::setCurrent(folder.path());
        QVERIFY(open());
    }
    void cleanup()
    {
        close();
        QDir::setCurrent(previousFolder);
    }

    // The folder and file lists are filled only when the panel opens: what
    // they show then is what the panel holds, current folder in view.
    void listsShowThePanelsContentsWhenItOpens()
    {
        child<QPushButton>("okextern")->click();
        QVERIFY(child<QGroupBox>("Frame1")->isVisible());
        auto* dir1 = child<QListWidget>("Dir1");
        auto* file1 = child<QListWidget>("File1");
        const FormModel& f = window->model();
        QCOMPARE(dir1->count(), static_cast<int>(f.Dir1.entries().size()));
        for (int i = 0; i < dir1->count(); ++i)
            QCOMPARE(dir1->item(i)->text().toStdString(), f.Dir1.entries()[i].label);
        QCOMPARE(dir1->currentRow(), f.Dir1.currentIndex());
        QVERIFY(dir1->currentRow() >= 0);
        QVERIFY(dir1->viewport()->rect().intersects(dir1->visualItemRect(dir1->currentItem())));
        QCOMPARE(file1->count(), static_cast<int>(f.File1.files().size()));
        QCOMPARE(file1->count(), 2);

        // Closed and opened again, the lists stay as they were.
        child<QPushButton>("okexternabbruch")->click();
        QVERIFY(!child<QGroupBox>("Frame1")->isVisible());
        child<QPushButton>("okextern")->click();
        QCOMPARE(dir1->count(), static_cast<int>(f.Dir1.entries().size()));
        QCOMPARE(file1->count(), 2);
    }

    void importThroughThePanel()
    {
        child<QPushButton>("okextern")->click();
        auto* frame = child<QGroupBox>("Frame1");
        auto* file1 = child<QListWidget>("File1");
        auto* ok = child<QPushButton>("okexternok");
        QVERIFY(frame->isVisible());
        QVERIFY(child<QLabel>("text")->text().startsWith("  Geben Sie den Ort an"));

        // Only the text files, whatever the case of their ending, sorted.
        QCOMPARE(file1->count(), 2);
        QCOMPARE(file1->item(0)->text(), QString("hamburg.txt"));
        QCOMPARE(file1->item(1)->text(), QString("notiz.TXT"));
        QVERIFY(!ok->isEnabled());

        // Not a permanence: nothing happens, the panel stays.
        clickRow(file1, 1);
        QVERIFY(ok->isEnabled());
        ok->click();
        QVERIFY(frame->isVisible());
        QVERIFY(child<QLabel>("text")->text().startsWith("  Geben Sie den Ort an"));

        clickRow(file1, 0);
        ok->click();
        QVERIFY(!frame->isVisible());
        QCOMPARE(child<QLabel>("Label15")->text(), QString("hamburg.txt"));
        QCOMPARE(child<QLineEdit>("textanzahl")->text(), QString("3"));
        QVERIFY(child<QPushButton>("okstart")->isEnabled());
        QVERIFY(!child<QPushButton>("okextern")->isEnabled());
        QVERIFY(child<QPushButton>("okabbrechen")->isEnabled());
        QCOMPARE(
            child<QLabel>("text")->text(),
            QString::fromUtf8(
                "Spielbank Hamburg \u2013 Tisch 3\nDatum 01.12.\nFranz\u00f6sisches Roulette"));
        QCOMPARE(window->model().state.importmodus, 1);
    }

    // Names in the old code page and names with a line end in them, shown the
    // same in every place, and the file opened by its real bytes.
    void namesAreShownOneWay()
    {
        const std::string permanence = "Spielbank\r\nB\r\nC\r\nD\r\n9\r\n";
        // Written by their bytes, which are no UTF-8 in the first name.
        const std::string at = folder.path().toStdString() + "/monat/";
        std::ofstream(at + "latin\xe4\xf6\xfc.txt", std::ios::binary) << permanence;
        std::ofstream(at + "zwei\nzeilen.txt", std::ios::binary) << "";
        // The folder stays empty for the other tests.
        const auto emptied = qScopeGuard([&] {
            std::remove((at + "latin\xe4\xf6\xfc.txt").c_str());
            std::remove((at + "zwei\nzeilen.txt").c_str());
        });
        child<QPushButton>("okextern")->click();
        auto* dir1 = child<QListWidget>("Dir1");
        for (int i = 0; i < dir1->count(); ++i)
            if (dir1->item(i)->text().trimmed() == "monat") {
                const QPoint on = dir1->visualItemRect(dir1->item(i)).center();
                QTest::mouseClick(dir1->viewport(), Qt::LeftButton, {}, on);
                QTest::mouseDClick(dir1->viewport(), Qt::LeftButton, {}, on);
                break;
            }
        auto* file1 = child<QListWidget>("File1");
        QStringList shown;
        for (int i = 0; i < file1->count(); ++i)
            shown << file1->item(i)->text();
        QCOMPARE(shown, QStringList({QString::fromUtf8("latin\u00e4\u00f6\u00fc.txt"),
                                     QString::fromUtf8("zwei\ufffdzeilen.txt")}));
        clickRow(file1, 0);
        child<QPushButton>("okexternok")->click();
        QCOMPARE(child<QLabel>("Label15")->text(), shown[0]);
        QCOMPARE(child<QLineEdit>("textanzahl")->text(), QString("1"));
    }

    // The file the list shows as chosen is the one imported, however it was
    // chosen; the focus coming into the list chooses nothing.
    void theKeyboardChoosesTheFileAsAClickDoes()
    {
        child<QPushButton>("okextern")->click();
        auto* file1 = child<QListWidget>("File1");
        auto* ok = child<QPushButton>("okexternok");
        file1->setFocus(Qt::TabFocusReason);
        QVERIFY(!ok->isEnabled());
        QTest::keyClick(file1, Qt::Key_Space);
        QVERIFY(ok->isEnabled());
        QCOMPARE(window->model().File1.selectedFile(), std::string("hamburg.txt"));
        QTest::keyClick(file1, Qt::Key_End);
        QCOMPARE(window->model().File1.selectedFile(), std::string("notiz.TXT"));

        clickRow(file1, 1);
        QTest::keyClick(file1, Qt::Key_Up);
        QCOMPARE(file1->currentRow(), 0);
        QTest::keyClick(ok, Qt::Key_Space);
        QVERIFY(!child<QGroupBox>("Frame1")->isVisible());
        QCOMPARE(child<QLabel>("Label15")->text(), QString("hamburg.txt"));
    }

    // Escape closes the panel from whatever within it has the focus, as
    // "Abbr." does; elsewhere in the window it does nothing.
    void escapeClosesThePanelFromWithin()
    {
        for (const char* inside : {"Drive1", "Dir1", "File1", "okexternabbruch"}) {
            child<QPushButton>("okextern")->click();
            auto* panel = child<QGroupBox>("Frame1");
            QVERIFY(panel->isVisible());
            child<QWidget>(inside)->setFocus(Qt::TabFocusReason);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QVERIFY2(!panel->isVisible(), inside);
            QCOMPARE(QApplication::focusWidget(), child<QWidget>("okextern"));
        }
        auto* count = child<QLineEdit>("textanzahl");
        count->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(count, "12");
        QTest::keyClick(count, Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), count);
        QCOMPARE(count->text(), QString("12"));
        QVERIFY(!child<QGroupBox>("Frame1")->isVisible() && window->isVisible());
    }

    // One click on a file is one event for the handlers, as one key is.
    void oneClickOnAFileIsOneEvent()
    {
        struct CountingRoute : EventRoute {
            int routed = 0;
            void route(const std::function<void(FormController&)>& /*handler*/) override
            {
                ++routed;
            }
        } counting;
        child<QPushButton>("okextern")->click();
        FormModel& f = window->model();
        QWidget box;
        FileListView list({f.File1,
                           {0, 0, 1905, 2235},
                           "Dateien",
                           &FormController::file1Click,
                           &FormController::file1Click},
                          f.Frame1, box, counting);
        list.apply();
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        auto& widget = static_cast<QListWidget&>(list.widget());
        QCOMPARE(widget.count(), 2);
        clickRow(&widget, 1);
        QCOMPARE(counting.routed, 1);
        QTest::keyClick(&widget, Qt::Key_Up);
        QCOMPARE(counting.routed, 2);
        clickRow(&widget, 1);
        QCOMPARE(counting.routed, 3);
    }

    // A name longer than its label shows its start and its end; the whole
    // name is the tool tip and what a screen reader is told. In the panel's
    // lists a name cut by the list's edge is the tool tip of its row.
    void aLongFileNameIsShortenedInTheMiddle()
    {
        const QString name = "permanenz-spielbank-hamburg-tisch-drei-im-dezember.txt";
        const QString longFolder = "permanenzen-der-spielbank-hamburg-im-dezember";
        // In the subfolder, whose files are listed when it is opened.
        write("monat/" + name, "Spielbank\r\nB\r\nC\r\nD\r\n9\r\n");
        write("monat/kurz.txt", "");
        QVERIFY(QDir(folder.path() + "/monat").mkdir(longFolder));
        const auto removed = qScopeGuard([&] {
            std::remove((folder.path() + "/monat/" + name).toStdString().c_str());
            std::remove((folder.path() + "/monat/kurz.txt").toStdString().c_str());
            QDir(folder.path() + "/monat").rmdir(longFolder);
        });
        child<QPushButton>("okextern")->click();
        auto* dir1 = child<QListWidget>("Dir1");
        const QList<QListWidgetItem*> monat = dir1->findItems("monat", Qt::MatchEndsWith);
        QCOMPARE(monat.size(), 1);
        const QPoint on = dir1->visualItemRect(monat.first()).center();
        QTest::mouseClick(dir1->viewport(), Qt::LeftButton, {}, on);
        QTest::mouseDClick(dir1->viewport(), Qt::LeftButton, {}, on);
        auto* file1 = child<QListWidget>("File1");
        QCOMPARE(file1->item(1)->text(), name);
        QCOMPARE(tipOn(file1, 0), QString());
        QCOMPARE(tipOn(file1, 1), name);
        const int current = dir1->currentRow();
        QCOMPARE(dir1->item(current)->text().trimmed(), QString("monat"));
        QCOMPARE(dir1->item(current + 1)->text().trimmed(), longFolder);
        QCOMPARE(tipOn(dir1, current), QString());
        QCOMPARE(tipOn(dir1, current + 1).trimmed(), longFolder);
        // Scrolled to its end, the list hides a short name: it is the tip then.
        file1->horizontalScrollBar()->setValue(file1->horizontalScrollBar()->maximum());
        QCOMPARE(tipOn(file1, 0), QString("kurz.txt"));
        file1->horizontalScrollBar()->setValue(0);
        clickRow(file1, 1);
        child<QPushButton>("okexternok")->click();
        QVERIFY(!child<QGroupBox>("Frame1")->isVisible());

        auto* label = child<QLabel>("Label15");
        const QString shown = label->text();
        QVERIFY2(shown.startsWith("perm") && shown.endsWith("ber.txt") &&
                     shown.contains(QChar(0x2026)),
                 qPrintable(shown));
        QVERIFY(QFontMetrics(label->font()).horizontalAdvance(shown) <=
                label->contentsRect().width());
        QCOMPARE(label->toolTip(), name);
        QCOMPARE(label->accessibleDescription(), name);

        // A short name is shown whole.
        window->model().Label15.setCaption("hamburg.txt");
        window->refresh();
        QCOMPARE(label->text(), QString("hamburg.txt"));
        QCOMPARE(label->toolTip(), QString("hamburg.txt"));
    }

    // With the focus the folder list marks its current row all round, as
    // clearly as a focus must show: at least 3:1 against the row without it.
    void theFolderListShowsThatItHasTheFocus()
    {
        child<QPushButton>("okextern")->click();
        auto* dir1 = child<QListWidget>("Dir1");
        const QRect row = dir1->visualItemRect(dir1->currentItem());
        QVERIFY(dir1->currentItem()->isSelected());
        const auto luminance = [](QColor c) {
            const auto linear = [](double v) {
                return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) +
                   0.0722 * linear(c.blueF());
        };
        // The row's top and bottom edges over the right half of the list,
        // clear of the row's indentation.
        const int end = std::min(row.right(), dir1->viewport()->width() - 1);
        QList<QPoint> edge;
        for (int x = end / 2; x <= end; x += 3)
            edge << QPoint(x, row.top()) << QPoint(x, row.bottom());
        const auto edgeColours = [&] {
            const QImage image = dir1->viewport()->grab().toImage();
            QList<QColor> seen;
            for (const QPoint p : edge)
                seen << image.pixelColor(p * image.devicePixelRatio());
            return seen;
        };
        child<QPushButton>("okexternabbruch")->setFocus(Qt::TabFocusReason);
        const QList<QColor> without = edgeColours();
        dir1->setFocus(Qt::TabFocusReason);
        const QList<QColor> with = edgeColours();
        QStringList faint;
        for (qsizetype i = 0; i < edge.size(); ++i) {
            const double a = luminance(with[i]), b = luminance(without[i]);
            const double contrast = (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
            if (contrast < 3)
                faint << QString("%1,%2 %3").arg(edge[i].x()).arg(edge[i].y()).arg(contrast);
        }
        QVERIFY(edge.size() > 10);
        QVERIFY2(faint.isEmpty(), qPrintable(faint.join("; ")));
    }

    // The panel's inside is the window's light grey, wherever nothing stands on it.
    void thePanelIsPaintedInTheWindowsColour()
    {
        child<QPushButton>("okextern")->click();
        auto* panel = child<QGroupBox>("Frame1");
        const QImage image = panel->grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        QStringList other;
        // Beside the pattern's caption, and between the file list and the buttons.
        const QRect caption = child<QLabel>("Label10")->geometry();
        const QRect files = child<QListWidget>("File1")->geometry();
        const QRect ok = child<QPushButton>("okexternok")->geometry();
        for (const QPoint p : {QPoint(files.left() + 4, caption.center().y()),
                               QPoint(caption.right() + 6, caption.center().y()),
                               QPoint(files.center().x(), (files.bottom() + ok.top()) / 2),
                               QPoint(files.right() - 4, ok.center().y() - ok.height())}) {
            const QColor seen = image.pixelColor(p * ratio);
            if (seen != QColor(224, 224, 224))
                other << QString("%1,%2 %3").arg(p.x()).arg(p.y()).arg(seen.name());
        }
        QVERIFY2(other.isEmpty(), qPrintable(other.join("; ")));
    }

    void openingAFolderListsItsFiles()
    {
        child<QPushButton>("okextern")->click();
        auto* dir1 = child<QListWidget>("Dir1");
        int sub = -1;
        for (int i = 0; i < dir1->count(); ++i)
            if (dir1->item(i)->text().trimmed() == "monat")
                sub = i;
        QVERIFY(sub >= 0);
        const QPoint at = dir1->visualItemRect(dir1->item(sub)).center();
        QTest::mouseClick(dir1->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(window->model().Dir1.path(), QDir(folder.path()).canonicalPath().toStdString());
        QTest::mouseDClick(dir1->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(QString::fromStdString(window->model().Dir1.path()),
                 QDir(folder.path()).canonicalPath() + "/monat");
        QCOMPARE(child<QListWidget>("File1")->count(), 0);
        // A click into the empty list leaves OK disabled.
        QTest::mouseClick(child<QListWidget>("File1")->viewport(), Qt::LeftButton, {},
                          QPoint(10, 10));
        QVERIFY(!child<QPushButton>("okexternok")->isEnabled());

        child<QPushButton>("okexternabbruch")->click();
        QVERIFY(!child<QGroupBox>("Frame1")->isVisible());
        QVERIFY(child<QLabel>("text")->text().startsWith(" Anzahl der gew"));
        // Reopened, the panel shows the folder of its last use.
        child<QPushButton>("okextern")->click();
        QVERIFY(dir1->currentItem()->text().trimmed() == "monat");

        const QByteArray out = qgetenv("RAVELIN_TEST_OUTPUT");
        if (!out.isEmpty())
            QVERIFY(window->grab().save(QString::fromLocal8Bit(out) + "/window-import.png"));
    }
};

QTEST_MAIN(ImportPanelWidgetsTest)
#include "tst_import_panel_widgets.moc"
