#include "model/TextNumber.h"

#include <climits>
#include <gtest/gtest.h>

TEST(TextNumber, ReadsLikeTheStoredValuesAreMeant) {
    EXPECT_EQ(vd::ParseDecimal("467562500"), 467562500);
    EXPECT_EQ(vd::ParseDecimal("  -12abc"), -12);
    EXPECT_EQ(vd::ParseDecimal("+7"), 7);
    EXPECT_EQ(vd::ParseDecimal(""), 0);
    EXPECT_EQ(vd::ParseDecimal("0x0FFF"), 0) << "hexadecimal text is not a decimal number";
    EXPECT_EQ(vd::ParseDecimal("99999999999999999999999"), LLONG_MAX);
    EXPECT_EQ(vd::ParseDecimal("9223372036854775806"), LLONG_MAX - 1) << "just below the limit";
    EXPECT_EQ(vd::ParseDecimal("-99999999999999999999999"), LLONG_MIN);
    EXPECT_EQ(vd::ParseDecimalInt("5000000000"), INT_MAX);
}
