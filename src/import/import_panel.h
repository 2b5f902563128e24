// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/platform.h"

#include <string>

namespace ravelin {

struct FormModel;

// The import panel with its drive, folder and file lists. The lists are
// coupled through their change handling: a drive sets the folder, a folder
// fills the file list, all within the one action that began it.
class ImportPanel {
public:
    ImportPanel(FormModel& form, FileSystem& files) : form_(form), files_(files) {}

    // Fills the lists with the program's current drive and folder.
    void initialise();

    void okexternClick();
    void okexternokClick();
    void okexternabbruchClick();
    void driveChanged();
    void folderChanged();
    void file1Click();

private:
    // The root the folder list starts from: the chosen drive when it holds the folder.
    std::string chainRoot(const std::string& folder) const;
    void showFolder(const FileSystem::FolderListing& listing);

    FormModel& form_;
    FileSystem& files_;
};

} // namespace ravelin
