// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The real window over scripted seams, shown offscreen, for the window tests.
// A test class derives from it and has the window and its seams as members.

#include "face/form1.h"
#include "face/message_box_confirmation.h"
#include "support/scripted_platform.h"

#include <QObject>
#include <QtTest>

#include <memory>

namespace ravelin::testing {

template <typename Confirm = ScriptedConfirmation, typename Files = MemoryFileSystem>
class WindowTest : public QObject {
protected:
    ScriptedSpins spins;
    Confirm confirmation;
    Files files;
    std::unique_ptr<Form1> window;

    // Makes the window and waits until it is on screen. A confirmation that
    // hands its questions on gets a real message box over the window.
    bool open()
    {
        window = std::make_unique<Form1>(spins, confirmation, files);
        if constexpr (requires { confirmation.to; })
            confirmation.to = std::make_unique<MessageBoxConfirmation>(window.get());
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }
    void close()
    {
        if constexpr (requires { confirmation.to; })
            confirmation.to.reset();
        window.reset();
    }

    template <typename T> T* child(const char* name) const
    {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
};

} // namespace ravelin::testing
