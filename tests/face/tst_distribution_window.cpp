// SPDX-License-Identifier: GPL-3.0-or-later
// The distribution of the run beside the window: its figures are the core's,
// its bars stand as high as the counts, and it follows the run.

#include "evaluation/number_shares.h"
#include "evaluation/run_distribution.h"
#include "face/distribution_chart.h"
#include "face/tally_command.h"
#include "support/model_dump.h"
#include "support/shown_window.h"
#include "tally/tally_text.h"
#include "text/german_number.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace ravelin;
using ravelin::testing::WindowTest;

class DistributionWindowTest : public WindowTest<> {
    Q_OBJECT

private:
    // Composes each number as often as given, in turn.
    void compose(const std::vector<std::pair<int, int>>& counts)
    {
        int presses = 0;
        for (const auto& [number, times] : counts)
            for (int i = 0; i < times; ++i, presses += 3)
                spins.addNumber(number);
        for (int i = 0; i < presses; ++i)
            child<QPushButton>("okstart")->click();
    }
    QWidget* distribution() const { return window->findChild<QWidget*>("verteilung"); }
    QString figure(const char* name) const
    {
        return distribution()->findChild<QLabel*>(name)->text();
    }
    // The figures the core gives for the run as it stands.
    RunDistribution core() const
    {
        return runDistribution(window->model(), NumberShares(window->model().board));
    }
    void expectTheCoresFigures()
    {
        const RunDistribution run = core();
        QCOMPARE(figure("anzahlZahlen"), QString::fromStdString(germanCount(run.figures.numbers)));
        QCOMPARE(figure("chiQuadrat"),
                 QString::fromStdString(germanDecimal(*run.figures.chiSquare, 2)));
        QCOMPARE(figure("freiheitsgrade"), QString("35"));
        QCOMPARE(figure("urteil"), QString::fromStdString(verdictText(run.figures)));
    }

private slots:
    void init()
    {
        QVERIFY(open());
        QTest::keyClicks(child<QWidget>("textanzahl"), "3000");
    }
    void cleanup() { close(); }

    void itShowsTheCoresFiguresAndFollowsTheRun()
    {
        compose({{5, 3}, {9, 1}, {20, 6}});
        window->findChild<QAction*>("aktionVerteilung")->trigger();
        QVERIFY(distribution()->isVisible());
        QCOMPARE(distribution()->windowTitle(), QString("Verteilung der Zahlen"));
        expectTheCoresFigures();
        QCOMPARE(figure("anzahlZahlen"), QString("10"));
        QVERIFY(figure("pWert").isEmpty());

        // Every number on: the window follows, the test speaks at 180.
        std::vector<std::pair<int, int>> many;
        for (int n = 1; n <= 36; ++n)
            many.emplace_back(n, n % 7 + 2);
        compose(many);
        expectTheCoresFigures();
        const QByteArray out = qgetenv("RAVELIN_TEST_OUTPUT");
        if (!out.isEmpty())
            QVERIFY(distribution()->grab().save(QString::fromLocal8Bit(out) + "/distribution.png"));
        QCOMPARE(figure("pWert"),
                 QString::fromStdString(germanProbability(core().figures.test->pValue)));

        QTest::keyClick(distribution(), Qt::Key_Escape);
        QVERIFY(!distribution()->isVisible());
    }

    // Read off the picture: each bar as high as its count, none where none came.
    void theBarsStandAsHighAsTheCounts()
    {
        compose({{5, 3}, {9, 1}, {20, 6}});
        window->findChild<QAction*>("aktionVerteilung")->trigger();
        auto* chart = distribution()->findChild<DistributionChart*>("diagramm");
        const QImage picture = chart->grab().toImage();
        const QColor bars = chart->palette().color(QPalette::Highlight);
        const qreal scale = picture.devicePixelRatio();
        const auto barHeight = [&](int number) {
            const QRect bar = chart->barOf(number);
            const int x = static_cast<int>(bar.center().x() * scale);
            // From the axis up to the bar's highest pixel: the line of the
            // expected count may cross it.
            const int bottom = static_cast<int>((chart->barOf(1).bottom() + 1) * scale);
            int top = bottom;
            for (int y = bottom - 1; y >= 0; --y)
                if (picture.pixelColor(x, y) == bars)
                    top = y;
            return (bottom - top) / scale;
        };
        const qreal one = barHeight(9);
        QVERIFY(one > 3);
        QVERIFY(std::abs(barHeight(5) - 3 * one) <= 2);
        QVERIFY(std::abs(barHeight(20) - 6 * one) <= 2);
        QCOMPARE(barHeight(7), 0.0);
    }

