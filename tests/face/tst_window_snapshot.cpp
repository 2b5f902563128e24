// SPDX-License-Identifier: GPL-3.0-or-later
// The whole window as recorded: every widget's properties and a picture of
// the window, in the states a session passes through. A change to how the
// window is built must leave both as they were, unless it means to change
// them; then RAVELIN_RECORD_SNAPSHOTS=1 writes the new record to look at.

#include "face/main_window.h"
#include "support/shown_window.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTableView>
#include <QTextBrowser>
#include <QtTest>

using namespace ravelin;
using ravelin::testing::WindowTest;

namespace {

QString rect(const QRect& r)
{
    return QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QString coloursOf(const QWidget* w)
{
    constexpr QPalette::ColorRole roles[] = {QPalette::Window, QPalette::WindowText,
                                             QPalette::Base,   QPalette::Text,
                                             QPalette::Button, QPalette::ButtonText};
    QStringList out;
    for (auto group : {QPalette::Active, QPalette::Disabled})
        for (auto role : roles)
            out << w->palette().color(group, role).name();
    return out.join(' ');
}

QString contentOf(const QWidget* w)
{
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text() + (button->isChecked() ? " [x]" : "");
    if (const auto* box = qobject_cast<const QLineEdit*>(w))
        return box->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(w))
        return group->title();
    if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return items.join('|') + QString(" @%1").arg(combo->currentIndex());
    }
    if (const auto* list = qobject_cast<const QListWidget*>(w)) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text() + (list->item(i)->isSelected() ? "*" : "");
        return items.join('|') + QString(" @%1").arg(list->currentRow());
    }
    if (const auto* viewer = qobject_cast<const QTextBrowser*>(w))
        return viewer->toPlainText();
    if (const auto* grid = qobject_cast<const QTableView*>(w)) {
        QStringList cells;
        const QAbstractItemModel* m = grid->model();
        for (int r = 0; r < m->rowCount(); ++r)
            for (int c = 0; c < m->columnCount(); ++c) {
                const QModelIndex at = m->index(r, c);
                const QString text = at.data().toString();
                const QVariant paper = at.data(Qt::BackgroundRole);
                if (!text.isEmpty() || paper.isValid())
                    cells << QString("%1,%2=%3%4")
                                 .arg(r)
                                 .arg(c)
                                 .arg(text, paper.isValid()
                                                ? " on " + paper.value<QBrush>().color().name()
                                                : QString());
            }
        return cells.join(' ') + QString(" top %1").arg(grid->verticalScrollBar()->value());
    }
    return {};
}

QString accessibleOf(QWidget* w)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    if (!a)
        return "-";
    return QString("%1 \"%2\" \"%3\" \"%4\"")
        .arg(a->role())
        .arg(a->text(QAccessible::Name), a->text(QAccessible::Description),
             a->text(QAccessible::Value));
}

} // namespace

class WindowSnapshotTest : public WindowTest<> {
    Q_OBJECT

private:
    static QString scale(const QWidget& top) { return QString::number(top.devicePixelRatio()); }

    QString dump(const QWidget& top) const
    {
        QStringList lines;
        QList<QWidget*> named;
        for (QWidget* w : top.findChildren<QWidget*>())
            if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
                named << w;
        std::sort(named.begin(), named.end(),
                  [](QWidget* a, QWidget* b) { return a->objectName() < b->objectName(); });
        for (QWidget* w : named) {
            lines << QString("%1 %2 %3 %4%5 %6 tip\"%7\"")
                         .arg(w->objectName(), w->metaObject()->className(), rect(w->geometry()),
                              w->isVisible() ? "shown" : "hidden",
                              w->isEnabled() ? "" : " disabled")
                         .arg(int(w->focusPolicy()))
                         .arg(w->toolTip());
            lines << "  font " + w->font().toString();
            lines << "  colours " + coloursOf(w);
            lines << "  a11y " + accessibleOf(w);
            lines << "  shows " + contentOf(w).replace('\n', "\\n").replace('\r', "\\r");
        }
        // The window round it and the menus' commands, where a menu bar shows them.
        if (&top != window.get()) {
            lines << QString("window \"%1\" %2x%3 fixed %4")
                         .arg(top.windowTitle())
                         .arg(top.width())
                         .arg(top.height())
                         .arg(top.minimumSize() == top.maximumSize() ? "yes" : "no");
            for (const QAction* a : top.findChildren<QAction*>())
                if (a->objectName().startsWith("aktion"))
                    lines << QString("%1 \"%2\" %3%4")
                                 .arg(a->objectName(), a->text(),
                                      a->shortcut().toString(QKeySequence::PortableText),
                                      a->isEnabled() ? "" : " disabled");
        }
        QWidget* focus = QApplication::focusWidget();
        lines << "focus " + (focus ? focus->objectName() : QString("none"));
        return lines.join('\n') + '\n';
    }

