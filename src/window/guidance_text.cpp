// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/guidance_text.h"

namespace ravelin {

std::string startGuidanceText()
{
    std::string caption = " Anzahl der gew\u00fcnschten W\u00fcrfe eingeben,";
    caption += '\r';
    caption += "  Modus w\u00e4hlen und Start dr\u00fccken.";
    caption += '\r';
    caption += "  Oder Import dr\u00fccken und entspr. Datei der";
    caption += '\r';
    caption += "  Spielbank Hamburg angeben.";
    return caption;
}

} // namespace ravelin
