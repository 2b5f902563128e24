// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ravelin {

// Folder paths as the import panel handles them: '/' separated, absolute,
// without a trailing separator except for the root "/".

// The path of an entry of a folder; the root gets no second separator.
std::string pathInFolder(std::string_view folder, std::string_view name);

// The path without trailing separators ("/" stays "/").
std::string withoutTrailingSeparator(std::string_view path);

// Whether `path` is `root` or lies below it, judged by whole path components.
bool isWithin(std::string_view path, std::string_view root);

// The index of the innermost mount point holding `path`; -1 when none does.
int mountHolding(const std::vector<std::string>& mounts, std::string_view path);

// Whether a file name matches "*.txt", the letter case ignored.
bool matchesTextPattern(std::string_view name);

// Sorts names by their letters, the case ignored; names that differ only in
// case keep a fixed order.
void sortNames(std::vector<std::string>& names);

// A name as a caption shows it: UTF-8 names as they are, others read in the
// Western European code page, as files copied from older systems often are;
// control characters as the replacement character, so a name keeps to one line.
std::string displayName(std::string_view name);

} // namespace ravelin
