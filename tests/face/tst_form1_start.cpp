// SPDX-License-Identifier: GPL-3.0-or-later
// The window as the user first sees it: real widgets, offscreen.

#include "face/view.h"
#include "support/shown_window.h"
#include "window/grid_copy.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTextBrowser>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <tuple>

using namespace ravelin;
using ravelin::testing::WindowTest;

class Form1StartTest : public WindowTest<> {
    Q_OBJECT

private:
private slots:
    void init() { QVERIFY(open()); }
    void cleanup() { close(); }

    void windowHasItsTitleAndFixedSize()
    {
        QCOMPARE(window->size(), QSize(638, 477));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        // A window of fixed size offers no maximize; minimize and close stay.
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(flags & Qt::WindowTitleHint);
        QVERIFY(window->windowTitle().startsWith("Praxis / EC / Ravelin dual"));
        QVERIFY(window->windowTitle().endsWith("V12.01"));
        QVERIFY(!window->windowIcon().isNull());
    }

    // The import panel and the viewer as the user opens them.
    void everyControlIsFoundByItsName()
    {
        child<QPushButton>("okextern")->click();
        child<QPushButton>("okinfo")->click();
        for (const char* name : {"tabelle1",  "tabelle2",    "tabelle3",        "Label6",
                                 "Label7",    "Label8",      "Label9",          "okresetl",
                                 "Label11",   "Label13",     "Label14",         "Command1",
                                 "text",      "Label3",      "Label4",          "Label5",
                                 "lakut",     "Lreal",       "okinfo",          "infotext",
                                 "Label1",    "textanzahl",  "Label15",         "Option1_0",
                                 "Option1_1", "Option1_2",   "Option1_3",       "haltbei",
                                 "Label17",   "Lrotat",      "Label2",          "lzahl",
                                 "okstart",   "okabbrechen", "okextern",        "okende",
                                 "Frame1",    "Drive1",      "Label10",         "Dir1",
                                 "File1",     "okexternok",  "okexternabbruch", "Shape1"})
            QVERIFY2(window->findChild<QWidget*>(QString::fromLatin1(name)), name);
    }

    // Every control of the model has its view, and every widget shows a
    // control of the model (or the frame round the right column).
    void controlsAndViewsMatchOneToOne()
    {
        child<QPushButton>("okextern")->click();
        child<QPushButton>("okinfo")->click();
        QStringList shown{"Shape1"};
        for (const Control* control : window->model().controls()) {
            const QString name = QString::fromStdString(control->name());
            const ControlView* view = window->viewOf(*control);
            QVERIFY2(view, qPrintable(name));
            QCOMPARE(view->control().name(), control->name());
            if (name == "Option1")
                for (int i = 0; i < OptionGroup::count; ++i)
                    shown << QString("Option1_%1").arg(i);
            else
                shown << name;
        }
        for (QWidget* widget : window->findChildren<QWidget*>())
            if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_"))
                QVERIFY2(shown.contains(widget->objectName()), qPrintable(widget->objectName()));
    }

