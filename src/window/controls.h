// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/colour.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ravelin {

class Control;
struct FormModel;

// Every control of one window, in the order the window declares them.
using ControlList = std::vector<Control*>;

// The state of one control of the window, as the handlers see it. Every
// setter that changes something marks the control, so that the view can
// refresh just the controls a handler touched. A control enters the list of
// its window when it is made.
class Control {
public:
    Control(ControlList& window, std::string name, std::string toolTip = {})
        : name_(std::move(name)), toolTip_(std::move(toolTip))
    {
        window.push_back(this);
    }
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const std::string& name() const { return name_; }
    const std::string& toolTip() const { return toolTip_; }

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled) { assign(enabled_, enabled); }
    bool visible() const { return visible_; }
    void setVisible(bool visible) { assign(visible_, visible); }
    Colour backColour() const { return backColour_; }
    void setBackColour(Colour colour) { assign(backColour_, colour); }

    bool takeChanged() { return std::exchange(changed_, false); }

protected:
    template <typename T> void assign(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        changed_ = true;
    }
    void touch() { changed_ = true; }

private:
    std::string name_;
    std::string toolTip_;
    bool enabled_ = true;
    bool visible_ = true;
    Colour backColour_ = colour::standard;
    bool changed_ = false;
};

// A label, a button or a framed panel: a control with a caption.
class CaptionControl : public Control {
public:
    CaptionControl(ControlList& window, std::string name, std::string caption,
                   std::string toolTip = {})
        : Control(window, std::move(name), std::move(toolTip)), caption_(std::move(caption))
    {
    }

    const std::string& caption() const { return caption_; }
    void setCaption(std::string_view caption)
    {
        if (caption_ == caption)
            return;
        caption_.assign(caption);
        touch();
    }
    void appendCaption(std::string_view more)
    {
        if (more.empty())
            return;
        caption_.append(more);
        touch();
    }

private:
    std::string caption_;
};

// Three kinds of captioned control, told apart so that a view of one kind
// cannot be given another.
class Label : public CaptionControl {
public:
    using CaptionControl::CaptionControl;
};

class Button : public CaptionControl {
public:
    using CaptionControl::CaptionControl;
};

class Frame : public CaptionControl {
public:
    using CaptionControl::CaptionControl;
};

// A single-line text box. Its text is set through the window, which runs the
// box's change handling whenever the text really changes.
class TextBox : public Control {
public:
    using Control::Control;

    const std::string& text() const { return text_; }

private:
    friend struct FormModel;
    // Whether the text changed.
    bool setText(std::string_view text)
    {
        if (text_ == text)
            return false;
        text_.assign(text);
        touch();
        return true;
    }

    std::string text_;
};

// The four option buttons of the run mode, addressed by index 0..3.
class OptionGroup : public Control {
public:
    static constexpr int count = 4;

    OptionGroup(ControlList& window, std::string name, std::array<std::string, count> captions,
                std::array<std::string, count> toolTips)
        : Control(window, std::move(name)), captions_(std::move(captions)),
          toolTips_(std::move(toolTips))
    {
    }

    const std::string& caption(int index) const
    {
        return captions_.at(static_cast<std::size_t>(index));
    }
    const std::string& toolTip(int index) const
    {
        return toolTips_.at(static_cast<std::size_t>(index));
    }
    int selected() const { return selected_; }
    bool isSelected(int index) const { return selected_ == index; }

private:
    friend struct FormModel;
    // Selects one button, as the window does for a click; whether the index
    // names a button at all.
    bool select(int index)
    {
        if (index < 0 || index >= count)
            return false;
        assign(selected_, index);
        return true;
    }

    std::array<std::string, count> captions_;
    std::array<std::string, count> toolTips_;
    int selected_ = 0;
};

} // namespace ravelin
