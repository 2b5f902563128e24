// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/announcement.h"

#include <utility>

namespace ravelin {

namespace {
// Between two sentences a reader pauses.
constexpr std::string_view sentenceBreak = ". ";
} // namespace

void Announcement::say(std::string_view sentence)
{
    if (held_ || sentence.empty())
        return;
    if (!words_.empty())
        words_ += sentenceBreak;
    words_ += sentence;
}

std::string Announcement::take() { return std::exchange(words_, {}); }

} // namespace ravelin
