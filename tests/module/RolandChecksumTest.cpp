#include "RolandChecksum.h"

#include <gtest/gtest.h>

using namespace vorlo;

TEST(RolandChecksum, FollowsTheRolandRule) {
    EXPECT_EQ(RolandChecksum::compute(QByteArray("\x40\x00\x7F\x00", 4)), 0x41);
    EXPECT_EQ(RolandChecksum::compute(QByteArray("\x40\x40", 2)), 0x00) << "sum 128";
    EXPECT_EQ(RolandChecksum::compute(QByteArray("\x7F", 1)), 0x01);
    const QByteArray m = RolandChecksum::dataSet(0x10, QByteArray("\x40\x00\x7F\x00", 4));
    EXPECT_EQ(m, QByteArray("\xF0\x41\x10\x42\x12\x40\x00\x7F\x00\x41\xF7", 11));
    EXPECT_TRUE(RolandChecksum::isValidDataSet(m));
    QByteArray wrong = m;
    wrong[9] = 0x42;
    EXPECT_FALSE(RolandChecksum::isValidDataSet(wrong));
}
