// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "face/event_route.h"

#include <QtCore/qnamespace.h>

#include <functional>

class QAction;
class QWidget;

namespace ravelin {

struct FormModel;

// The key that takes a screen reader's user to the guidance box; the
// window's description names it.
inline constexpr Qt::Key guidanceKey = Qt::Key_F6;

// The window's commands beyond its buttons, each a QAction of the window
// with its shortcut, so that it works wherever the window is shown; a menu
// bar shows the same actions.
class WindowActions {
public:
    // What the commands beyond the handlers do in the window.
    struct Commands {
        // Copies what the focused view holds.
        std::function<void()> copyFocused;
        // Whether the focused view holds something to copy.
        std::function<bool()> copyable;
        std::function<void()> showDistribution;
        std::function<void()> tallyPermanences;
        // Gives the guidance box the focus, for a screen reader; no menu shows it.
        std::function<void()> readGuidance;
    };
    WindowActions(QWidget& window, EventRoute& route, Commands commands);

    // Each action is enabled exactly when what it stands for can be done now.
    void apply(const FormModel& form);

    QAction& copy() { return *copy_; }
    QAction& runToEnd() { return *runToEnd_; }
    QAction& distribution() { return *distribution_; }
    QAction& tally() { return *tally_; }
    QAction& quit() { return *quit_; }
    QAction& info() { return *info_; }
    QAction& about() { return *about_; }
    QAction& guidance() { return *guidance_; }

private:
    Commands commands_;
    QAction* copy_;
    QAction* runToEnd_;
    QAction* distribution_;
    QAction* tally_;
    QAction* quit_;
    QAction* info_;
    QAction* about_;
    QAction* guidance_;
};

} // namespace ravelin
