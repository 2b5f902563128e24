#include "info/info_viewer.h"

#include "info/rich_text_reader.h"
#include "window/form_model.h"
#include "window/platform.h"

namespace ravelin {

namespace {
constexpr const char* shownCaption = "Ende Info";
constexpr const char* hiddenCaption = "Info";
constexpr const char* infoFileName = "/info_ravelin.txt";
} // namespace

void InfoViewer::okinfoClick()
{
    Button& button = form_.okinfo;
    RichTextViewer& viewer = form_.infotext;

    if (button.caption() == hiddenCaption) {
        viewer.setVisible(true);
        // Read afresh at every showing, so an edited file is seen at once.
        const std::optional<std::string> content =
            files_.readFile(files_.executableFolder() + infoFileName);
        if (content)
            viewer.setDocument(RichTextReader::readInfoFile(*content));
        else
            viewer.setText("Problem:\nKann die Datei Info_Ravelin.txt nicht finden.");
        button.setCaption(shownCaption);
    } else if (button.caption() == shownCaption) {
        viewer.setVisible(false);
        button.setCaption(hiddenCaption);
        viewer.setText("");
    }
}

} // namespace ravelin
