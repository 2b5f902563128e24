// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/window_actions.h"

#include "window/form_model.h"
#include "wiring/form_controller.h"

#include <QAction>
#include <QKeySequence>
#include <QMessageBox>
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
                             std::function<bool()> copyable, std::function<void()> showDistribution,
                             std::function<void()> readGuidance)
    : copyable_(std::move(copyable)),
      copy_(makeAction(window, "aktionKopieren", QStringLiteral("&Kopieren"), QKeySequence::Copy)),
      runToEnd_(makeAction(window, "aktionBisZumEnde", QStringLiteral("&Bis zum Ende"),
                           QKeySequence(Qt::CTRL | Qt::Key_E))),
      distribution_(makeAction(window, "aktionVerteilung", QStringLiteral("&Verteilung\u2026"),
                               QKeySequence(Qt::CTRL | Qt::Key_D))),
      quit_(makeAction(window, "aktionBeenden", QStringLiteral("&Beenden"),
                       QKeySequence(Qt::CTRL | Qt::Key_Q))),
      info_(makeAction(window, "aktionInfo", QStringLiteral("&Info"), QKeySequence(Qt::Key_F1))),
      about_(makeAction(window, "aktionUeber", QStringLiteral("\u00dc&ber Ravelin"), {})),
      guidance_(makeAction(window, "aktionHinweise", QStringLiteral("&Hinweise"),
                           QKeySequence(guidanceKey)))
{
    QObject::connect(guidance_, &QAction::triggered, guidance_, std::move(readGuidance));
    QObject::connect(distribution_, &QAction::triggered, distribution_,
                     std::move(showDistribution));
    // As "Ende" and "Info" do, through their handlers.
    const auto routes = [&route](QAction* action, void (FormController::*handler)()) {
        QObject::connect(action, &QAction::triggered, action, [&route, handler] {
            route.route([handler](FormController& c) { (c.*handler)(); });
        });
    };
    routes(quit_, &FormController::okendeClick);
    routes(info_, &FormController::okinfoClick);
    QObject::connect(about_, &QAction::triggered, about_, [&window] {
        QMessageBox::about(
            &window, QStringLiteral("\u00dcber Ravelin"),
            QStringLiteral("<p><b>Ravelin</b> %1</p>"
                           "<p>Wie sich die Zahlen verteilen, die je drei g\u00fcltige "
                           "W\u00fcrfe des Roulettes bilden.</p>"
                           "<p>Freie Software unter der GNU General Public License, "
                           "Version 3 oder sp\u00e4ter (GPL-3.0-or-later).</p>")
                .arg(QStringLiteral(RAVELIN_VERSION)));
    });
    QObject::connect(copy_, &QAction::triggered, copy_, std::move(copyFocused));
    QObject::connect(runToEnd_, &QAction::triggered, runToEnd_,
                     [&route] { route.route([](FormController& c) { c.runToEnd(); }); });
}

void WindowActions::apply(const FormModel& form)
{
    copy_->setEnabled(copyable_());
    runToEnd_->setEnabled(form.okstart.enabled());
    info_->setEnabled(form.okinfo.enabled());
}

} // namespace ravelin
