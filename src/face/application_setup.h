// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;

namespace ravelin {

// What the application needs before its window is made: German throughout,
// the toolkit's own buttons and menus too, and a pixmap cache sized to the
// window. The toolkit texts stay loaded as long as the application lives.
void prepareApplication(QApplication& app);

} // namespace ravelin