    // A tally shows in place of the run, with its files, and leaves the run
    // alone; the window goes back to the run when asked.
    void aTallyShowsInPlaceOfTheRunAndBack()
    {
        compose({{5, 3}});
        std::vector<std::string> paths;
        std::string permanence = "Spielbank Hamburg\r\nTisch 1\r\nMontag\r\n";
        for (int spin = 0; spin < 600; ++spin)
            permanence += std::to_string(spin * 7 % 37) + "\r\n";
        for (int day = 1; day <= 3; ++day) {
            paths.push_back("/p/tag" + std::to_string(day) + ".txt");
            files.files[paths.back()] = permanence;
        }
        paths.push_back("/p/notiz.txt");
        files.files[paths.back()] = "Einkauf\r\n";
        const std::string before = testing::modelDump(window->model());

        window->findChild<QAction*>("aktionVerteilung")->trigger();
        window->tally().tally(paths);
        QVERIFY(window->tally().running());
        // Held back while the files are read: no press reaches the run.
        QTest::mouseClick(child<QPushButton>("okstart"), Qt::LeftButton);
        QTRY_VERIFY(!window->tally().running());
        QCOMPARE(testing::modelDump(window->model()), before);

        const TallyResult core = tallyPermanences(files, paths);
        QCOMPARE(figure("quelle"), QString::fromStdString(tallySource(core)));
        QVERIFY(figure("quelle").startsWith("3 Permanenzen, "));
        QCOMPARE(figure("anzahlZahlen"),
                 QString::fromStdString(germanCount(total(core.counts.frequency))));
        auto* table = distribution()->findChild<QTableView*>("dateien");
        QVERIFY(table->isVisible());
        QAbstractItemModelTester tester(table->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(table->model()->rowCount(), 4);
        QCOMPARE(table->model()->index(0, 3).data().toString(), QString("keine Permanenz"));

        // The run goes on beside the tally, which stays shown.
        compose({{9, 1}});
        QVERIFY(figure("quelle").startsWith("3 Permanenzen, "));
        distribution()->findChild<QPushButton*>("zumLauf")->click();
        QCOMPARE(figure("quelle"), QString("Der Lauf, 4 Zahlen"));
        QVERIFY(!table->isVisible());
    }

    // Cancelled in the middle of a huge file: the reading stops, nothing shows.
    void aCancelledTallyShowsNothing()
    {
        files.generated["/p/riesig.txt"] = {"Spielbank Hamburg\r\nTisch 1\r\nMontag\r\n",
                                            3ull << 30, '\n'};
        window->tally().tally({"/p/riesig.txt"});
        QTRY_VERIFY(window->tally().progress() && window->tally().progress()->isVisible());
        QTest::keyClick(window->tally().progress(), Qt::Key_Escape);
        QTRY_VERIFY(!window->tally().running());
        QVERIFY(files.bytesRequested < (3ull << 30));
        QVERIFY(!distribution());
    }

    // "Ende" answered Yes ends the program: the distribution goes with it.
    void itClosesWithTheProgram()
    {
        window->findChild<QAction*>("aktionVerteilung")->trigger();
        QVERIFY(distribution()->isVisible());
        child<QPushButton>("okende")->click();
        QVERIFY(!window->isVisible());
        QVERIFY(!distribution()->isVisible());
    }
};

QTEST_MAIN(DistributionWindowTest)
#include "tst_distribution_window.moc"
