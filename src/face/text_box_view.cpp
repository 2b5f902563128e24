// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/text_box_view.h"

#include "face/accessibility.h"
#include "face/qt_colour.h"
#include "face/view_support.h"

#include <algorithm>

namespace ravelin {

TextBoxView::TextBoxView(const TextBoxRow& row, QWidget& parent, EventRoute& route)
    : box_(row.box), widget_(std::make_unique<QLineEdit>(&parent))
{
    QLineEdit& w = *widget_;
    w.setObjectName(fromModel(box_.name()));
    w.setFont(fontOf(row.face));
    w.setAlignment(Qt::AlignCenter);
    w.setGeometry(pixelsOf(row.at));
    if (!box_.toolTip().empty())
        w.setToolTip(fromModel(box_.toolTip()));
    nameByRole(w, row.role);
    QObject::connect(&w, &QLineEdit::textEdited, &w,
                     [&route, edit = row.edit](const QString& text) {
                         route.route([&](FormController& c) { (c.*edit)(toModel(text)); });
                     });
}

void TextBoxView::apply()
{
    QLineEdit& w = *widget_;
    const QString text = fromModel(box_.text());
    if (w.text() != text) {
        // The handling kept or emptied what was typed; the caret stays put where it can.
        const int caret = w.cursorPosition();
        w.setText(text);
        w.setCursorPosition(std::min(caret, static_cast<int>(text.size())));
    }
    w.setEnabled(box_.enabled());
    w.setVisible(box_.visible());
    if (hasOwnColour(box_.backColour()))
        setRoleColour(w, QPalette::Base, toQColor(box_.backColour()));
}

} // namespace ravelin
