// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/option_group_view.h"

#include "face/qt_colour.h"
#include "face/view_support.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>
#include <iterator>

namespace ravelin {

namespace {
// Top to bottom on screen the options stand 0, 1, 3, 2.
constexpr int onScreen[OptionGroup::count] = {0, 1, 3, 2};
// The designed places overlap; each option shows on a line of its own.
constexpr int optionHeight = 19;

// An option that takes a click anywhere in its widget, not only on its
// circle and caption; it shows them on its line, wherever that lies in it.
class OptionButton : public QRadioButton {
public:
    OptionButton(const QString& caption, QWidget* parent) : QRadioButton(caption, parent) {}
    void setLine(QRect line) { line_ = line; }

protected:
    bool hitButton(const QPoint& at) const override { return rect().contains(at); }
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.rect = line_;
        painter.drawControl(QStyle::CE_RadioButton, option);
    }

private:
    QRect line_;
};

// Where each option takes clicks: its designed place, and where the places
// overlap, the part nearer its own line. Indexed as the options.
std::array<QRect, OptionGroup::count> clickPlaces(const OptionGroupRow& row)
{
    std::array<QRect, OptionGroup::count> places;
    for (int k = 0; k < OptionGroup::count; ++k) {
        const auto placeAt = [&](int onScreenAt) {
            return pixelsOf(row.at.at(static_cast<std::size_t>(onScreen[onScreenAt])));
        };
        const QRect designed = placeAt(k);
        const int top =
            k == 0 ? designed.top() : (placeAt(k - 1).center().y() + designed.center().y()) / 2 + 1;
        const int bottom = k == OptionGroup::count - 1
                               ? designed.bottom()
                               : (designed.center().y() + placeAt(k + 1).center().y()) / 2;
        places.at(static_cast<std::size_t>(onScreen[k])) =
            QRect(designed.left(), top, designed.width(), bottom - top + 1);
    }
    return places;
}
} // namespace

OptionGroupView::OptionGroupView(const OptionGroupRow& row, QWidget& parent, EventRoute& route)
    : group_(row.group), route_(route), choose_(row.choose)
{
    const std::array<QRect, OptionGroup::count> places = clickPlaces(row);
    for (int i = 0; i < OptionGroup::count; ++i) {
        auto option = std::make_unique<OptionButton>(fromModel(group_.caption(i)), &parent);
        option->setObjectName(fromModel(group_.name()) + QStringLiteral("_%1").arg(i));
        option->setToolTip(fromModel(group_.toolTip(i)));
        setTextColour(*option, toQColor(row.ink));
        const QRect designed = pixelsOf(row.at.at(static_cast<std::size_t>(i)));
        const QRect place = places.at(static_cast<std::size_t>(i));
        option->setGeometry(place);
        option->setLine(QRect(0, designed.center().y() - optionHeight / 2 - place.top(),
                              place.width(), optionHeight));
        QObject::connect(option.get(), &QRadioButton::clicked, this, [this, i] { choose(i); });
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
    bool hadFocus = false;
    for (int i = 0; i < OptionGroup::count; ++i) {
        QRadioButton& w = option(i);
        hadFocus = hadFocus || w.hasFocus();
        w.setEnabled(group_.enabled());
        if (group_.isSelected(i) != w.isChecked())
            w.setChecked(group_.isSelected(i));
    }
    // The focus stays with the option the rules left chosen, also where
    // they refused the one the user chose.
    const int selected = group_.selected();
    if (hadFocus && selected >= 0 && selected < OptionGroup::count && !option(selected).hasFocus())
        option(selected).setFocus(Qt::TabFocusReason);
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

void OptionGroupView::choose(int index)
{
    route_.route([choose = choose_, index](FormController& c) { (c.*choose)(index); });
}

void OptionGroupView::moveBy(int index, int step)
{
    const int place = static_cast<int>(std::find(std::begin(onScreen), std::end(onScreen), index) -
                                       std::begin(onScreen));
    const int chosen = onScreen[(place + step + OptionGroup::count) % OptionGroup::count];
    choose(chosen);
}

} // namespace ravelin
