// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CellSet.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

using quilora::interpreter::CellSet;

int naiveNext(const std::vector<bool>& members, int position) {
    for (int q = position + 1; q < static_cast<int>(members.size()); ++q) {
        if (members[q])
            return q;
    }
    return 0;
}

int naivePrevious(const std::vector<bool>& members, int position) {
    for (int q = std::min(position, static_cast<int>(members.size())) - 1; q >= 1; --q) {
        if (members[q])
            return q;
    }
    return 0;
}

// Neighbour searches agree with a plain scan while cells are emptied and refilled.
TEST(CellSet, NeighboursMatchAPlainScan) {
    std::mt19937 random(7);
    for (int last : {1, 5, 63, 64, 65, 200, 4097, 9000}) {
        CellSet set;
        set.resize(last);
        std::vector<bool> members(static_cast<std::size_t>(last) + 1, false);
        for (int step = 0; step < 3000; ++step) {
            const int position = 1 + static_cast<int>(random() % static_cast<unsigned>(last));
            if (random() % 3 == 0) {
                set.insert(position);
                members[position] = true;
            } else {
                set.erase(position);
                members[position] = false;
            }
            const int probe = static_cast<int>(random() % static_cast<unsigned>(last + 2));
            ASSERT_EQ(set.next(probe), naiveNext(members, probe)) << last << " " << probe;
            ASSERT_EQ(set.previous(probe), naivePrevious(members, probe)) << last << " " << probe;
            ASSERT_EQ(set.contains(position), members[position]);
        }
    }
}

TEST(CellSet, AssignCopiesMembers) {
    CellSet source;
    source.resize(300);
    source.insert(3);
    source.insert(299);
    CellSet copy;
    copy.resize(300);
    copy.insert(100);
    copy.assign(source);
    EXPECT_EQ(copy.next(0), 3);
    EXPECT_EQ(copy.next(3), 299);
    EXPECT_EQ(copy.previous(299), 3);
    EXPECT_FALSE(copy.contains(100));
}

} // namespace
