// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "face/event_route.h"
#include "face/placement.h"
#include "face/view.h"

#include <QObject>
#include <QRadioButton>

#include <array>
#include <memory>

namespace ravelin {

// The four options of the run mode. A click or an arrow key chooses one;
// the arrows go round the options in their order on screen.
class OptionGroupView : public QObject, public ControlView {
public:
    OptionGroupView(const OptionGroupRow& row, QWidget& parent, EventRoute& route);
    ~OptionGroupView() override;

    const Control& control() const override { return group_; }
    QWidget& widget() override { return option(0); }
    QRadioButton& option(int index) { return *options_.at(static_cast<std::size_t>(index)); }
    void apply() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void moveBy(int index, int step);

    void choose(int index);

    const OptionGroup& group_;
    EventRoute& route_;
    const Choose choose_;
    std::array<std::unique_ptr<QRadioButton>, OptionGroup::count> options_;
};

} // namespace ravelin
