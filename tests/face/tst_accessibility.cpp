// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader learns about the window's controls.

#include "face/form1.h"
#include "support/scripted_platform.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTableView>
#include <QTextEdit>
#include <QtTest>

using namespace ravelin;
using ravelin::testing::MemoryFileSystem;
using ravelin::testing::ScriptedConfirmation;
using ravelin::testing::ScriptedSpins;

namespace {

QString accessibleText(QWidget* widget, QAccessible::Text which)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(which) : QString();
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private:
    ScriptedSpins spins;
    ScriptedConfirmation confirmation;
    MemoryFileSystem files;
    std::unique_ptr<Form1> window;

    // The window's own controls, without the parts Qt builds inside them.
    QList<QWidget*> controls() const
    {
        QList<QWidget*> own;
        for (QWidget* widget : window->findChildren<QWidget*>())
            if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_"))
                own.append(widget);
        return own;
    }

    // The import panel and the viewer, opened as a user opens them.
    void openPanels()
    {
        window->findChild<QPushButton*>("okextern")->click();
        window->findChild<QPushButton*>("okinfo")->click();
    }

private slots:
    void init()
    {
        spins = ScriptedSpins();
        window = std::make_unique<Form1>(spins, confirmation, files);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() { window.reset(); }

    // Panels opened: the import panel's lists take the focus once shown.
    void everyFocusableWidgetHasAName()
    {
        openPanels();
        int focusable = 0;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (widget->focusPolicy() == Qt::NoFocus)
                continue;
            ++focusable;
            const QString name = accessibleText(widget, QAccessible::Name);
            QVERIFY2(
                !name.trimmed().isEmpty(),
                qPrintable(widget->objectName() + " (" + widget->metaObject()->className() + ")"));
        }
        // The spin count, four options, the halt spin, nine buttons, three grids,
        // the viewer and the import panel's three lists at the least.
        QVERIFY2(focusable >= 22, qPrintable(QString::number(focusable)));
    }

