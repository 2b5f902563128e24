// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace ravelin {

// Holds back the person's input from every window of the program while work
// on their behalf runs beside it, so that no command starts in between; the
// windows still repaint, and the work's own dialog takes input. Lasts as
// long as the object.
class InputHold : public QObject {
public:
    InputHold();
    ~InputHold() override;
    InputHold(const InputHold&) = delete;
    InputHold& operator=(const InputHold&) = delete;

    // The dialog of the work, which alone takes input meanwhile.
    void allow(QWidget& dialog) { dialog_ = &dialog; }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    QPointer<QWidget> dialog_;
};

} // namespace ravelin
