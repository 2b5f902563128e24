// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/file_lists.h"

namespace ravelin {

namespace {
const std::string noName;
}

std::string DirList::readingOf(const Entry& entry)
{
    std::string reading = "Ebene " + std::to_string(entry.depth + 1);
    if (entry.open)
        reading += ", ge\u00f6ffnet";
    return reading;
}

const std::string& DriveList::selectedDrive() const
{
    return selected_ >= 0 && selected_ < static_cast<int>(drives_.size())
               ? drives_[static_cast<std::size_t>(selected_)]
               : noName;
}

void DriveList::setDrives(std::vector<std::string> drives, int selected)
{
    drives_ = std::move(drives);
    selected_ = selected;
    touch();
}

bool DriveList::select(int index)
{
    if (index < 0 || index >= static_cast<int>(drives_.size()))
        return false;
    assign(selected_, index);
    return true;
}

bool DirList::setPath(const std::string& path)
{
    if (path_ == path)
        return false;
    path_ = path;
    touch();
    return true;
}

void DirList::setEntries(std::vector<Entry> entries, int currentIndex)
{
    entries_ = std::move(entries);
    currentIndex_ = currentIndex;
    touch();
}

const std::string& FileList::selectedFile() const
{
    return selected_ >= 0 && selected_ < static_cast<int>(files_.size())
               ? files_[static_cast<std::size_t>(selected_)]
               : noName;
}

void FileList::setContents(std::string folder, std::vector<std::string> files)
{
    folder_ = std::move(folder);
    files_ = std::move(files);
    selected_ = -1;
    touch();
}

void FileList::setSelected(int index)
{
    if (index < -1 || index >= static_cast<int>(files_.size()))
        index = -1;
    assign(selected_, index);
}

} // namespace ravelin
