#include "ConsoleSlots.h"

#include <gtest/gtest.h>

#include <set>

using namespace vorlo;

// The files store a registration field by field in this order: each place must reach its own
// field, or a file would read back into the wrong stops.
TEST(Registration, EachFieldOfTheFileOrderIsItsOwnValue) {
    Registration r;
    std::set<const int16_t*> seen;
    for (int f = 0; f < kFieldCount; ++f) {
        int16_t& v = r[static_cast<SlotField>(f)];
        EXPECT_TRUE(seen.insert(&v).second) << "field " << f;
        v = static_cast<int16_t>(100 + f);
    }
    EXPECT_EQ(r.MemFO_GO, 100);
    EXPECT_EQ(r.MemPED, 106);
    EXPECT_EQ(r.MemBalAN_SW, 117);
    EXPECT_EQ(r.MemAnnullGO[0], 121);
    EXPECT_EQ(r.MemAnnullSW[2], 126);
    EXPECT_EQ(r.MemSubottava, 127);

    Registration copy = r;
    EXPECT_EQ(copy, r);
    copy.MemAnnullSW[1] = 0;
    EXPECT_NE(copy, r);
}

TEST(Registration, AResetMakesEveryFieldDifferSoTheNextUpdateSendsAll) {
    ConsoleSlots s;
    s.slot(3).MemExprGO = 90;
    s.ResetConsoleSlots();
    for (int f = 0; f < kFieldCount; ++f) {
        const auto field = static_cast<SlotField>(f);
        EXPECT_NE(s.live()[field], s.sent()[field]) << "field " << f;
    }
    EXPECT_EQ(s.live().MemExprGO, 127);
    EXPECT_EQ(s.live().MemThru, 1);
    EXPECT_EQ(s.live().MemAnnullSW[2], 1);
    EXPECT_EQ(s.slot(3).MemExprGO, 90) << "the memories are not touched";

    s.initFreeMemories();
    EXPECT_EQ(s.slot(3), Registration::startValues());
    EXPECT_EQ(s.slot(13), Registration{}) << "fixed memories are not touched";
}
