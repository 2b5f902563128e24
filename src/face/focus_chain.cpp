// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/focus_chain.h"

#include "face/covers.h"
#include "window/form_model.h"

#include <QAbstractButton>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace ravelin {

FocusStop::FocusStop(const OptionGroup& group, int option) : control_(&group), option_(option) {}

std::vector<FocusStop> windowFocusOrder(const FormModel& f)
{
    const OptionGroup& modes = f.Option1;
    return {f.textanzahl, {modes, 0},        {modes, 1},    f.okstart,  {modes, 2}, f.haltbei,
            f.okende,     f.okextern,        f.okabbrechen, f.Drive1,   f.Dir1,     f.File1,
            f.okexternok, f.okexternabbruch, f.okinfo,      f.tabelle1, f.infotext, f.tabelle2,
            f.okresetl,   f.Command1,        {modes, 3},    f.tabelle3};
}

std::vector<FocusLanding> windowFocusLandings(const FormModel& f)
{
    // Imported, Start if the file's spins enabled it; the panel's other stops
    // go the same way, when a press from outside the keyboard closed it.
    const std::vector<FocusStop> imported{f.okstart, f.textanzahl};
    return {
        {f.okstart, {f.tabelle3}},         // the run's end: the log, read by the arrows
        {f.okabbrechen, {f.textanzahl}},   // the restart: the count, as at start-up
        {f.okexternabbruch, {f.okextern}}, // the panel cancelled: Import again
        {f.okexternok, imported},
        {f.Drive1, imported},
        {f.Dir1, imported},
        {f.File1, imported},
    };
}

FocusChain::FocusChain(const std::vector<FocusStop>& order, std::vector<FocusLanding> landings)
    : landings_(std::move(landings))
{
    for (const FocusStop& stop : order)
        stops_.push_back({stop, nullptr});
}

void FocusChain::place(const FocusStop& stop, QWidget& widget)
{
    for (Placed& placed : stops_)
        if (placed.stop == stop)
            placed.widget = &widget;
}

void FocusChain::link() const
{
    QWidget* previous = nullptr;
    for (const Placed& placed : stops_) {
        if (!placed.widget)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, placed.widget);
        previous = placed.widget;
    }
}

bool FocusChain::takesTabFocus(const QWidget& widget) const
{
    if (!widget.isEnabled() || !widget.isVisible() || coveredWhole(widget))
        return false;
    const auto it = std::find_if(stops_.begin(), stops_.end(),
                                 [&](const Placed& p) { return p.widget == &widget; });
    if (it != stops_.end() && it->stop.isOption()) {
        const auto* option = qobject_cast<const QAbstractButton*>(&widget);
        return option && option->isChecked();
    }
    return true;
}

QWidget* FocusChain::next(const QWidget* from, bool forward) const
{
    std::vector<QWidget*> placed;
    for (const Placed& p : stops_)
        if (p.widget)
            placed.push_back(p.widget);
    const int count = static_cast<int>(placed.size());
    int at = -1;
    for (const QWidget* w = from; w && at < 0; w = w->parentWidget()) {
        const auto it = std::find(placed.begin(), placed.end(), w);
        if (it != placed.end())
            at = static_cast<int>(it - placed.begin());
    }
    if (at < 0)
        at = forward ? count - 1 : 0;
    for (int step = 1; step <= count; ++step) {
        QWidget* candidate = placed[static_cast<std::size_t>(
            ((at + (forward ? step : -step)) % count + count) % count)];
        if (takesTabFocus(*candidate))
            return candidate;
    }
    return nullptr;
}

void FocusChain::moveTo(const FocusStop& stop) const
{
    if (QWidget* to = widgetOf(stop); to && takesTabFocus(*to))
        to->setFocus(Qt::TabFocusReason);
}

void FocusChain::leaveCovered(QWidget* focused) const
{
    if (!focused || takesTabFocus(*focused))
        return;
    if (QWidget* to = next(focused, true))
        to->setFocus(Qt::TabFocusReason);
}

bool FocusChain::isStranded(const QWidget* focused)
{
    return focused && (!focused->isEnabled() || !focused->isVisible());
}

void FocusChain::land(QWidget* stranded) const
{
    if (!isStranded(stranded) || stranded != stranded->window()->focusWidget())
        return;
    QWidget* to = nullptr;
    if (const Placed* from = stopOf(stranded))
        for (const FocusLanding& landing : landings_)
            if (landing.from == from->stop)
                for (const FocusStop& stop : landing.to)
                    if (QWidget* w = widgetOf(stop); !to && w && takesTabFocus(*w))
                        to = w;
    if (!to)
        to = next(stranded, true);
    if (to)
        to->setFocus(Qt::OtherFocusReason);
}

const FocusChain::Placed* FocusChain::stopOf(const QWidget* widget) const
{
    for (const QWidget* w = widget; w; w = w->parentWidget())
        for (const Placed& placed : stops_)
            if (placed.widget == w)
                return &placed;
    return nullptr;
}

QWidget* FocusChain::widgetOf(const FocusStop& stop) const
{
    for (const Placed& placed : stops_)
        if (placed.stop == stop)
            return placed.widget;
    return nullptr;
}

} // namespace ravelin
