// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tally/permanence_tally.h"

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QProgressDialog>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace ravelin {

class FileSystem;
class InputHold;

// "Mehrere Permanenzen auswerten…": the person chooses permanence files, they
// are tallied beside the window, which repaints but takes no input
// meanwhile, and the finished tally is handed on to be shown. A progress
// dialog with a cancel button comes up when the reading takes longer than
// half a second; a cancelled tally shows nothing.
class TallyCommand : public QObject {
public:
    struct Hooks {
        // The folder the choice opens in; the chosen files' folder is handed back.
        std::function<std::string()> startFolder;
        std::function<void(const std::string& folder)> chosenIn;
        std::function<void(TallyResult)> show;
    };
    TallyCommand(QWidget& window, FileSystem& files, Hooks hooks);
    // A tally still running is cancelled, and the files closed, first.
    ~TallyCommand() override;

    // Asks for the files, then tallies them.
    void choose();
    // Tallies the files at `paths`, as the choice does.
    void tally(std::vector<std::string> paths);
    bool running() const { return hold_ != nullptr; }
    // The progress dialog of the tally that runs, once it is made.
    QProgressDialog* progress() const { return progress_; }

private:
    void finished();

    QWidget& window_;
    FileSystem& files_;
    Hooks hooks_;
    QFutureWatcher<TallyResult> watcher_;
    QPointer<QProgressDialog> progress_;
    std::unique_ptr<InputHold> hold_;
};

} // namespace ravelin
