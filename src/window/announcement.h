// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace ravelin {

// What a screen reader is to say after one user event: in words, what the
// event changed where the eye sees it (a press's log cell, a mark, an
// import), so that a reader's user hears it without leaving the control
// that has the focus. Each part a handler says is one sentence of it.
class Announcement {
public:
    // Adds a sentence, unless the words are held back.
    void say(std::string_view sentence);
    // Whether a handler should build its words at all: not while a run is
    // pressed through whole, which says one summary at its end.
    bool listening() const { return !held_; }
    void holdBack(bool held) { held_ = held; }

    const std::string& words() const { return words_; }
    // Begins a new event's words.
    void clear() { words_.clear(); }
    // The words said since the last clear, and clears them.
    std::string take();

private:
    std::string words_;
    bool held_ = false;
};

} // namespace ravelin
