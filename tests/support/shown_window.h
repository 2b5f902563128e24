// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The real window over scripted seams, shown offscreen, for the window tests.

#include "face/form1.h"
#include "support/scripted_platform.h"

#include <QtTest>

#include <memory>

namespace ravelin::testing {

struct ShownWindow {
    ScriptedSpins spins;
    ScriptedConfirmation confirmation;
    MemoryFileSystem files;
    std::unique_ptr<Form1> window;

    // Makes the window and waits until it is on screen.
    bool open()
    {
        window = std::make_unique<Form1>(spins, confirmation, files);
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }
    void close() { window.reset(); }

    template <typename T> T* child(const char* name) const
    {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
};

} // namespace ravelin::testing
