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

WindowActions::WindowActions(QWidget& window, EventRoute& route, Commands commands)
    : commands_(std::move(commands)),
      copy_(makeAction(window, "aktionKopieren", QStringLiteral("&Kopieren"), QKeySequence::Copy)),
      // A function key: a text box on Linux takes Ctrl+E for the end of its line.
      runToEnd_(makeAction(window, "aktionBisZumEnde", QStringLiteral("&Bis zum Ende"),
                           QKeySequence(Qt::Key_F5))),
      distribution_(makeAction(window, "aktionVerteilung", QStringLiteral("&Verteilung\u2026"),
                               QKeySequence(Qt::CTRL | Qt::Key_D))),
      tally_(makeAction(window, "aktionMehrere",
                        QStringLiteral("&Mehrere Permanenzen auswerten\u2026"),
                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D))),
      quit_(makeAction(window, "aktionBeenden", QStringLiteral("&Beenden"),
                       QKeySequence(Qt::CTRL | Qt::Key_Q))),
      info_(makeAction(window, "aktionInfo", QStringLiteral("&Info"), QKeySequence(Qt::Key_F1))),
      about_(makeAction(window, "aktionUeber", QStringLiteral("\u00dc&ber Ravelin"), {})),
      guidance_(makeAction(window, "aktionHinweise", QStringLiteral("&Hinweise"),
                           QKeySequence(guidanceKey)))
{
    QObject::connect(guidance_, &QAction::triggered, guidance_,
                     [this] { commands_.readGuidance(); });
    QObject::connect(distribution_, &QAction::triggered, distribution_,
                     [this] { commands_.showDistribution(); });
    QObject::connect(tally_, &QAction::triggered, tally_, [this] { commands_.tallyPermanences(); });
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
    QObject::connect(copy_, &QAction::triggered, copy_, [this] { commands_.copyFocused(); });
    QObject::connect(runToEnd_, &QAction::triggered, runToEnd_,
                     [&route] { route.route([](FormController& c) { c.runToEnd(); }); });
}

void WindowActions::apply(const FormModel& form)
{
    copy_->setEnabled(commands_.copyable());
    runToEnd_->setEnabled(form.okstart.enabled());
    info_->setEnabled(form.okinfo.enabled());
}

} // namespace ravelin
