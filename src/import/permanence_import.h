// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

namespace ravelin {

// The permanence as the run reads it: slot 0 holds no spin, slots 1 to N the
// N spins, and this many empty slots follow them.
inline constexpr std::size_t trailingSlots = 20;

struct FormModel;
class FileSystem;

// Loads the permanence file `name` of `folder` for the next run: the header
// lines go into the guidance text, the spins into the session, the spin count
// into `textanzahl`, and the panel closes. A file that cannot be read or is
// no permanence changes nothing at all. True when the file was imported.
bool importPermanence(FormModel& form, FileSystem& files, const std::string& folder,
                      const std::string& name);

} // namespace ravelin
