// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the end of a rotation and the set-back for a new run leave in the
// session, checked value by value.

#include "board/session_state.h"

#include <gtest/gtest.h>

namespace ravelin::testing {

// A new rotation counts its numbers and first repeats from nothing.
inline void expectRotationStartsAfresh(const SessionState& s)
{
    EXPECT_EQ(s.rotzaehler, 0);
    EXPECT_EQ(s.rotwurf, 0);
    EXPECT_EQ(s.doppeltgesehen, 0);
    EXPECT_EQ(s.paargesehen, 0);
    EXPECT_EQ(s.dreifachgesehen, 0);
}

// The counters, the wanted spins, the import's mode and the repeat
// detection are back where a run starts.
inline void expectSetBackForNewRun(const SessionState& s)
{
    EXPECT_EQ(s.wurfnummer, 0);
    EXPECT_EQ(s.wurfanzahl, 0);
    EXPECT_EQ(s.importmodus, 0);
    EXPECT_EQ(s.kombiwurf, 0);
    EXPECT_EQ(s.schritt, 0);
    EXPECT_EQ(s.vorzahl, SessionState::none);
    EXPECT_EQ(s.paarzahl, SessionState::none);
    EXPECT_EQ(s.paarstatus, 0);
    EXPECT_EQ(s.rotationen, 0);
    expectRotationStartsAfresh(s);
}

} // namespace ravelin::testing
