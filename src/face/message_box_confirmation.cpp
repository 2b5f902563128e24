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
    return box.exec() == QMessageBox::Yes;
}

} // namespace ravelin
