// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/main_window.h"

#include "face/form1.h"
#include "face/window_frame.h"

#include <QMenu>
#include <QMenuBar>

namespace ravelin {

MainWindow::MainWindow() : form_(new Form1(this))
{
    setObjectName(QStringLiteral("hauptfenster"));
    dressWindow(*this);
    WindowActions& actions = form_->actions();
    const auto menu = [this](const QString& title, std::initializer_list<QAction*> entries) {
        QMenu* shown = menuBar()->addMenu(title);
        for (QAction* entry : entries)
            shown->addAction(entry);
        return shown;
    };
    menu(QStringLiteral("&Datei"), {&actions.quit()});
    menu(QStringLiteral("&Bearbeiten"), {&actions.copy()});
    menu(QStringLiteral("&Lauf"), {&actions.runToEnd()});
    menu(QStringLiteral("&Auswertung"), {&actions.distribution(), &actions.tally()});
    QMenu* help = menu(QStringLiteral("&Hilfe"), {&actions.info()});
    help->addSeparator();
    help->addAction(&actions.about());
    setCentralWidget(form_);
    setFixedSize(form_->width(), form_->height() + menuBar()->sizeHint().height());
}

} // namespace ravelin
