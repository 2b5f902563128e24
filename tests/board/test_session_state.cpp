// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/session_state.h"
#include "support/set_back_expectations.h"

#include <gtest/gtest.h>

namespace ravelin {
namespace {

SessionState midRunState()
{
    SessionState s;
    s.importmodus = 1;
    s.wurfanzahl = 150;
    s.haltwurf = 42.5;
    s.permanenz = {0, 17, 0, 32, 0};
    s.importanzahl = 3;
    s.wurfnummer = 77;
    s.kombiwurf = 25;
    s.rotwurf = 12;
    s.rotzaehler = 11;
    s.rotationen = 2;
    s.schritt = 2;
    s.wurfzahl = 14;
    s.aktsechser = 3;
    s.aktkolonne = 2;
    s.aktfarbe = 1;
    s.zahl = 15;
    s.vorzahl = 15;
    s.paarzahl = 15;
    s.paarstatus = 1;
    s.doppeltgesehen = 1;
    s.paargesehen = 1;
    s.dreifachgesehen = 1;
    return s;
}

TEST(SessionStateTest, StartValues)
{
    SessionState s = midRunState();
    s.setToStartValues();
    testing::expectSetBackForNewRun(s);
    // The start also forgets the halt spin, the import and the last number.
    EXPECT_EQ(s.haltwurf, 0);
    EXPECT_TRUE(s.permanenz.empty());
    EXPECT_EQ(s.importanzahl, 0);
    EXPECT_EQ(s.zahl, 0);
}

TEST(SessionStateTest, SetBackClearsTheRunButKeepsInputsAndImport)
{
    SessionState s = midRunState();
    s.setBackForNewRun();
    testing::expectSetBackForNewRun(s);
    // Kept: the halt spin, the import and the triple's working values.
    EXPECT_EQ(s.haltwurf, 42.5);
    EXPECT_EQ(s.permanenz, (std::vector<double>{0, 17, 0, 32, 0}));
    EXPECT_EQ(s.importanzahl, 3);
    EXPECT_EQ(s.wurfzahl, 14);
    EXPECT_EQ(s.aktsechser, 3);
    EXPECT_EQ(s.aktkolonne, 2);
    EXPECT_EQ(s.aktfarbe, 1);
    EXPECT_EQ(s.zahl, 15);
}

TEST(SessionStateTest, PermanenzReadsZeroOutsideTheList)
{
    SessionState s;
    s.permanenz = {0, 17, 3.5};
    EXPECT_EQ(s.permanenzAt(1), 17);
    EXPECT_EQ(s.permanenzAt(2), 3.5);
    EXPECT_EQ(s.permanenzAt(3), 0);
    EXPECT_EQ(s.permanenzAt(-1), 0);
    EXPECT_EQ(s.permanenzAt(1e300), 0);
    s.permanenz.clear();
    EXPECT_EQ(s.permanenzAt(0), 0);
}

} // namespace
} // namespace ravelin
