#include "ConsoleSlots.h"

#include <gtest/gtest.h>

using namespace vorlo;

TEST(ConsoleSlots, ResetForcesEveryFieldToDifferFromTheLiveSlot) {
    ConsoleSlots s;
    s.ResetConsoleSlots();
    for (int f = 0; f < kFieldCount; ++f) {
        const auto field = static_cast<SlotField>(f);
        EXPECT_NE(s[field][SlotLive], s[field][SlotSent]) << "field " << f;
        EXPECT_EQ(s[field][0], 0) << "slot 0 is never written";
    }
    EXPECT_EQ(s.MemExprGO[SlotLive], 127);
    EXPECT_EQ(s.MemExprGO[SlotSent], 120);
    EXPECT_EQ(s.MemThru[SlotLive], 1);
    EXPECT_EQ(s.MemThru[SlotSent], 2);
    EXPECT_EQ(s.MemAnnullSW[2][SlotLive], 1);
    EXPECT_EQ(s.MemAnnullSW[2][SlotSent], 0);
}

TEST(ConsoleSlots, CopySlotCopiesAllTwentyEightValuesAndNothingElse) {
    ConsoleSlots s;
    for (int f = 0; f < kFieldCount; ++f)
        s[static_cast<SlotField>(f)][3] = static_cast<int16_t>(100 + f);
    s.copySlot(3, 27);
    for (int f = 0; f < kFieldCount; ++f) {
        EXPECT_EQ(s[static_cast<SlotField>(f)][27], 100 + f);
        EXPECT_EQ(s[static_cast<SlotField>(f)][28], 0);
    }
}
