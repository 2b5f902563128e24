// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace ravelin {

struct FormModel;
class FileSystem;

// The Info button: shows and hides the info text beside the program, or in
// ../share/ravelin from the program's folder.
class InfoViewer {
public:
    InfoViewer(FormModel& form, FileSystem& files) : form_(form), files_(files) {}

    void okinfoClick();

    // How much of the info file is shown. The viewer lays out the whole text at
    // once, on the event thread. Measured offscreen on the program's window, the
    // press through to the painted viewer: a line that cannot be wrapped grows
    // with the square of its length (64 KiB 0.37 s, 128 KiB 1.5 s; 64 KiB of
    // bold letters switching with plain ones 0.86 s), so 32 KiB, five times the
    // program's own text, keeps the worst of it near 0.25 s. Paragraphs cost
    // about 3 us and 0.3 KiB each (20000 lines 0.06 s, 5 MiB); 5000 of them take
    // 0.02 s, and the program's own text has 46.
    static constexpr std::size_t maxBytes = std::size_t{32} * 1024;
    static constexpr std::size_t maxParagraphs = 5000;
    // The last line of a text cut to these bounds.
    static constexpr const char* shortenedLine = "[Der Text ist gekürzt: die Datei ist zu lang.]";

private:
    FormModel& form_;
    FileSystem& files_;
};

} // namespace ravelin
