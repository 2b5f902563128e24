// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/message_box_confirmation.h"

#include <QMessageBox>
#include <QPushButton>

namespace ravelin {

bool MessageBoxConfirmation::confirm(std::string_view prompt, std::string_view title)
{
    QMessageBox box(QMessageBox::Question,
                    QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())),
                    QString::fromUtf8(prompt.data(), static_cast<qsizetype>(prompt.size())),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setObjectName("confirmation");
    box.button(QMessageBox::Yes)->setText("Ja");
    box.button(QMessageBox::No)->setText("Nein");
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    const bool yes = box.exec() == QMessageBox::Yes;
    // The window takes the focus back at once: the answer's change is shown
    // before it comes, so the focus lands once, where the change leaves it,
    // and a screen reader says it. Left to the desktop, it may never come.
    if (parent_)
        parent_->window()->activateWindow();
    return yes;
}

} // namespace ravelin
