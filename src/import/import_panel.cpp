// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/import_panel.h"

#include "import/folder_paths.h"
#include "import/permanence_import.h"
#include "window/form_model.h"
#include "window/guidance_text.h"

#include <algorithm>

namespace ravelin {

namespace {

std::string panelGuidanceText()
{
    std::string caption = " ";
    caption += " Geben Sie den Ort an, wo sich die Datei";
    caption += '\r';
    caption += "   mit den Permanenzen der Hamburger Spiel-";
    caption += '\r';
    caption += "   bank befindet und dr\u00fccken Sie anschl. OK";
    return caption;
}

// Names beginning with a dot are hidden on this system, as hidden files are
// left out of such lists elsewhere.
bool isHidden(const std::string& name) { return name.starts_with('.'); }

std::vector<std::string> visible(const std::vector<std::string>& names)
{
    std::vector<std::string> shown;
    for (const std::string& name : names)
        if (!isHidden(name))
            shown.push_back(name);
    sortNames(shown);
    return shown;
}

} // namespace

void ImportPanel::initialise()
{
    std::vector<std::string> drives;
    for (const std::string& mount : files_.mountPoints()) {
        const std::string drive = withoutTrailingSeparator(mount);
        if (drive.starts_with('/') &&
            std::find(drives.begin(), drives.end(), drive) == drives.end())
            drives.push_back(drive);
    }
    if (drives.empty())
        drives.emplace_back("/");

    std::string current = withoutTrailingSeparator(files_.currentFolder());
    if (!current.starts_with('/'))
        current = "/";
    const int drive = mountHolding(drives, current);
    form_.Drive1.setDrives(std::move(drives), drive < 0 ? 0 : drive);
    form_.openFolder(current);
}

void ImportPanel::okexternClick()
{
    form_.Frame1.setVisible(true);
    form_.text.setCaption(panelGuidanceText());
}

void ImportPanel::okexternokClick()
{
    // A file that is no permanence leaves the panel open, unchanged.
    importPermanence(form_, files_, form_.Dir1.path(), form_.File1.selectedFile());
}

void ImportPanel::okexternabbruchClick()
{
    form_.state.importmodus = 0;
    form_.Frame1.setVisible(false);
    form_.text.setCaption(startGuidanceText());
}

void ImportPanel::driveChanged()
{
    const std::string drive = form_.Drive1.selectedDrive();
    if (drive.empty())
        return;
    // A drive that cannot be read is passed over in silence; the folder stays.
    const FileSystem::FolderListing listing = files_.listFolder(drive);
    if (!listing.readable)
        return;
    if (form_.Dir1.path() == drive)
        showFolder(listing); // same folder, but its list now starts at this drive
    else
        form_.openFolder(drive);
}

void ImportPanel::folderChanged()
{
    const FileSystem::FolderListing listing = files_.listFolder(form_.Dir1.path());
    showFolder(listing);

    std::vector<std::string> texts;
    for (const std::string& name : listing.files)
        if (matchesTextPattern(name))
            texts.push_back(name);
    form_.File1.setContents(form_.Dir1.path(), visible(texts));
}

void ImportPanel::file1Click() { form_.okexternok.setEnabled(!form_.File1.files().empty()); }

std::string ImportPanel::chainRoot(const std::string& folder) const
{
    const std::string& drive = form_.Drive1.selectedDrive();
    return !drive.empty() && isWithin(folder, drive) ? drive : std::string("/");
}

void ImportPanel::showFolder(const FileSystem::FolderListing& listing)
{
    const std::string& folder = form_.Dir1.path();
    const std::string root = chainRoot(folder);

    // From the root down to the folder itself, each one open.
    std::vector<DirList::Entry> entries;
    entries.push_back({root, displayName(root), 0, true});
    std::string path = root;
    const std::size_t skip = root == "/" ? 1 : root.size();
    const std::string_view below =
        skip <= folder.size() ? std::string_view(folder).substr(skip) : std::string_view();
    std::size_t start = 0;
    while (start < below.size()) {
        std::size_t end = below.find('/', start);
        if (end == std::string_view::npos)
            end = below.size();
        const std::string_view name = below.substr(start, end - start);
        if (!name.empty()) {
            path = pathInFolder(path, name);
            entries.push_back({path, displayName(name), static_cast<int>(entries.size()), true});
        }
        start = end + 1;
    }
    const int current = static_cast<int>(entries.size()) - 1;

    // Then the folder's own sub-folders, closed.
    const int depth = current + 1;
    for (const std::string& name : visible(listing.folders))
        entries.push_back({pathInFolder(folder, name), displayName(name), depth, false});

    form_.Dir1.setEntries(std::move(entries), current);
}

} // namespace ravelin