    // Where Tab and Shift+Tab go from the widget with the focus; the focus
    // is put back after.
    QString tabWalk() const
    {
        QWidget* start = QApplication::focusWidget();
        QStringList forward;
        QStringList backward;
        for (int i = 0; i < 25; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            forward << QApplication::focusWidget()->objectName();
        }
        if (start)
            start->setFocus();
        for (int i = 0; i < 25; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            backward << QApplication::focusWidget()->objectName();
        }
        if (start)
            start->setFocus();
        return "tab " + forward.join(' ') + "\nbacktab " + backward.join(' ') + '\n';
    }

    void check(const QString& state, bool walkTabs = false, QWidget* shown = nullptr)
    {
        QWidget& top = shown ? *shown : *window;
        QCoreApplication::processEvents();
        const QString text = dump(top) + (walkTabs ? tabWalk() : QString());
        const QImage picture = top.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QString base = QStringLiteral(RAVELIN_SNAPSHOTS "/") + state;
        const QString picturePath = base + "@" + scale(top) + ".png";
        if (qEnvironmentVariableIsSet("RAVELIN_RECORD_SNAPSHOTS")) {
            QDir().mkpath(QStringLiteral(RAVELIN_SNAPSHOTS));
            QFile out(base + ".txt");
            if (scale(top) == "1" && out.open(QIODevice::WriteOnly))
                out.write(text.toUtf8());
            QVERIFY(picture.save(picturePath));
        }
        // The properties hold at every scale; the record is made at scale 1.
        if (scale(top) == "1") {
            QFile in(base + ".txt");
            QVERIFY2(in.open(QIODevice::ReadOnly), qPrintable(base));
            const QStringList want = QString::fromUtf8(in.readAll()).split('\n');
            const QStringList got = text.split('\n');
            for (int i = 0; i < std::min(want.size(), got.size()); ++i)
                QVERIFY2(want[i] == got[i], qPrintable(QString("%1 line %2:\n want %3\n got  %4")
                                                           .arg(state)
                                                           .arg(i + 1)
                                                           .arg(want[i], got[i])));
            QCOMPARE(got.size(), want.size());
        }
        const QImage recorded = QImage(picturePath).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!recorded.isNull(), qPrintable(picturePath));
        QCOMPARE(picture.size(), recorded.size());
        int differing = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                differing += picture.pixel(x, y) != recorded.pixel(x, y);
        QVERIFY2(differing == 0,
                 qPrintable(QString("%1: %2 pixels differ").arg(picturePath).arg(differing)));
    }

    void press(int times)
    {
        for (int i = 0; i < times; ++i)
            child<QAbstractButton>("okstart")->click();
    }

private slots:
    void initTestCase()
    {
        // A caret that does not blink is the same in every picture.
        QApplication::setCursorFlashTime(0);
    }
    void init()
    {
        files.files["/opt/ravelin/info_ravelin.txt"] =
            "{\\rtf1 {\\b Ravelin}\\par Eine Zeile\\par\\par Noch eine}";
        files.folders = {"/perm"};
        files.current = "/perm";
        files.files["/perm/tisch.txt"] = "Spielbank Hamburg\r\nTisch 3\r\nDatum\r\nx\r\n"
                                         "17\r\n4\r\n0\r\n22\r\n-\r\n9\r\n31\r\n2\r\n"
                                         "14\r\n5\r\n36\r\n1\r\n=\r\n";
        for (int i = 0; i < 400; ++i)
            spins.add((i * 7 + 3) % 37);
        QVERIFY(open());
    }
    void cleanup() { close(); }

    void importedPermanenceInSingleSteps()
    {
        check("start", true);
        child<QAbstractButton>("okextern")->click();
        auto* files1 = child<QListWidget>("File1");
        QTest::mouseClick(files1->viewport(), Qt::LeftButton, {},
                          files1->visualItemRect(files1->item(0)).center());
        check("panel", true);
        child<QAbstractButton>("okexternok")->click();
        check("imported");
        press(4);
        check("imported-presses");
        child<QAbstractButton>("okinfo")->click();
        check("info", true);
    }

    void generatorThroughEveryMode()
    {
        auto* count = child<QLineEdit>("textanzahl");
        QTest::keyClicks(count, "60");
        auto* t1 = child<QTableView>("tabelle1");
        QTest::mouseClick(t1->viewport(), Qt::LeftButton, {},
                          t1->visualRect(t1->model()->index(5, 1)).center());
        press(5);
        check("single-steps");
        child<QAbstractButton>("Option1_2")->click();
        QTest::keyClicks(child<QLineEdit>("haltbei"), "30");
        press(2);
        check("halt-at-spin");
        child<QAbstractButton>("Option1_1")->click();
        press(1);
        check("run-through");
    }

    // The program's own window: the menu bar above the window, which keeps
    // its size; the menus' commands with their keys.
    void mainWindowWithItsMenuBar()
    {
        close();
        MainWindow main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        check("main-window", false, &main);
    }

    void rotations()
    {
        QTest::keyClicks(child<QLineEdit>("textanzahl"), "300");
        child<QAbstractButton>("Option1_3")->click();
        press(7);
        check("rotation");
    }
};

QTEST_MAIN(WindowSnapshotTest)
#include "tst_window_snapshot.moc"