    void startStateOfTheWidgets()
    {
        QVERIFY(!child<QPushButton>("okstart")->isEnabled());
        QCOMPARE(child<QPushButton>("okstart")->text(), QString("Start"));
        QVERIFY(!child<QPushButton>("okabbrechen")->isEnabled());
        QVERIFY(child<QPushButton>("okextern")->isEnabled());
        QVERIFY(!child<QLineEdit>("haltbei")->isEnabled());
        for (const char* hidden : {"Frame1", "infotext"})
            QVERIFY2(!child<QWidget>(hidden) || !child<QWidget>(hidden)->isVisible(), hidden);
        QVERIFY(child<QRadioButton>("Option1_0")->isChecked());
        for (const char* other : {"Option1_1", "Option1_2", "Option1_3"})
            QVERIFY(!child<QRadioButton>(other)->isChecked());
        QCOMPARE(child<QLineEdit>("textanzahl")->text(), QString());
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>("textanzahl"));
        // The panel opens with no file chosen yet.
        child<QPushButton>("okextern")->click();
        QVERIFY(!child<QPushButton>("okexternok")->isEnabled());
    }

    void frequencyGridShowsTheNumbersOnly()
    {
        QAbstractItemModel* grid = child<QTableView>("tabelle1")->model();
        QCOMPARE(grid->rowCount(), 37);
        QCOMPARE(grid->columnCount(), 4);
        for (int r = 0; r < 37; ++r) {
            QCOMPARE(grid->index(r, 0).data().toString(), QString::number(r));
            for (int c = 1; c < 4; ++c)
                QVERIFY(grid->index(r, c).data().toString().isEmpty());
        }
    }

    // What a cell shows on screen: its background, and its text in dark ink
    // inside the cell, clear of its edges; an empty cell shows nothing else.
    void gridCellsPaintTheirTextInsideTheCell()
    {
        auto* t1 = child<QTableView>("tabelle1");
        const QImage image = t1->viewport()->grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        const auto inkIn = [&](int row, int col) {
            const QRect cell = t1->visualRect(t1->model()->index(row, col));
            const QColor background = image.pixelColor(cell.topLeft() * ratio);
            int ink = 0;
            int left = cell.right(), right = cell.left();
            for (int y = cell.top(); y < cell.bottom(); ++y)
                for (int x = cell.left(); x < cell.right(); ++x)
                    if (image.pixelColor(QPoint(x, y) * ratio).lightness() <
                        background.lightness() - 80) {
                        ++ink;
                        left = std::min(left, x);
                        right = std::max(right, x);
                    }
            return std::tuple{ink, left - cell.left(), cell.right() - right};
        };
        for (int row : {0, 17, 36}) {
            const auto [ink, leftGap, rightGap] = inkIn(row, 0);
            QVERIFY2(ink > 0, qPrintable(QString::number(row)));
            QVERIFY2(leftGap >= 2 && rightGap >= 2, qPrintable(QString::number(row)));
            // Centred: the gaps either side differ by a few pixels at most.
            QVERIFY2(std::abs(leftGap - rightGap) <= 3, qPrintable(QString::number(row)));
            QCOMPARE(std::get<0>(inkIn(row, 1)), 0);
        }
    }

    void guidanceTextShowsFourLines()
    {
        QCOMPARE(std::count(window->model().text.caption().begin(),
                            window->model().text.caption().end(), '\r'),
                 3);
        const QStringList lines = child<QLabel>("text")->text().split('\n');
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], QString::fromUtf8(" Anzahl der gew\u00fcnschten W\u00fcrfe eingeben,"));
        QCOMPARE(lines[3], QString("  Spielbank Hamburg angeben."));
    }

    void optionsStandTopToBottomZeroOneThreeTwo()
    {
        const int y0 = child<QRadioButton>("Option1_0")->y();
        const int y1 = child<QRadioButton>("Option1_1")->y();
        const int y3 = child<QRadioButton>("Option1_3")->y();
        const int y2 = child<QRadioButton>("Option1_2")->y();
        QVERIFY(y0 < y1);
        QVERIFY(y1 < y3);
        QVERIFY(y3 < y2);
        QCOMPARE(child<QRadioButton>("Option1_2")->toolTip(),
                 child<QRadioButton>("Option1_3")->toolTip());
    }

    void countersStandUnderTheirHeadings()
    {
        auto under = [&](const char* box, const char* heading) {
            const QRect b = child<QWidget>(box)->geometry();
            const QRect h = child<QWidget>(heading)->geometry();
            return h.center().x() >= b.left() && h.center().x() <= b.right() &&
                   h.bottom() <= b.top() + 2;
        };
        QVERIFY(under("lakut", "Label4")); // "Real"
        QVERIFY(under("Lreal", "Label5")); // "Akut"
        QCOMPARE(child<QLabel>("Label4")->text(), QString("Real"));
    }

    void toolTipsKeepTheirBlanks()
    {
        QCOMPARE(child<QWidget>("okresetl")->toolTip(),
                 QString::fromUtf8(" L\u00f6scht alle Markierungen  im obigen grauen Feld "));
        QCOMPARE(
            child<QWidget>("Label14")->toolTip(),
            QString("  Bei diesem Wurf kam zum erstenmal eine Zahl dreifach hintereinander vor. "));
        QCOMPARE(child<QWidget>("Option1_0")->toolTip(),
                 QString(" Bleibt nach jedem Wurf stehen  "));
        QCOMPARE(child<QWidget>("tabelle1")->toolTip(),
                 QString::fromUtf8(" Zeigt die H\u00e4ufigkeiten der Zahlen 0-36 ab "));
        QCOMPARE(child<QWidget>("Lrotat")->toolTip(),
                 QString(" Zeigt die aktuell geworfene  Zahl an "));
    }

    // What the shown labels and buttons do not fit, as "name: text".
    QStringList clippedCaptions()
    {
        QStringList clipped;
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (!label->isVisible())
                continue;
            const QStringList lines = label->text().split('\n');
            const QFontMetrics metrics(label->font());
            // A framed label keeps half an "x" free on the side it aligns to.
            int room = label->contentsRect().width() - 2 * label->margin();
            if (label->frameWidth() > 0 && !(label->alignment() & Qt::AlignHCenter))
                room -= label->indent() >= 0 ? label->indent()
                                             : metrics.horizontalAdvance(QLatin1Char('x')) / 2;
            // A label that wraps fits when its wrapped lines do, in width and height.
            const QRect wrapped =
                metrics.boundingRect(QRect(0, 0, room, 10000), Qt::TextWordWrap, label->text());
            if (label->wordWrap() &&
                (wrapped.width() > room || wrapped.height() > label->contentsRect().height()))
                clipped << QString("%1: wrapped %2x%3")
                               .arg(label->objectName())
                               .arg(wrapped.width())
                               .arg(wrapped.height());
            // Each line the text breaks itself fits on one line of the box,
            // also where the box would wrap it: a wrapped piece stands alone.
            for (const QString& line : lines)
                if (metrics.horizontalAdvance(line) > room)
                    clipped << QString("%1: \"%2\" %3 > %4")
                                   .arg(label->objectName(), line)
                                   .arg(metrics.horizontalAdvance(line))
                                   .arg(room);
            // The three small boxes show numbers only: their digits must fit whole.
            const bool numbersOnly = label->objectName().startsWith("Label1") &&
                                     label->objectName() != "Label10" &&
                                     label->objectName() != "Label15";
            const int needed = numbersOnly ? metrics.tightBoundingRect("0123456789").height()
                                           : metrics.height() * static_cast<int>(lines.size());
            if (!label->wordWrap() && needed > label->contentsRect().height() + 1)
                clipped << label->objectName() + ": height";
        }
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            if (button->text().isEmpty() || !button->isVisible())
                continue;
            const int needed =
                qobject_cast<QRadioButton*>(button)
                    ? button->sizeHint().width()
                    : QFontMetrics(button->font()).horizontalAdvance(button->text()) + 6;
            if (needed > button->width())
                clipped << button->objectName() + ": " + button->text();
        }
        auto* frame = child<QGroupBox>("Frame1");
        if (frame &&
            QFontMetrics(frame->font()).horizontalAdvance(frame->title()) >= frame->width() - 10)
            clipped << "Frame1";
        return clipped;
    }

    // Every text the program writes, in each state that shows it: the start
    // text, the computer line, the end line, counts of five digits, the
    // import panel's text, a permanence's header. Also run at scale 2.
    void noCaptionIsClipped()
    {
        // The panel lists the folder as it was when the window opened.
        files.files["/tisch.txt"] = "Spielbank Hamburg \x96 Franz\xf6sisches Roulette\r\n"
                                    "Tisch 3\r\nM\xe4rz 2003\r\nPermanenz\r\n17\r\n0\r\n5\r\n";
        close();
        QVERIFY(open());
        QVERIFY2(clippedCaptions().isEmpty(), qPrintable(clippedCaptions().join("; ")));
        for (int i = 0; i < 6; ++i)
            spins.addNumber(i + 1);
        QTest::keyClicks(child<QLineEdit>("textanzahl"), "3");
        auto* start = child<QPushButton>("okstart");
        start->click();
        QCOMPARE(start->text(), QString("Weiter"));
        QVERIFY2(clippedCaptions().isEmpty(), qPrintable(clippedCaptions().join("; ")));
        for (int press = 0; press < 3 && start->isEnabled(); ++press)
            start->click();
        QVERIFY(window->model().text.caption().ends_with("***  ENDE  *** "));
        QVERIFY2(clippedCaptions().isEmpty(), qPrintable(clippedCaptions().join("; ")));

        FormModel& f = window->model();
        // Spins run to five digits; triples, at most 5000, to four.
        for (const std::string digits : {"00000", "24999", "88888"}) {
            f.lakut.setCaption(digits);
            for (Label* count : {&f.Lreal, &f.Label11, &f.Label13, &f.Label14})
                count->setCaption(digits.substr(1));
            f.Lrotat.setCaption("888/38");
            window->refresh();
            QVERIFY2(clippedCaptions().isEmpty(), qPrintable(clippedCaptions().join("; ")));
        }

        // Five digits of a first appearance fit the green grid's column
        // whole: as wide in ink as in the log's wider column, same face.
        auto* t2 = child<QTableView>("tabelle2");
        QCOMPARE(t2->columnWidth(0), 27);
        f.tabelle2.setTextAt(20, 0, "24999");
        f.tabelle3.setTextAt(3, 1, "24999");
        window->refresh();
        const auto inkWidth = [](QTableView* view, int row, int col) {
            const QImage image = view->viewport()->grab().toImage();
            // In the image's own pixels, which are finer at scale 2.
            const qreal ratio = image.devicePixelRatio();
            const QRect shown = view->visualRect(view->model()->index(row, col));
            const QRect cell(shown.topLeft() * ratio, shown.size() * ratio);
            const int inkBelow = image.pixelColor(cell.topLeft()).lightness() - 80;
            int left = cell.right(), right = cell.left();
            for (int y = cell.top(); y <= cell.bottom(); ++y)
                for (int x = cell.left(); x <= cell.right(); ++x)
                    if (image.pixelColor(x, y).lightness() < inkBelow) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                    }
            return right - left + 1;
        };
        const int whole = inkWidth(child<QTableView>("tabelle3"), 3, 1);
        QVERIFY(whole > 15);
        // A pixel either way is the edge of a glyph placed a fraction apart.
        QVERIFY2(std::abs(inkWidth(t2, 20, 0) - whole) <= 1,
                 qPrintable(QString("%1 of %2").arg(inkWidth(t2, 20, 0)).arg(whole)));

        child<QPushButton>("okabbrechen")->click();
        child<QPushButton>("okextern")->click();
        QVERIFY(child<QGroupBox>("Frame1")->isVisible());
        QVERIFY2(clippedCaptions().isEmpty(), qPrintable(clippedCaptions().join("; ")));

        // A permanence's header, one item a line.
        child<QListWidget>("File1")->setCurrentRow(0);
        child<QPushButton>("okexternok")->click();
        QVERIFY(!child<QGroupBox>("Frame1")->isVisible());
        QCOMPARE(child<QLabel>("text")->text().count('\n'), 2);
        QVERIFY2(clippedCaptions().isEmpty(), qPrintable(clippedCaptions().join("; ")));
    }

    void gridRowsFitAndStayLevel()
    {
        auto* t1 = child<QTableView>("tabelle1");
        auto* t2 = child<QTableView>("tabelle2");
        auto* t3 = child<QTableView>("tabelle3");
        QCOMPARE(t1->rowAt(t1->viewport()->height() - 1 -
                           (t1->viewport()->height() - 37 * t1->rowHeight(0))),
                 36);
        QVERIFY(t1->rowViewportPosition(36) + t1->rowHeight(36) <= t1->viewport()->height());
        for (int r : {0, 17, 36})
            QCOMPARE(t1->viewport()
                         ->mapTo(window.get(), t1->visualRect(t1->model()->index(r, 0)).topLeft())
                         .y(),
                     t2->viewport()
                         ->mapTo(window.get(), t2->visualRect(t2->model()->index(r, 0)).topLeft())
                         .y());
        // The spin log shows rows 0 to 24 whole, and no more, before it scrolls.
        QVERIFY(t3->rowViewportPosition(24) + t3->rowHeight(24) <= t3->viewport()->height());
        QVERIFY(t3->rowViewportPosition(25) + t3->rowHeight(25) > t3->viewport()->height());
        QCOMPARE(t3->columnWidth(1), 47);
    }

    void gridModelsAreWellFormed()
    {
        for (const char* name : {"tabelle1", "tabelle2", "tabelle3"}) {
            QAbstractItemModelTester tester(child<QTableView>(name)->model(),
                                            QAbstractItemModelTester::FailureReportingMode::QtTest);
            Q_UNUSED(tester);
        }
    }

    void aRunIsMirroredIntoTheWidgets()
    {
        for (int i = 0; i < 40; ++i)
            spins.addNumber(i % 36 + 1);
        auto* count = child<QLineEdit>("textanzahl");
        count->setFocus();
        QTest::keyClicks(count, "200");
        auto* start = child<QPushButton>("okstart");
        for (int press = 0; press < 27 * 3; ++press)
            start->click();
        const FormModel& f = window->model();
        QCOMPARE(f.state.kombiwurf, 27);
        QCOMPARE(child<QLabel>("lakut")->text(), QString::fromStdString(f.lakut.caption()));
        QCOMPARE(child<QLabel>("Lreal")->text(), QString("27"));
        QCOMPARE(child<QLabel>("lzahl")->text(), QString::fromStdString(f.lzahl.caption()));
        QCOMPARE(start->text(), QString("Weiter"));
        QCOMPARE(start->palette().color(QPalette::Button), QColor(0, 192, 0));
        QVERIFY(child<QPushButton>("okabbrechen")->isEnabled());
        QVERIFY(!child<QPushButton>("okextern")->isEnabled());
        // The log follows its newest row: row 26 written, rows 2 to 26 shown.
        auto* log = child<QTableView>("tabelle3");
        QCOMPARE(log->rowAt(0), 2);
        QCOMPARE(log->model()->index(26, 0).data().toString(),
                 QString::fromStdString(std::string(f.tabelle3.textAt(26, 0))));
        QVERIFY(!log->model()->index(26, 0).data().toString().isEmpty());
        // Candidate cells show blue once the next triple has begun.
        start->click();
        const int group = f.state.aktsechser;
        auto* grid = child<QTableView>("tabelle1");
        QCOMPARE(
            grid->model()->index(6 * group, 3).data(Qt::BackgroundRole).value<QBrush>().color(),
            QColor(0, 0, 192));
        const QByteArray out = qgetenv("RAVELIN_TEST_OUTPUT");
        if (!out.isEmpty())
            QVERIFY(window->grab().save(QString::fromLocal8Bit(out) + "/window-run.png"));
    }

    // A person reads the run's state from the colour of Start: its face shows
    // the colour it is given, flat, in every state it can be in, with the
    // caption clearly darker than the face and a mark while it has the focus.
    // While it cannot be pressed its caption is in the disabled text colour,
    // as on every other button, and owes no contrast.
    void theStartButtonShowsItsColourFlat()
    {
        auto* start = child<QPushButton>("okstart");
        const auto luminance = [](QColor c) {
            const auto linear = [](double v) {
                return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) +
                   0.0722 * linear(c.blueF());
        };
        // What is wrong with the face: a point clear of the caption in another
        // colour, a caption too little darker than the face to be read, or a
        // disabled caption in another colour than the disabled text's.
        const QColor disabledInk = start->palette().color(QPalette::Disabled, QPalette::ButtonText);
        QVERIFY(disabledInk != QColor(Qt::black));
        const auto faultIn = [&](QColor face) {
            const QImage image = start->grab().toImage();
            const qreal ratio = image.devicePixelRatio();
            const int w = start->width();
            const int h = start->height();
            QStringList faces;
            for (const QPoint p :
                 {QPoint(6, 6), QPoint(w / 2, 6), QPoint(w - 7, 6), QPoint(6, h / 2),
                  QPoint(w - 7, h / 2), QPoint(6, h - 7), QPoint(w - 7, h - 7)})
                faces << image.pixelColor(p * ratio).name();
            if (faces != QStringList(faces.size(), face.name()))
                return faces.join(' ');
            double darkest = 1;
            // The caption's point least like the face: the ink itself, where
            // a stroke covers it whole.
            QColor farthest = face;
            const auto distance = [&](QColor c) {
                return std::abs(c.red() - face.red()) + std::abs(c.green() - face.green()) +
                       std::abs(c.blue() - face.blue());
            };
            for (int y = h / 4; y < h * 3 / 4; ++y)
                for (int x = w / 4; x < w * 3 / 4; ++x) {
                    const QColor c = image.pixelColor(QPoint(x, y) * ratio);
                    darkest = std::min(darkest, luminance(c));
                    if (distance(c) > distance(farthest))
                        farthest = c;
                }
            if (!start->isEnabled())
                return farthest == disabledInk ? QString()
                                               : QString("disabled caption %1 not %2")
                                                     .arg(farthest.name(), disabledInk.name());
            const double contrast = (luminance(face) + 0.05) / (darkest + 0.05);
            return contrast < 4.5 ? QString("caption contrast %1").arg(contrast) : QString();
        };
        const QColor lightGreen(192, 255, 192), red(255, 0, 0), green(0, 192, 0);
        const auto check = [&](const char* state, QColor face) {
            const QString fault = faultIn(face);
            return fault.isEmpty() ? QString() : QString("%1: %2; ").arg(state, fault);
        };
        QVERIFY(!start->isEnabled());
        QString faults = check("disabled at start", lightGreen);
        spins.add({4, 5, 6});
        QTest::keyClicks(child<QLineEdit>("textanzahl"), "3");
        faults += check("enabled", lightGreen);
        const QImage unfocused = start->grab().toImage();
        start->setFocus(Qt::TabFocusReason);
        faults += check("focused", lightGreen);
        QVERIFY(start->grab().toImage() != unfocused);
        QTest::mouseMove(start);
        faults += check("hovered", lightGreen);
        start->click();
        faults += check("in a triple", red);
        start->setDown(true);
        faults += check("pressed", red);
        start->setDown(false);
        start->click();
        start->click();
        faults += check("triple complete", green);
        start->click();
        QVERIFY(!start->isEnabled());
        faults += check("disabled at the end", green);
        QVERIFY2(faults.isEmpty(), qPrintable(faults));
    }

    // Return and the keypad's Enter press the button that has the focus, in
    // the window and in the panel; from elsewhere they press none.
    void returnAndEnterPressTheFocusedButton_data()
    {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<bool>("keypad");
        QTest::newRow("Start, Return") << "okstart" << false;
        QTest::newRow("Start, Enter") << "okstart" << true;
        QTest::newRow("Info") << "okinfo" << false;
        QTest::newRow("R") << "okresetl" << true;
        QTest::newRow("green R") << "Command1" << false;
        QTest::newRow("Import") << "okextern" << true;
        QTest::newRow("Ende") << "okende" << false;
        QTest::newRow("panel OK") << "okexternok" << true;
        QTest::newRow("panel Abbr.") << "okexternabbruch" << false;
        QTest::newRow("count box") << "textanzahl" << false;
        QTest::newRow("grid") << "tabelle2" << true;
    }
    void returnAndEnterPressTheFocusedButton()
    {
        QFETCH(QString, focused);
        QFETCH(bool, keypad);
        files.files["/a.txt"] = "Spielbank\r\nB\r\nC\r\nD\r\n5\r\n";
        QVERIFY(open());
        QTest::keyClicks(child<QLineEdit>("textanzahl"), "3");
        if (focused.startsWith("okextern") && focused != "okextern") {
            child<QPushButton>("okextern")->click();
            child<QListWidget>("File1")->setCurrentRow(0);
        }
        auto* target = window->findChild<QWidget*>(focused);
        QVERIFY(target->isEnabled() && target->isVisible());
        target->setFocus(Qt::TabFocusReason);
        std::vector<std::unique_ptr<QSignalSpy>> clicks;
        QStringList names;
        for (QPushButton* button : window->findChildren<QPushButton*>()) {
            clicks.push_back(std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked));
            names << button->objectName();
        }
        QTest::keyClick(target, keypad ? Qt::Key_Enter : Qt::Key_Return,
                        keypad ? Qt::KeypadModifier : Qt::NoModifier);
        QStringList pressed;
        for (std::size_t i = 0; i < clicks.size(); ++i)
            for (int n = 0; n < clicks[i]->count(); ++n)
                pressed << names[static_cast<qsizetype>(i)];
        const bool isButton = qobject_cast<QPushButton*>(target) != nullptr;
        QCOMPARE(pressed, isButton ? QStringList{focused} : QStringList{});
    }

    // Return in a box moves on to Start when Start can be pressed, and
    // presses nothing; with Start disabled it does nothing at all.
    void returnInABoxMovesOnToStart_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("focusAfter");
        QTest::newRow("count, Start enabled") << "textanzahl"
                                              << "30"
                                              << "okstart";
        QTest::newRow("count, Start disabled") << "textanzahl"
                                               << ""
                                               << "textanzahl";
        QTest::newRow("halt, Start enabled") << "haltbei"
                                             << "30"
                                             << "okstart";
        QTest::newRow("halt, Start disabled") << "haltbei"
                                              << ""
                                              << "haltbei";
    }
    void returnInABoxMovesOnToStart()
    {
        QFETCH(QString, box);
        QFETCH(QString, count);
        QFETCH(QString, focusAfter);
        QTest::keyClicks(child<QLineEdit>("textanzahl"), count);
        child<QRadioButton>("Option1_2")->click();
        QTest::keyClicks(child<QLineEdit>("haltbei"), "20");
        auto* target = child<QLineEdit>(qPrintable(box));
        target->setFocus(Qt::TabFocusReason);
        QSignalSpy pressed(child<QPushButton>("okstart"), &QAbstractButton::clicked);
        QTest::keyClick(target, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), focusAfter);
        QCOMPARE(pressed.count(), 0);
        QCOMPARE(window->model().state.wurfnummer, 0.0);
    }

    // Where Tab and Shift+Tab lead from the focused control, in turn.
    QStringList tabWalk(int steps, bool back = false)
    {
        QStringList seen;
        for (int i = 0; i < steps; ++i) {
            QTest::keyClick(QApplication::focusWidget(), back ? Qt::Key_Backtab : Qt::Key_Tab,
                            back ? Qt::ShiftModifier : Qt::NoModifier);
            seen << QApplication::focusWidget()->objectName();
        }
        return seen;
    }

    void tabWalksTheFocusOrderAndLeavesTheGrids()
    {
        const QStringList atStart{"Option1_0", "okende",   "okextern", "okinfo",   "tabelle1",
                                  "tabelle2",  "okresetl", "Command1", "tabelle3", "textanzahl"};
        QCOMPARE(tabWalk(10), atStart);
        QStringList back = atStart;
        std::reverse(back.begin(), back.end());
        back.removeFirst();
        back << "textanzahl";
        QCOMPARE(tabWalk(10, true), back);

        // The arrow keys choose the next option on screen, round the group,
        // and it is the Tab stop from then on.
        auto* halt = child<QLineEdit>("haltbei");
        tabWalk(1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY(window->model().Option1.isSelected(1));
        QCOMPARE(QApplication::focusWidget(), child<QRadioButton>("Option1_1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QVERIFY(child<QRadioButton>("Option1_2")->isChecked()); // lowest on screen
        QVERIFY(halt->isEnabled());                             // the change handling ran
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY(window->model().Option1.isSelected(1));
        QVERIFY(!halt->isEnabled());
        QCOMPARE(tabWalk(2, true), QStringList({"textanzahl", "tabelle3"}));
        QCOMPARE(tabWalk(3), QStringList({"textanzahl", "Option1_1", "okende"}));

        // In a grid the arrows move, and the current cell shows while it has the focus.
        auto* t1 = child<QTableView>("tabelle1");
        const QRect cell = t1->visualRect(t1->model()->index(1, 1));
        const QImage unfocused = t1->viewport()->grab(cell).toImage();
        while (QApplication::focusWidget() != t1)
            tabWalk(1);
        QTest::keyClick(t1, Qt::Key_Down);
        QTest::keyClick(t1, Qt::Key_Right);
        QCOMPARE(t1->currentIndex(), t1->model()->index(1, 1));
        QVERIFY(t1->viewport()->grab(cell).toImage() != unfocused);

        // With the import panel open, the right column it covers is passed
        // over; Import pressed by key hands the focus into the panel.
        while (QApplication::focusWidget() != child<QPushButton>("okextern"))
            tabWalk(1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(child<QGroupBox>("Frame1")->isVisible());
        QCOMPARE(QApplication::focusWidget(), child<QWidget>("Drive1"));
        const QStringList walked = tabWalk(12);
        for (const char* covered : {"textanzahl", "Option1_1", "okende", "okabbrechen"})
            QVERIFY2(!walked.contains(covered), qPrintable(walked.join(' ')));
        QVERIFY2(walked.contains("File1") && walked.contains("okexternabbruch"),
                 qPrintable(walked.join(' ')));
        // Closed while it has the focus, the panel takes the focus with it.
        while (QApplication::focusWidget() != child<QPushButton>("okexternabbruch"))
            tabWalk(1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(!child<QGroupBox>("Frame1")->isVisible());
        QVERIFY(QApplication::focusWidget()->isVisible());
    }

    // A keyboard user presses Space on and on. When the button with the focus
    // is disabled or hidden, the focus lands where the next key does no
    // harm: never on "Ende" or "Abbruch", whose questions Space answers Yes.
    void theFocusNeverSlidesOntoEndeOrAbbruch()
    {
        // Two permanences in the starting folder, there before the window lists it.
        files.files["/a.txt"] = "Spielbank\r\nB\r\nC\r\nD\r\n5\r\n";
        files.files["/b.txt"] = "Spielbank\r\nB\r\nC\r\nD\r\n=\r\n";
        QVERIFY(open());
        const auto focus = [] { return QApplication::focusWidget(); };
        const auto press = [&](const char* button) {
            child<QWidget>(button)->setFocus(Qt::TabFocusReason);
            QTest::keyClick(focus(), Qt::Key_Space);
        };
        auto* log = child<QTableView>("tabelle3");
        auto* start = child<QPushButton>("okstart");

        QTest::keyClicks(focus(), "90");
        tabWalk(2);
        QCOMPARE(focus(), start);
        for (int press = 0; press < 100 && start->isEnabled(); ++press)
            QTest::keyClick(focus(), Qt::Key_Space);
        QVERIFY(!start->isEnabled());
        QCOMPARE(focus(), log);
        // On the run's last row, where the run left the log in view.
        QCOMPARE(log->rowAt(0), 5);
        QCOMPARE(log->currentIndex().row(), 29);
        QTest::keyClick(log, Qt::Key_Up);
        QCOMPARE(log->rowAt(0), 5);
        for (int more = 0; more < 3; ++more)
            QTest::keyClick(focus(), Qt::Key_Space);
        QVERIFY(window->isVisible());
        QVERIFY(!window->controller().quitRequested());
        QCOMPARE(focus(), log);
        QVERIFY(!log->model()->index(29, 0).data().toString().isEmpty());

        press("okabbrechen"); // the restart's question is answered Yes
        QCOMPARE(window->model().state.wurfnummer, 0.0);
        QCOMPARE(focus(), child<QWidget>("textanzahl"));

        press("okextern");
        press("okexternabbruch");
        QVERIFY(!child<QWidget>("Frame1")->isVisible());
        QCOMPARE(focus(), child<QWidget>("okextern"));

        // Imported, the permanence's spins enable Start: the focus goes there.
        const auto import = [&](int file) {
            press("okextern");
            child<QListWidget>("File1")->setCurrentRow(file);
            press("okexternok");
            QVERIFY(!child<QWidget>("Frame1")->isVisible());
        };
        import(0);
        QCOMPARE(focus(), start);
        // A permanence without spins leaves Start disabled: back to the count.
        press("okabbrechen");
        import(1);
        QVERIFY(!start->isEnabled());
        QCOMPARE(focus(), child<QWidget>("textanzahl"));
    }

    // Ctrl+C on a grid copies the whole grid, as text and as a table; the
    // grid's current cell, its scroll position and the focus stay. Where
    // nothing can be copied, the copy is disabled; a text box copies its own.
    void ctrlCCopiesTheFocusedGridWhole()
    {
        auto* count = child<QLineEdit>("textanzahl");
        QTest::keyClicks(count, "120");
        for (int press = 0; press < 100; ++press)
            child<QPushButton>("okstart")->click();
        auto* copy = window->findChild<QAction*>("aktionKopieren");
        QVERIFY(copy);
        child<QWidget>("okinfo")->setFocus(Qt::TabFocusReason);
        QVERIFY(!copy->isEnabled());
        auto* log = child<QTableView>("tabelle3");
        log->setFocus(Qt::TabFocusReason);
        QVERIFY(copy->isEnabled());
        const QModelIndex current = log->currentIndex();
        const int top = log->rowAt(0);
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(log, Qt::Key_C, Qt::ControlModifier);
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        const CopiedTable table = copyOfSpinLog(window->model().tabelle3);
        QCOMPARE(copied->text(), QString::fromStdString(asTabSeparated(table)));
        QCOMPARE(copied->html(), QString::fromStdString(asHtmlTable(table)));
        // The heading, 33 numbers and the triple still open.
        QCOMPARE(copied->text().count('\n'), 35);
        QCOMPARE(log->currentIndex(), current);
        QCOMPARE(log->rowAt(0), top);
        QCOMPARE(QApplication::focusWidget(), log);

        count->setFocus(Qt::TabFocusReason);
        count->selectAll();
        QTest::keyClick(count, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("120"));
    }

    // After the user scrolled the log by hand, the restart and the next
    // triples still bring its rows into view.
    void theLogComesBackAfterTheUserScrolled()
    {
        for (int i = 0; i < 30; ++i)
            spins.addNumber(i % 36 + 1);
        auto* count = child<QLineEdit>("textanzahl");
        QTest::keyClicks(count, "200");
        auto* start = child<QPushButton>("okstart");
        for (int press = 0; press < 3 * 3; ++press)
            start->click();
        auto* log = child<QTableView>("tabelle3");
        log->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QVERIFY(log->rowAt(0) > 0);
        child<QPushButton>("okabbrechen")->click();
        QCOMPARE(log->rowAt(0), 0);

        QTest::keyClicks(count, "200");
        for (int press = 0; press < 25 * 3; ++press)
            start->click();
        log->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        for (int press = 0; press < 3; ++press)
            start->click();
        // The 26th triple's row is the last one in view.
        QCOMPARE(log->rowAt(0), 1);
    }

    void writesAPictureOfTheWindow()
    {
        const QImage image = window->grab().toImage();
        QCOMPARE(image.size() / image.devicePixelRatio(), QSize(638, 477));
        const QByteArray out = qgetenv("RAVELIN_TEST_OUTPUT");
        if (!out.isEmpty())
            QVERIFY(image.save(QString::fromLocal8Bit(out) + "/window.png"));
    }
};

QTEST_MAIN(Form1StartTest)
#include "tst_form1_start.moc"
