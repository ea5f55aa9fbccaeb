#include "core/units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace quillbit {
namespace {

struct ConversionCase {
  std::string unit;
  double in;
  double out;
};

void PrintTo(const ConversionCase& c, std::ostream* os) {
  *os << '"' << c.unit << "\" " << c.in << " -> " << c.out;
}

class ToBytesCase : public testing::TestWithParam<ConversionCase> {};

TEST_P(ToBytesCase, MultipliesByTheUnitFactor) {
  EXPECT_EQ(ToBytes(GetParam().unit, GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Units, ToBytesCase,
    testing::Values(ConversionCase{"MB", 4.5, 4718592}, ConversionCase{"GB", 4.3, 4617089843.2},
                    ConversionCase{"Bytes", 100.5, 100.5}, ConversionCase{"KB", 0.3, 307.2},
                    ConversionCase{"KB", -2, -2048}, ConversionCase{"GB", 0, 0},
                    // Anything but the four exact names is unrecognised.
                    ConversionCase{"mb", 4, 0}, ConversionCase{" MB", 4, 0},
                    ConversionCase{"MB ", 4, 0}, ConversionCase{"", 4, 0},
                    ConversionCase{"Byte", 4, 0}, ConversionCase{"TB", 4, 0},
                    ConversionCase{std::string("MB\0", 3), 4, 0}));

class FromBytesCase : public testing::TestWithParam<ConversionCase> {};

TEST_P(FromBytesCase, DividesThenRoundsHalfToEven) {
  EXPECT_EQ(FromBytes(GetParam().unit, GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Units, FromBytesCase,
    testing::Values(ConversionCase{"KB", 1000, 0.9766}, ConversionCase{"MB", 1000000, 0.9537},
                    ConversionCase{"GB", 4700000000, 4.3772}, ConversionCase{"Bytes", 1536.5, 1536},
                    ConversionCase{"Bytes", 1537.5, 1538}, ConversionCase{"Bytes", -2.5, -2},
                    ConversionCase{"Bytes", 307.2, 307},
                    ConversionCase{"Bytes", 4300200000, 4300200000},
                    ConversionCase{"KB", 4300200000, 4199414.0625},
                    ConversionCase{"MB", 4300200000, 4100.9903},
                    ConversionCase{"GB", 4300200000, 4.0049}, ConversionCase{"Bytes", 2.5, 2},
                    ConversionCase{"Bytes", 0.5, 0}, ConversionCase{"", 5000, 0},
                    ConversionCase{"kb", 5000, 0}));

TEST(FromBytes, DoesNotInvertToBytesBeyondTheFourthDecimal) {
  const double bytes = 1234567;
  const double kb = FromBytes("KB", bytes);
  EXPECT_EQ(kb, 1205.6318);
  EXPECT_NE(ToBytes("KB", kb), bytes);
}

TEST(FromBytes, KeepsHugeCountsWithoutOverflow) {
  EXPECT_EQ(FromBytes("Bytes", 1e300), 1e300);
  EXPECT_EQ(FromBytes("KB", 1e300), 1e300 / 1024);
  EXPECT_EQ(FromBytes("Bytes", -1e20), -1e20);
}

struct RoundCase {
  double in;
  int decimals;
  double out;
};

void PrintTo(const RoundCase& c, std::ostream* os) {
  *os << testing::PrintToString(c.in) << " to " << c.decimals;
}

class RoundHalfEvenCase : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundHalfEvenCase, GoesToTheEvenNeighbourOnATie) {
  EXPECT_EQ(RoundHalfEven(GetParam().in, GetParam().decimals), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Units, RoundHalfEvenCase,
                         testing::Values(RoundCase{2.5, 0, 2}, RoundCase{3.5, 0, 4},
                                         RoundCase{-2.5, 0, -2}, RoundCase{2.6, 0, 3},
                                         RoundCase{0.125, 2, 0.12}, RoundCase{0.375, 2, 0.38},
                                         RoundCase{0.8226666, 2, 0.82}, RoundCase{1, 2, 1},
                                         RoundCase{4100.99029541015625, 4, 4100.9903},
                                         RoundCase{1.23456789, 7, 1.2345679},
                                         RoundCase{1.23456789, 8, 1.23456789},
                                         RoundCase{1e-30, 25, 0}, RoundCase{0.5, -1, 0}));

TEST(RoundHalfEven, LeavesValuesWithoutRoomForDecimalsAlone) {
  EXPECT_EQ(RoundHalfEven(1e300, 4), 1e300);
  EXPECT_EQ(RoundHalfEven(9007199254740992.0, 2), 9007199254740992.0);
  EXPECT_EQ(RoundHalfEven(-1e20, 2), -1e20);
}

struct RoundUpCase {
  double in;
  int out;
};

void PrintTo(const RoundUpCase& c, std::ostream* os) {
  *os << testing::PrintToString(c.in);
}

class RoundUpFits : public testing::TestWithParam<RoundUpCase> {};

TEST_P(RoundUpFits, GivesTheCeilingAsASixteenBitInteger) {
  const auto r = RoundUp(GetParam().in);
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(*r, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Units, RoundUpFits,
                         testing::Values(RoundUpCase{57, 57}, RoundUpCase{57.0001, 58},
                                         RoundUpCase{0.2, 1}, RoundUpCase{-0.5, 0},
                                         RoundUpCase{-2.5, -2}, RoundUpCase{-3, -3},
                                         RoundUpCase{32767, 32767}, RoundUpCase{-32768, -32768},
                                         RoundUpCase{-32768.5, -32768}, RoundUpCase{38.658, 39},
                                         RoundUpCase{0, 0}, RoundUpCase{-0.0, 0},
                                         // The floor is of x + 1 in doubles: just below 1 the
                                         // sum rounds to 2.
                                         RoundUpCase{0.99999999999999994, 2}));

class RoundUpOverflows : public testing::TestWithParam<double> {};

TEST_P(RoundUpOverflows, ReportsOverflowOutsideSixteenBits) {
  EXPECT_FALSE(RoundUp(GetParam()).has_value());
}

INSTANTIATE_TEST_SUITE_P(Units, RoundUpOverflows,
                         testing::Values(40000.5, -40000, 32767.2, 32768, -32769, -32768.9999 - 1,
                                         1e300, -1e300, std::numeric_limits<double>::infinity(),
                                         -std::numeric_limits<double>::infinity(),
                                         std::numeric_limits<double>::quiet_NaN()));

}  // namespace
}  // namespace quillbit