    void focusableNamesTellTheControlsApart()
    {
        openPanels();
        QSet<QString> seen;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (widget->focusPolicy() == Qt::NoFocus)
                continue;
            const QString name = accessibleText(widget, QAccessible::Name);
            QVERIFY2(!seen.contains(name),
                     qPrintable(name + " twice, again at " + widget->objectName()));
            seen.insert(name);
        }
    }

    // Boxes and grids without a caption, and the "R" buttons, still say what they are.
    void everyControlOfTheModelIsNamed()
    {
        openPanels();
        QStringList names;
        for (const Control* control : window->model().controls()) {
            const QString name = QString::fromStdString(control->name());
            if (name == "Option1") {
                for (int i = 0; i < OptionGroup::count; ++i)
                    names << QString("Option1_%1").arg(i);
            } else {
                names << name;
            }
        }
        for (const QString& name : names) {
            auto* widget = window->findChild<QWidget*>(name);
            QVERIFY2(widget, qPrintable(name));
            const QString spoken = accessibleText(widget, QAccessible::Name);
            QVERIFY2(spoken.size() > 1, qPrintable(name + ": \"" + spoken + "\""));
            QVERIFY2(!spoken.contains('\r') && !spoken.contains('\n'), qPrintable(name));
        }
        QCOMPARE(accessibleText(window->findChild<QWidget*>("tabelle1"), QAccessible::Name),
                 QString::fromUtf8("H\u00e4ufigkeiten der Zahlen 0 bis 36"));
        QCOMPARE(accessibleText(window->findChild<QWidget*>("Option1_1"), QAccessible::Name),
                 QString("Durchlauf"));
    }

    void descriptionsAreTheToolTipsWithoutStrayBlanks()
    {
        openPanels();
        int withTip = 0;
        for (QWidget* widget : controls()) {
            if (widget->toolTip().isEmpty())
                continue;
            ++withTip;
            // A state shown by colour may come before the tool tip.
            const QString description = accessibleText(widget, QAccessible::Description);
            // The grid that takes keys goes on to say what they do.
            const QString tip = widget->toolTip().simplified();
            const bool saysKeys = widget->objectName() == "tabelle1";
            QVERIFY2(saysKeys ? description.startsWith(tip + ". ")
                              : description == tip || description.endsWith(". " + tip),
                     qPrintable(widget->objectName() + ": " + description));
        }
        QVERIFY2(withTip >= 20, qPrintable(QString::number(withTip)));
        QCOMPARE(accessibleText(window->findChild<QWidget*>("okresetl"), QAccessible::Description),
                 QString::fromUtf8("L\u00f6scht alle Markierungen im obigen grauen Feld"));
    }

    // Start turns into "Weiter" once a triple is under way, and is red until
    // its number is composed; Info turns into "Ende Info" while the viewer is
    // open. A reader hears the caption shown and the state the colour shows;
    // the screen-reader run hears each change announced.
    void buttonsSayTheirCaptionAndState()
    {
        auto* okstart = window->findChild<QPushButton*>("okstart");
        auto* okinfo = window->findChild<QPushButton*>("okinfo");
        const auto name = [](QWidget* w) { return accessibleText(w, QAccessible::Name); };
        const auto description = [](QWidget* w) {
            return accessibleText(w, QAccessible::Description);
        };
        QCOMPARE(name(okstart), QString("Start"));
        QCOMPARE(name(okinfo), QString("Info"));
        const QString ready = description(okstart);
        QVERIFY2(ready.startsWith(QString::fromUtf8("Gr\u00fcn")), qPrintable(ready));

        QTest::keyClicks(window->findChild<QWidget*>("textanzahl"), "30");
        QTest::mouseClick(okstart, Qt::LeftButton);
        QCOMPARE(okstart->text(), QString("Weiter"));
        QCOMPARE(name(okstart), QString("Weiter"));
        QCOMPARE(description(okstart),
                 QString::fromUtf8("Rot: Dreiergruppe l\u00e4uft. Startet die Simulation"));

        // The third spin composes the number: green again, still "Weiter".
        QTest::mouseClick(okstart, Qt::LeftButton);
        QTest::mouseClick(okstart, Qt::LeftButton);
        QCOMPARE(description(okstart), ready);

        okinfo->click();
        QCOMPARE(name(okinfo), QString("Ende Info"));
        okinfo->click();
        QCOMPARE(name(okinfo), QString("Info"));
    }

    // The guidance box shows the start hint, the computer's line and the end
    // of the run, and nowhere else are they shown: a reader hears what it
    // shows now.
    void theGuidanceIsHeardAsShown()
    {
        auto* guidance = window->findChild<QLabel*>("text");
        const auto heard = [&] { return accessibleText(guidance, QAccessible::Description); };
        QCOMPARE(accessibleText(guidance, QAccessible::Name), QString("Hinweise"));
        QVERIFY(!guidance->text().trimmed().isEmpty());
        QCOMPARE(heard(), guidance->text().simplified());
        QTest::keyClicks(window->findChild<QWidget*>("textanzahl"), "3");
        auto* okstart = window->findChild<QPushButton*>("okstart");
        QTest::mouseClick(okstart, Qt::LeftButton);
        QCOMPARE(heard(), QString("Der Computer erzeugt die Zahlen..."));
        for (int press = 0; press < 12 && okstart->isEnabled(); ++press)
            QTest::mouseClick(okstart, Qt::LeftButton);
        QVERIFY2(heard().endsWith("*** ENDE ***"), qPrintable(heard()));
    }

    // A marked number is shown by the light green of its cell, a candidate of
    // the triple by the blue of its cell: a reader hears both in words, and
    // marks a number with a cell's action as a click does.
    void markedAndCandidateCellsSaySo()
    {
        auto* grid = window->findChild<QTableView*>("tabelle1");
        QAccessibleTableInterface* table =
            QAccessible::queryAccessibleInterface(grid)->tableInterface();
        QVERIFY(table);
        const auto heard = [&](int row, int col) {
            return table->cellAt(row, col)->text(QAccessible::Name);
        };
        const auto paper = [&](int row, int col) {
            return grid->model()->index(row, col).data(Qt::BackgroundRole).value<QBrush>().color();
        };
        QCOMPARE(heard(9, 0), QString("9"));
        const QColor unmarked = paper(9, 0);

        QAccessibleActionInterface* action = table->cellAt(9, 1)->actionInterface();
        QVERIFY(action);
        QVERIFY(action->actionNames().contains(QAccessibleActionInterface::toggleAction()));
        action->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(paper(9, 0) != unmarked);
        QCOMPARE(heard(9, 0), QString("9, markiert"));
        QCOMPARE(heard(9, 1), QString("markiert"));
        QCOMPARE(heard(8, 0), QString("8"));

        // The first spin of a triple paints its group's six numbers blue.
        spins.addNumber(15);
        QTest::keyClicks(window->findChild<QWidget*>("textanzahl"), "30");
        QTest::mouseClick(window->findChild<QPushButton*>("okstart"), Qt::LeftButton);
        int candidates = 0;
        for (int row = 0; row < table->rowCount(); ++row) {
            const bool blue = paper(row, 3) == QColor(0, 0, 192);
            QCOMPARE(heard(row, 3).endsWith("Kandidat"), blue);
            candidates += blue;
        }
        QCOMPARE(candidates, 6);

        table->cellAt(9, 2)->actionInterface()->doAction(
            QAccessibleActionInterface::toggleAction());
        QCOMPARE(paper(9, 0), unmarked);
        QCOMPARE(heard(9, 0), QString("9"));
    }

    // The log's table always has its thousands of rows; a reader hears how
    // many of them hold entries, a triple's first spin making one, and finds
    // only those rows. The keys that go down stop at the last entry.
    void theLogSaysHowManyEntriesItHolds()
    {
        auto* log = window->findChild<QTableView*>("tabelle3");
        const auto heard = [&] { return accessibleText(log, QAccessible::Description); };
        QAccessibleTableInterface* rows =
            QAccessible::queryAccessibleInterface(log)->tableInterface();
        QVERIFY(rows);
        QCOMPARE(heard(), QString::fromUtf8("0 Eintr\u00e4ge"));
        QCOMPARE(rows->rowCount(), 0);
        // The first row, which the first entry fills, is there to ask for.
        QVERIFY(rows->cellAt(0, 1) && !rows->cellAt(1, 1));
        QTest::keyClicks(window->findChild<QWidget*>("textanzahl"), "30");
        auto* okstart = window->findChild<QPushButton*>("okstart");
        QTest::mouseClick(okstart, Qt::LeftButton);
        QCOMPARE(heard(), QString("1 Eintrag"));
        QCOMPARE(rows->rowCount(), 1);
        for (int press = 0; press < 3; ++press)
            QTest::mouseClick(okstart, Qt::LeftButton);
        QCOMPARE(heard(), QString::fromUtf8("2 Eintr\u00e4ge"));
        QCOMPARE(rows->rowCount(), 2);
        QVERIFY(rows->cellAt(1, 1) && !rows->cellAt(2, 1));
        QCOMPARE(QAccessible::queryAccessibleInterface(log)->childCount(),
                 3 * (log->model()->columnCount() + 1));

        log->setFocus();
        for (const auto& [key, modifiers] : {std::pair{Qt::Key_End, Qt::ControlModifier},
                                             std::pair{Qt::Key_PageDown, Qt::NoModifier},
                                             std::pair{Qt::Key_Down, Qt::NoModifier}}) {
            log->setCurrentIndex(log->model()->index(key == Qt::Key_Down ? 1 : 0, 2));
            QTest::keyClick(log, key, modifiers);
            QCOMPARE(log->currentIndex().row(), 1);
            QCOMPARE(log->currentIndex().column(), 2);
        }
        QTest::keyClick(log, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(log->currentIndex().row(), 0);
    }

    // The window is a window named by its title, not a client area; the
    // drive box is named by its role and holds the drive as its value, where
    // Qt names a drop-down list by its entry; the viewer is a read-only
    // document whose text a reader can read, not a label.
    void theWindowTheDriveBoxAndTheViewerAreWhatTheyAre()
    {
        QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(window.get());
        QCOMPARE(frame->role(), QAccessible::Window);
        QCOMPARE(frame->text(QAccessible::Name), window->windowTitle());

        // A paragraph longer than the viewer is wide, then a short one.
        std::string paragraph;
        for (int word = 0; word < 40; ++word)
            paragraph += "Wort ";
        files.files["/opt/ravelin/info_ravelin.txt"] = "{\\rtf1 " + paragraph + "\\par Kurz}";
        openPanels();
        auto* drives = window->findChild<QComboBox*>("Drive1");
        QVERIFY(!drives->currentText().isEmpty());
        QAccessibleInterface* drive = QAccessible::queryAccessibleInterface(drives);
        QCOMPARE(drive->role(), QAccessible::ComboBox);
        QCOMPARE(drive->text(QAccessible::Name), QString("Laufwerk"));
        QCOMPARE(drive->text(QAccessible::Value), drives->currentText());
        QAccessibleTextInterface* driveText = drive->textInterface();
        QVERIFY(driveText);
        QCOMPARE(driveText->text(0, driveText->characterCount()), drives->currentText());
        QCOMPARE(drive->childCount(), 1);
        QCOMPARE(drive->child(0)->object(), drives->view());

        auto* shown = window->findChild<QTextEdit*>("infotext");
        QAccessibleInterface* viewer = QAccessible::queryAccessibleInterface(shown);
        QCOMPARE(viewer->role(), QAccessible::Document);
        QVERIFY(viewer->state().readOnly);
        QAccessibleTextInterface* text = viewer->textInterface();
        QVERIFY(text);
        QVERIFY(!shown->toPlainText().isEmpty());
        QCOMPARE(text->text(0, text->characterCount()), shown->toPlainText());
        text->setSelection(0, 2, 7);
        QCOMPARE(shown->textCursor().selectedText(), shown->toPlainText().mid(2, 5));
        // Read line by line as the viewer wraps it: Down moves the caret to
        // where the reader's next line starts, Ctrl+End to the end.
        int start = -1;
        int end = -1;
        text->textAtOffset(0, QAccessible::LineBoundary, &start, &end);
        QCOMPARE(start, 0);
        QVERIFY2(end > 0 && end < static_cast<int>(paragraph.size()) - 1,
                 qPrintable(QString::number(end)));
        text->textAfterOffset(0, QAccessible::LineBoundary, &start, &end);
        shown->setFocus();
        text->setCursorPosition(0);
        QTest::keyClick(shown, Qt::Key_Down);
        QCOMPARE(text->cursorPosition(), start);
        QVERIFY(viewer->state().readOnly);
        QTest::keyClick(shown, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(text->cursorPosition(), text->characterCount());
        const QString before =
            text->textBeforeOffset(text->characterCount(), QAccessible::LineBoundary, &start, &end);
        QVERIFY2(start > 0 && before.trimmed().endsWith("Wort"), qPrintable(before));

        // What the panel and the viewer cover whole does not show; what they
        // leave free does, and the outline round the right column is no object.
        const auto showing = [this](const char* name) {
            return !QAccessible::queryAccessibleInterface(window->findChild<QWidget*>(name))
                        ->state()
                        .offscreen;
        };
        QVERIFY(!showing("okstart"));
        QVERIFY(!showing("tabelle3"));
        QVERIFY(showing("tabelle1"));
        QVERIFY(showing("okinfo"));
        for (int i = 0; i < frame->childCount(); ++i)
            QVERIFY(frame->child(i)->object() != window->findChild<QWidget*>("Shape1"));
        window->findChild<QPushButton*>("okinfo")->click();
        QVERIFY(showing("tabelle3"));
    }

    // A reader hears each display box's value after its name, whichever way
    // the run writes or empties it: after every press the name is the role,
    // and the shown text if there is one. Three equal numbers fill the
    // first-double boxes; "Rotation/37" writes the rotation and empties the
    // first-double boxes again at each triple start.
    void displayBoxesSayWhatTheyShow_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("filled");
        QTest::newRow("Einzelschritt")
            << "Option1_0"
            << QStringList{"lakut", "Lreal", "lzahl", "Label11", "Label13", "Label14"};
        QTest::newRow("Rotation/37")
            << "Option1_3" << QStringList{"lakut", "Lreal", "lzahl", "Lrotat", "Label14"};
    }
    void displayBoxesSayWhatTheyShow()
    {
        QFETCH(QString, option);
        QFETCH(QStringList, filled);
        const std::pair<const char*, const char*> boxes[] = {
            {"lakut", "Anzahl W\u00fcrfe real"},
            {"Lreal", "Anzahl W\u00fcrfe akut"},
            {"lzahl", "Aktuell geworfene Zahl"},
            {"Lrotat", "Aktuelle Rotation"},
            {"Label11", "Erstmals eine Zahl doppelt"},
            {"Label13", "Erstmals eine Zahl doppelt hintereinander"},
            {"Label14", "Erstmals eine Zahl dreifach hintereinander"},
        };
        for (int i = 0; i < 4; ++i)
            spins.addNumber(15);
        // Enough spins for a whole rotation, which "Rotation/37" asks for.
        QTest::keyClicks(window->findChild<QWidget*>("textanzahl"), "300");
        auto* choice = window->findChild<QAbstractButton*>(option);
        choice->click();
        QVERIFY(choice->isChecked());
        auto* okstart = window->findChild<QPushButton*>("okstart");
        QSet<QString> seen;
        for (int press = 0; press < 12 && okstart->isEnabled(); ++press) {
            QTest::mouseClick(okstart, Qt::LeftButton);
            for (const auto& [control, role] : boxes) {
                auto* box = window->findChild<QLabel*>(control);
                QVERIFY2(box, control);
                const QString shown = box->text().simplified();
                const QString expected =
                    QString::fromUtf8(role) + (shown.isEmpty() ? QString() : ": " + shown);
                QCOMPARE(accessibleText(box, QAccessible::Name), expected);
                if (!shown.isEmpty())
                    seen.insert(control);
            }
        }
        for (const QString& control : filled)
            QVERIFY2(seen.contains(control), qPrintable(control + " never showed a value"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
