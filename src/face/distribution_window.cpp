// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/distribution_window.h"

#include "evaluation/chi_square.h"
#include "evaluation/run_distribution.h"
#include "face/distribution_chart.h"
#include "face/tally_table_model.h"
#include "face/view_support.h"
#include "tally/tally_text.h"
#include "text/german_number.h"
#include "window/form_model.h"

#include <QClipboard>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

namespace ravelin {

namespace {

constexpr int filesAtAGlance = 4;
constexpr int rowPadding = 4;

QLabel* figure(const char* name, QWidget& owner)
{
    auto* label = new QLabel(&owner);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

// "12 (erwartet 11,2)"
QString againstExpected(std::uint64_t seen, double expected)
{
    return fromModel(germanCount(seen) + " (erwartet " + germanDecimal(expected, 1) + ")");
}

} // namespace

DistributionWindow::DistributionWindow(const FormModel& form, QWidget* owner)
    : QWidget(owner, Qt::Window), form_(form), shares_(form.board), figures_(new QFormLayout),
      source_(figure("quelle", *this)), chart_(new DistributionChart(this))
{
    setObjectName(QStringLiteral("verteilung"));
    setWindowTitle(QStringLiteral("Verteilung der Zahlen"));
    chart_->setObjectName(QStringLiteral("diagramm"));

    // Made in the order a reader reads them: each caption before its value.
    const auto row = [this](const char* caption, const char* name) {
        auto* named = new QLabel(QString::fromUtf8(caption), this);
        QLabel* value = figure(name, *this);
        named->setBuddy(value);
        figures_->addRow(named, value);
        return value;
    };
    numbers_ = row("Zahlen:", "anzahlZahlen");
    chiSquare_ = row("Chi-Quadrat:", "chiQuadrat");
    degrees_ = row("Freiheitsgrade:", "freiheitsgrade");
    pValue_ = row("p-Wert:", "pWert");
    pairs_ = row("2fach hintereinander:", "zweifach");
    threes_ = row("3fach hintereinander:", "dreifach");
    distinct_ = row("Verschiedene Zahlen:", "verschiedene");
    verdict_ = figure("urteil", *this);
    verdict_->setWordWrap(true);
    files_ = new TallyTableModel(this);
    fileTable_ = new QTableView(this);
    back_ = new QPushButton(QStringLiteral("Zur\u00fcck zum &Lauf"), this);

    fileTable_->setObjectName(QStringLiteral("dateien"));
    fileTable_->setAccessibleName(QStringLiteral("Dateien der Auswertung"));
    fileTable_->setModel(files_);
    fileTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fileTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    fileTable_->setTabKeyNavigation(false);
    fileTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    fileTable_->horizontalHeader()->setStretchLastSection(true);
    fileTable_->verticalHeader()->hide();
    // A line of text a row, as a list reads; a style's roomy rows would hide most files.
    fileTable_->verticalHeader()->setDefaultSectionSize(fileTable_->fontMetrics().height() +
                                                        rowPadding);
    // Room for some files at a glance; the window grows by it when a tally shows.
    fileTable_->setMinimumHeight(fileTable_->horizontalHeader()->sizeHint().height() +
                                 filesAtAGlance *
                                     fileTable_->verticalHeader()->defaultSectionSize());
    fileTable_->hide();

    back_->setObjectName(QStringLiteral("zumLauf"));
    back_->hide();
    connect(back_, &QPushButton::clicked, this, [this] { backToRun(); });
    auto* copy = new QPushButton(QStringLiteral("&Kopieren"), this);
    copy->setObjectName(QStringLiteral("kopieren"));
    connect(copy, &QPushButton::clicked, this, [this] { this->copy(); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addStretch(1);
    buttons->addWidget(copy);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(source_);
    layout->addWidget(chart_, 1);
    layout->addLayout(figures_);
    layout->addWidget(verdict_);
    layout->addWidget(fileTable_, 1);
    layout->addLayout(buttons);
    follow();
}

void DistributionWindow::follow()
{
    if (!tally_)
        showRun(runDistribution(form_, shares_));
}

void DistributionWindow::showTally(TallyResult tally)
{
    const DistributionFigures figures = distributionFigures(tally.counts, tally.chances, shares_);
    source_->setText(fromModel(tallySource(tally)));
    // A tally has no marks: they belong to the run.
    showFigures(figures, {});
    distinct_->clear();
    figures_->setRowVisible(distinct_, false);
    copied_ = tallyCopyText(tally, figures);
    files_->showRows(tally.rows);
    tally_ = std::move(tally);
    fileTable_->show();
    back_->show();
    // Grown for the list, but never beyond the screen.
    if (const QScreen* shown = screen())
        resize(size().expandedTo(sizeHint()).boundedTo(shown->availableGeometry().size()));
}

void DistributionWindow::backToRun()
{
    tally_.reset();
    files_->showRows({});
    fileTable_->hide();
    back_->hide();
    follow();
}

void DistributionWindow::showRun(const RunDistribution& run)
{
    const DistributionFigures& f = run.figures;
    QString source = run.withinRotation
                         ? QStringLiteral("Rotation %1 des Laufs").arg(fromModel(run.rotation))
                         : QStringLiteral("Der Lauf");
    source += QStringLiteral(", ") + fromModel(germanCount(f.numbers)) +
              (f.numbers == 1 ? QStringLiteral(" Zahl") : QStringLiteral(" Zahlen"));
    source_->setText(source);
    showFigures(f, run.marked);
    distinct_->setText(run.withinRotation ? againstExpected(run.distinct, run.expectedDistinct)
                                          : QString());
    figures_->setRowVisible(distinct_, run.withinRotation);
    copied_ = copyText(f);
}

void DistributionWindow::showFigures(const DistributionFigures& f,
                                     const std::array<bool, wheel::numberCount>& marked)
{
    chart_->showCounts(f.counts, marked, static_cast<double>(f.numbers) / wheel::lastNumber);
    numbers_->setText(fromModel(germanCount(f.numbers)));
    chiSquare_->setText(f.chiSquare ? fromModel(germanDecimal(*f.chiSquare, 2)) : QString());
    degrees_->setText(f.chiSquare ? QString::number(chiSquareDegreesOfFreedom) : QString());
    pValue_->setText(f.test ? fromModel(germanProbability(f.test->pValue)) : QString());
    pairs_->setText(againstExpected(f.pairs, f.expectedPairs));
    threes_->setText(againstExpected(f.threes, f.expectedThrees));
    verdict_->setText(fromModel(verdictText(f)));
}

void DistributionWindow::copy() const
{
    auto* data = new QMimeData;
    data->setText(fromModel(copied_));
    data->setImageData(chart_->grab().toImage());
    QGuiApplication::clipboard()->setMimeData(data);
}

void DistributionWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace ravelin
