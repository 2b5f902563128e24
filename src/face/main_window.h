// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class Form1;

namespace ravelin {

// The program's window: a menu bar with the window's commands above the
// window itself, which keeps its size and place; the frame grows by the
// bar alone.
class MainWindow : public QMainWindow {
public:
    MainWindow();

    Form1& form() { return *form_; }

private:
    Form1* form_;
};

} // namespace ravelin
