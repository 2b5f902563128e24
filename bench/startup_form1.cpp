// SPDX-License-Identifier: GPL-3.0-or-later
// The program's window started as the program starts it, shown, exposed and
// left again: the Form1 side of the start-up figure. With "run" as its
// argument it also presses the whole run through before it leaves, for the
// memory figure. (The program itself takes no command line; this harness does.)

#include "face/application_setup.h"
#include "support/window_run.h"

#include <cstring>

int main(int argc, char** argv)
{
    const bool wholeRun = argc > 1 && std::strcmp(argv[1], "run") == 0;
    int qtArgc = 1;
    QApplication app(qtArgc, argv);

    ravelin::prepareApplication(app); // as the program does before its window is made

    Form1 window;
    if (!ravelin::bench::showExposed(window))
        return 1;
    if (wholeRun) {
        if (!ravelin::bench::prepareWindowRun(window))
            return 2;
        ravelin::bench::pressWindowUntilEnd(window);
        if (window.model().state.kombiwurf != ravelin::bench::wholeRunTriples)
            return 3;
    }
    return 0;
}
