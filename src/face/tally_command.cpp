// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/tally_command.h"

#include "face/input_hold.h"
#include "face/view_support.h"
#include "window/platform.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPromise>
#include <QtConcurrent/QtConcurrentRun>

#include <exception>

namespace ravelin {

namespace {
const QString title = QStringLiteral("Mehrere Permanenzen auswerten");
// A tally quicker than this is never interrupted by a dialog.
constexpr int progressAfterMs = 500;

// Runs on a thread of its own: it touches nothing but the files and the promise.
void tallyBeside(QPromise<TallyResult>& promise, FileSystem& files, std::vector<std::string> paths)
{
    promise.setProgressRange(0, static_cast<int>(paths.size()));
    TallyHooks hooks;
    hooks.progress = [&promise](std::size_t index, std::size_t count, const std::string& path) {
        // The value counts the files begun: it must grow for the text to go out.
        promise.setProgressValueAndText(static_cast<int>(index) + 1,
                                        QStringLiteral("Datei %1 von %2: %3")
                                            .arg(index + 1)
                                            .arg(count)
                                            .arg(QFileInfo(fromModel(path)).fileName()));
    };
    hooks.cancelled = [&promise] { return promise.isCanceled(); };
    try {
        TallyResult tally = tallyPermanences(files, std::move(paths), hooks);
        if (!tally.cancelled)
            promise.addResult(std::move(tally));
    } catch (const std::exception&) {
        // No result: the window says the tally failed.
    }
}
} // namespace

TallyCommand::TallyCommand(QWidget& window, FileSystem& files, Hooks hooks)
    : window_(window), files_(files), hooks_(std::move(hooks))
{
    connect(&watcher_, &QFutureWatcher<TallyResult>::finished, this, [this] { finished(); });
}

TallyCommand::~TallyCommand()
{
    watcher_.cancel();
    watcher_.waitForFinished();
}

void TallyCommand::choose()
{
    if (running())
        return;
    const std::string start = hooks_.startFolder();
    const QStringList chosen = QFileDialog::getOpenFileNames(
        &window_, title, start.empty() ? QDir::homePath() : fromModel(start),
        QStringLiteral("Permanenzen (*.txt)"));
    if (chosen.isEmpty())
        return;
    hooks_.chosenIn(toModel(QFileInfo(chosen.front()).absolutePath()));
    std::vector<std::string> paths;
    paths.reserve(static_cast<std::size_t>(chosen.size()));
    for (const QString& path : chosen)
        paths.push_back(toModel(path));
    tally(std::move(paths));
}

void TallyCommand::tally(std::vector<std::string> paths)
{
    if (running())
        return;
    hold_ = std::make_unique<InputHold>();
    progress_ = new QProgressDialog(QString(), QStringLiteral("Abbrechen"), 0,
                                    static_cast<int>(paths.size()), &window_);
    progress_->setObjectName(QStringLiteral("fortschritt"));
    progress_->setWindowTitle(title);
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setMinimumDuration(progressAfterMs);
    // It goes when the tally is done, not when the last file is begun.
    progress_->setAutoReset(false);
    progress_->setAutoClose(false);
    progress_->setValue(0);
    hold_->allow(*progress_);
    connect(progress_, &QProgressDialog::canceled, &watcher_, &QFutureWatcher<TallyResult>::cancel);
    // The bar counts the files done, one fewer than those begun.
    connect(&watcher_, &QFutureWatcher<TallyResult>::progressValueChanged, progress_,
            [this](int begun) { progress_->setValue(begun - 1); });
    connect(&watcher_, &QFutureWatcher<TallyResult>::progressTextChanged, progress_,
            &QProgressDialog::setLabelText);
    watcher_.setFuture(QtConcurrent::run(
        [&files = files_, paths = std::move(paths)](QPromise<TallyResult>& promise) mutable {
            tallyBeside(promise, files, std::move(paths));
        }));
}

void TallyCommand::finished()
{
    delete progress_;
    hold_.reset();
    const QFuture<TallyResult> done = watcher_.future();
    if (done.isCanceled())
        return;
    if (done.resultCount() == 0) {
        QMessageBox::warning(&window_, title,
                             QStringLiteral("Die Dateien konnten nicht ausgewertet werden."));
        return;
    }
    hooks_.show(done.result());
}

} // namespace ravelin
