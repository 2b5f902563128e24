// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/board_tables.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace ravelin {
namespace {

class BoardTablesTest : public ::testing::Test {
protected:
    void SetUp() override { board.fill(); }
    BoardTables board;
};

TEST_F(BoardTablesTest, ZeroAndSpareSlotsHoldZero)
{
    for (int n : {0, 37}) {
        EXPECT_EQ(board.farbe[n], 0) << n;
        EXPECT_EQ(board.kolonne[n], 0) << n;
        EXPECT_EQ(board.sechser[n], 0) << n;
    }
}

TEST_F(BoardTablesTest, ColoursOfTheWheel)
{
    const std::set<int> red{1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};
    for (int n = 1; n <= 36; ++n)
        EXPECT_EQ(board.farbe[n], red.count(n) ? 1 : 2) << n;
    // Where the colours do not alternate.
    EXPECT_EQ(board.farbe[10], 2);
    EXPECT_EQ(board.farbe[11], 2);
    EXPECT_EQ(board.farbe[18], 1);
    EXPECT_EQ(board.farbe[19], 1);
    EXPECT_EQ(board.farbe[28], 2);
    EXPECT_EQ(board.farbe[29], 2);
}

TEST_F(BoardTablesTest, ColumnsAndGroups)
{
    struct Case {
        int n, column, group;
    };
    for (const Case& c :
         {Case{1, 1, 1}, Case{2, 2, 1}, Case{3, 3, 1}, Case{6, 3, 1}, Case{7, 1, 2}, Case{18, 3, 3},
          Case{19, 1, 4}, Case{34, 1, 6}, Case{35, 2, 6}, Case{36, 3, 6}}) {
        EXPECT_EQ(board.kolonne[c.n], c.column) << c.n;
        EXPECT_EQ(board.sechser[c.n], c.group) << c.n;
    }
}

TEST_F(BoardTablesTest, CompositionIsABijectionOntoOneToThirtySix)
{
    std::set<int> seen;
    for (int s = 0; s <= 37; ++s)
        for (int c = 0; c <= 3; ++c)
            for (int f = 0; f <= 2; ++f) {
                const int n = board.kombizahl[s][c][f];
                const bool valid = s >= 1 && s <= 6 && c >= 1 && f >= 1;
                if (!valid) {
                    EXPECT_EQ(n, 0) << s << ' ' << c << ' ' << f;
                    continue;
                }
                EXPECT_GE(n, 1);
                EXPECT_LE(n, 36);
                EXPECT_TRUE(seen.insert(n).second) << "composed twice: " << n;
            }
    EXPECT_EQ(seen.size(), 36u);
    EXPECT_EQ(board.kombizahl[1][1][1], 1);
    EXPECT_EQ(board.kombizahl[6][3][2], 36);
    EXPECT_EQ(board.kombizahl[4][2][1], 21);
    EXPECT_EQ(board.kombizahl[1][1][2], 2);
    EXPECT_EQ(board.kombizahl[1][2][1], 3);
}

TEST_F(BoardTablesTest, FillingTwiceGivesTheSameTables)
{
    BoardTables again = board;
    again.farbe[5] = 9;
    again.kombizahl[2][2][2] = 0;
    again.fill();
    EXPECT_EQ(again.farbe, board.farbe);
    EXPECT_EQ(again.kombizahl, board.kombizahl);
}

} // namespace
} // namespace ravelin
