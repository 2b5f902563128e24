// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/controls.h"

#include <string>
#include <vector>

namespace ravelin {

// The drive list: the mounted file systems a user would browse.
class DriveList : public Control {
public:
    using Control::Control;

    const std::vector<std::string>& drives() const { return drives_; }
    int selected() const { return selected_; }
    const std::string& selectedDrive() const;

    void setDrives(std::vector<std::string> drives, int selected);

private:
    friend struct FormModel;
    // Chooses a drive, as the window does for the user; whether the index
    // names a drive at all.
    bool select(int index);

    std::vector<std::string> drives_;
    int selected_ = -1;
};

// The directory list: the path from the drive's root down to the current
// folder, then that folder's sub-folders.
class DirList : public Control {
public:
    struct Entry {
        std::string path;  // the folder this row opens
        std::string label; // what the row shows
        int depth = 0;     // indentation
        bool open = false; // on the path to the current folder (or the folder itself)
    };

    using Control::Control;

    // What a reader hears of an entry besides its name: its level in the
    // tree of folders, counted from the drive as 1, and whether it stands
    // open, as the indentation and the icon show it.
    static std::string readingOf(const Entry& entry);

    const std::string& path() const { return path_; }
    const std::vector<Entry>& entries() const { return entries_; }
    int currentIndex() const { return currentIndex_; }

    void setEntries(std::vector<Entry> entries, int currentIndex);

private:
    friend struct FormModel;
    // Sets the current folder, as the window does; whether it differs.
    bool setPath(const std::string& path);

    std::string path_;
    std::vector<Entry> entries_;
    int currentIndex_ = -1;
};

// The file list: the "*.txt" files of one folder.
class FileList : public Control {
public:
    using Control::Control;

    const std::string& folder() const { return folder_; }
    const std::vector<std::string>& files() const { return files_; }
    int selected() const { return selected_; }
    const std::string& selectedFile() const;

    void setContents(std::string folder, std::vector<std::string> files);
    void setSelected(int index);

private:
    std::string folder_;
    std::vector<std::string> files_;
    int selected_ = -1;
};

} // namespace ravelin
