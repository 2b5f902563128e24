// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/window_actions.h"

#include "window/form_model.h"
#include "wiring/form_controller.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

#include <utility>

namespace ravelin {

namespace {
QAction* makeAction(QWidget& window, const char* name, const QString& text,
                    const QKeySequence& shortcut)
{
    auto* action = new QAction(text, &window);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    // Not while a question over the window waits for its answer.
    action->setShortcutContext(Qt::WindowShortcut);
    window.addAction(action);
    return action;
}
} // namespace

WindowActions::WindowActions(QWidget& window, EventRoute& route, std::function<void()> copyFocused,
                             std::function<bool()> copyable, std::function<void()> showDistribution)
    : copyable_(std::move(copyable)),
      copy_(makeAction(window, "aktionKopieren", QStringLiteral("&Kopieren"), QKeySequence::Copy)),
      runToEnd_(makeAction(window, "aktionBisZumEnde", QStringLiteral("&Bis zum Ende"),
                           QKeySequence(Qt::CTRL | Qt::Key_E))),
      distribution_(makeAction(window, "aktionVerteilung", QStringLiteral("&Verteilung\u2026"),
                               QKeySequence(Qt::CTRL | Qt::Key_D)))
{
    QObject::connect(distribution_, &QAction::triggered, distribution_,
                     std::move(showDistribution));
    QObject::connect(copy_, &QAction::triggered, copy_, std::move(copyFocused));
    QObject::connect(runToEnd_, &QAction::triggered, runToEnd_,
                     [&route] { route.route([](FormController& c) { c.runToEnd(); }); });
}

void WindowActions::apply(const FormModel& form)
{
    copy_->setEnabled(copyable_());
    runToEnd_->setEnabled(form.okstart.enabled());
}

} // namespace ravelin
