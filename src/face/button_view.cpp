// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/button_view.h"

#include "face/accessibility.h"
#include "face/flat_colour_button.h"
#include "face/qt_colour.h"
#include "face/view_support.h"

#include <QKeyEvent>

#include <stdexcept>

namespace ravelin {

ButtonView::ButtonView(const ButtonRow& row, QWidget& parent, EventRoute& route)
    : button_(row.button), namedByCaption_(row.role == nullptr), colourSays_(row.colourSays),
      widget_(row.look == ButtonLook::ownColour ? std::make_unique<FlatColourButton>(&parent)
                                                : std::make_unique<QPushButton>(&parent))
{
    // Checked here, not by the compiler: an instrumented build cannot compare
    // handlers while compiling. The window tests build every button, the
    // panel's when they open it.
    if (row.click == nullptr)
        throw std::logic_error("a button without a handler would be dead: " + button_.name());
    QPushButton& w = *widget_;
    w.setObjectName(fromModel(button_.name()));
    w.setFont(fontOf(row.face));
    w.setGeometry(pixelsOf(row.at));
    w.setAutoDefault(false);
    if (!button_.toolTip().empty())
        w.setToolTip(fromModel(button_.toolTip()));
    nameByRole(w, row.role);
    QObject::connect(&w, &QPushButton::clicked, &w, [&route, click = row.click] {
        route.route([click](FormController& c) { (c.*click)(); });
    });
    w.installEventFilter(this);
}

ButtonView::~ButtonView() { widget_->removeEventFilter(this); }

void ButtonView::apply()
{
    QPushButton& w = *widget_;
    w.setText(fromModel(button_.caption()));
    w.setEnabled(button_.enabled());
    w.setVisible(button_.visible());
    if (hasOwnColour(button_.backColour()))
        setRoleColour(w, QPalette::Button, toQColor(button_.backColour()));
    if (namedByCaption_)
        nameByCaption(w);
    if (colourSays_)
        describeWithState(w, colourSays_(button_.backColour()));
}

bool ButtonView::eventFilter(QObject* /*watched*/, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!enter || key->isAutoRepeat() || (key->modifiers() & ~Qt::KeypadModifier) != 0)
        return false;
    widget_->click();
    return true;
}

} // namespace ravelin
