// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The whole state of a window's model in one text, to tell that two ways to
// the same place left everything alike, or that an action changed nothing.

#include "window/form_model.h"

#include <sstream>
#include <string>

namespace ravelin::testing {

inline void dumpGrid(const GridModel& grid, std::ostream& out)
{
    out << " top " << grid.topRow() << " in use " << grid.rowsInUse();
    for (int row = 0; row < grid.rows(); ++row)
        for (int col = 0; col < grid.cols(); ++col)
            if (!grid.textAt(row, col).empty() || grid.colourAt(row, col) != colour::standard)
                out << " [" << row << ',' << col << ' ' << grid.textAt(row, col) << ' '
                    << grid.colourAt(row, col) << ']';
}

inline std::string modelDump(const FormModel& f)
{
    std::ostringstream out;
    out.precision(17);
    for (const Control* control : f.controls()) {
        out << control->name() << ' ' << control->enabled() << control->visible() << ' '
            << control->backColour();
        if (const auto* captioned = dynamic_cast<const CaptionControl*>(control))
            out << " \"" << captioned->caption() << '"';
        if (const auto* box = dynamic_cast<const TextBox*>(control))
            out << " \"" << box->text() << '"';
        if (const auto* group = dynamic_cast<const OptionGroup*>(control))
            out << " @" << group->selected();
        if (const auto* grid = dynamic_cast<const GridModel*>(control))
            dumpGrid(*grid, out);
        if (const auto* files = dynamic_cast<const FileList*>(control))
            out << ' ' << files->folder() << " @" << files->selected();
        if (const auto* folders = dynamic_cast<const DirList*>(control))
            out << ' ' << folders->path();
        if (const auto* drives = dynamic_cast<const DriveList*>(control))
            out << " @" << drives->selected();
        out << '\n';
    }
    const SessionState& s = f.state;
    out << "state " << s.importmodus << ' ' << s.wurfanzahl << ' ' << s.haltwurf << ' '
        << s.permanenz.size() << ' ' << s.importanzahl << ' ' << s.wurfnummer << ' ' << s.kombiwurf
        << ' ' << s.rotwurf << ' ' << s.rotzaehler << ' ' << s.rotationen << ' ' << s.schritt << ' '
        << s.wurfzahl << ' ' << s.aktsechser << ' ' << s.aktkolonne << ' ' << s.aktfarbe << ' '
        << s.zahl << ' ' << s.vorzahl << ' ' << s.paarzahl << ' ' << s.paarstatus << ' '
        << s.doppeltgesehen << ' ' << s.paargesehen << ' ' << s.dreifachgesehen << '\n';
    return out.str();
}

} // namespace ravelin::testing
