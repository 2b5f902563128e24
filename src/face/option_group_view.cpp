// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/option_group_view.h"

#include "face/qt_colour.h"
#include "face/view_support.h"

#include <QKeyEvent>

#include <algorithm>
#include <iterator>

namespace ravelin {

namespace {
// Top to bottom on screen the options stand 0, 1, 3, 2.
constexpr int onScreen[OptionGroup::count] = {0, 1, 3, 2};
// The designed places overlap; each option keeps to a line of its own.
constexpr int optionHeight = 19;
} // namespace

OptionGroupView::OptionGroupView(const OptionGroupRow& row, QWidget& parent, EventRoute& route)
    : group_(row.group), route_(route)
{
    for (int i = 0; i < OptionGroup::count; ++i) {
        auto option = std::make_unique<QRadioButton>(fromModel(group_.caption(i)), &parent);
        option->setObjectName(fromModel(group_.name()) + QStringLiteral("_%1").arg(i));
        option->setToolTip(fromModel(group_.toolTip(i)));
        setTextColour(*option, toQColor(row.ink));
        const QRect designed = pixelsOf(row.at.at(static_cast<std::size_t>(i)));
        option->setGeometry(designed.x(), designed.center().y() - optionHeight / 2,
                            designed.width(), optionHeight);
        QObject::connect(option.get(), &QRadioButton::clicked, this, [this, i] {
            route_.route([i](FormController& c) { c.option1Click(i); });
        });
        option->installEventFilter(this);
        options_.at(static_cast<std::size_t>(i)) = std::move(option);
    }
}

OptionGroupView::~OptionGroupView()
{
    for (auto& option : options_)
        option->removeEventFilter(this);
}

void OptionGroupView::apply()
{
    for (int i = 0; i < OptionGroup::count; ++i) {
        QRadioButton& w = option(i);
        w.setEnabled(group_.enabled());
        if (group_.isSelected(i) != w.isChecked())
            w.setChecked(group_.isSelected(i));
    }
}

bool OptionGroupView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() != Qt::NoModifier)
        return false;
    const auto it = std::find_if(options_.begin(), options_.end(),
                                 [&](const auto& option) { return option.get() == watched; });
    const int index = static_cast<int>(it - options_.begin());
    switch (key->key()) {
    case Qt::Key_Down:
    case Qt::Key_Right:
        moveBy(index, 1);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Left:
        moveBy(index, -1);
        return true;
    default:
        return false;
    }
}

void OptionGroupView::moveBy(int index, int step)
{
    const int place = static_cast<int>(std::find(std::begin(onScreen), std::end(onScreen), index) -
                                       std::begin(onScreen));
    const int chosen = onScreen[(place + step + OptionGroup::count) % OptionGroup::count];
    route_.route([chosen](FormController& c) { c.option1Click(chosen); });
    // The focus goes with the option the handling left selected.
    const int selected = group_.selected();
    if (selected >= 0 && selected < OptionGroup::count)
        option(selected).setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

} // namespace ravelin
