// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/platform.h"

class QWidget;

namespace ravelin {

// Asks with a modal message box: question-mark icon, "Ja" and "Nein", "Ja" the default.
class MessageBoxConfirmation : public Confirmation {
public:
    explicit MessageBoxConfirmation(QWidget* parent) : parent_(parent) {}

    bool confirm(std::string_view prompt, std::string_view title) override;

private:
    QWidget* parent_;
};

} // namespace ravelin
