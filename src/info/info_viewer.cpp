// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/info_viewer.h"

#include "info/rich_text_reader.h"
#include "window/form_model.h"
#include "window/platform.h"

#include <array>
#include <optional>
#include <string>

namespace ravelin {

namespace {
constexpr const char* shownCaption = "Ende Info";
constexpr const char* hiddenCaption = "Info";
// Beside the program first, as in the build folder; then where an installed
// tree keeps its data, found from the program so that a moved tree works too.
constexpr std::array<const char*, 2> infoPlaces = {"/info_ravelin.txt",
                                                   "/../share/ravelin/info_ravelin.txt"};
constexpr const char* failureText = "Problem:\nKann die Datei Info_Ravelin.txt nicht finden.";

// The info file as the viewer shows it, cut to the bounds above with a last
// line that says so; none when it cannot be read.
std::optional<RichDocument> readInfo(FileSystem& files)
{
    const std::string folder = files.executableFolder();
    std::optional<FilePrefix> content;
    for (const char* place : infoPlaces) {
        content = readPrefix(files, folder + place, InfoViewer::maxBytes);
        if (content)
            break;
    }
    if (!content)
        return std::nullopt;
    RichDocument doc =
        RichTextReader::readInfoFile(content->bytes, {InfoViewer::maxParagraphs + 1, content->cut});
    bool cut = content->cut;
    if (doc.paragraphs.size() > InfoViewer::maxParagraphs) {
        doc.paragraphs.resize(InfoViewer::maxParagraphs);
        cut = true;
    }
    if (cut) {
        Paragraph last;
        last.runs.push_back(TextRun{InfoViewer::shortenedLine, {}});
        doc.paragraphs.push_back(std::move(last));
    }
    return doc;
}

} // namespace

void InfoViewer::okinfoClick()
{
    Button& button = form_.okinfo;
    RichTextViewer& viewer = form_.infotext;

    if (button.caption() == hiddenCaption) {
        viewer.setVisible(true);
        // Read afresh at every showing, so an edited file is seen at once. A
        // file that fails in any way, memory included, is one that cannot be read.
        std::optional<RichDocument> doc;
        try {
            doc = readInfo(files_);
        } catch (...) {
            doc.reset();
        }
        if (doc)
            viewer.setDocument(std::move(*doc));
        else
            viewer.setText(failureText);
        button.setCaption(shownCaption);
    } else if (button.caption() == shownCaption) {
        viewer.setVisible(false);
        button.setCaption(hiddenCaption);
        viewer.setText("");
    }
}

} // namespace ravelin
