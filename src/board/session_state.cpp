// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/session_state.h"

#include <cmath>

namespace ravelin {

double SessionState::permanenzAt(double position) const
{
    const double slot = std::nearbyint(position);
    if (!(slot >= 0) || slot >= static_cast<double>(permanenz.size()))
        return 0;
    return permanenz[static_cast<std::size_t>(slot)];
}

void SessionState::setToStartValues() { *this = SessionState{}; }

void SessionState::setBackForNewRun()
{
    wurfnummer = 0;
    wurfanzahl = 0;
    importmodus = 0;
    kombiwurf = 0;
    schritt = 0;
    vorzahl = none;
    paarzahl = none;
    paarstatus = 0;
    doppeltgesehen = 0;
    paargesehen = 0;
    dreifachgesehen = 0;
    rotzaehler = 0;
    rotationen = 0;
    rotwurf = 0;
}

} // namespace ravelin
