// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Window tests answer the real confirmation box as a user would: press the
// button that asks, look at the box once it is up, and answer it.

#include "face/message_box_confirmation.h"
#include "window/platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace ravelin::testing {

// Hands every question on to a message box parented to the window, which can
// only be made once the window exists.
struct ForwardingConfirmation : Confirmation {
    std::unique_ptr<MessageBoxConfirmation> to;
    bool confirm(std::string_view prompt, std::string_view title) override
    {
        return to && to->confirm(prompt, title);
    }
};

// What the box showed.
struct SeenBox {
    bool shown = false;
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool yesIsDefault = false;
    bool hasNo = false;
};

// Clicks `asker` and answers the modal box it raises with `answer`.
inline SeenBox answerBoxRaisedBy(QAbstractButton* asker,
                                 const std::function<void(QMessageBox*)>& answer)
{
    SeenBox seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &poll, [&seen, &answer, &poll] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll.stop();
        seen.shown = true;
        seen.text = box->text();
        seen.title = box->windowTitle();
        seen.icon = box->icon();
        seen.yesIsDefault =
            static_cast<QAbstractButton*>(box->defaultButton()) == box->button(QMessageBox::Yes);
        seen.hasNo = box->button(QMessageBox::No) != nullptr;
        answer(box);
    });
    poll.start(20);
    QTest::mouseClick(asker, Qt::LeftButton);
    poll.stop();
    return seen;
}

} // namespace ravelin::testing
