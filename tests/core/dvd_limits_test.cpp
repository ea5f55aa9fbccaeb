#include "core/dvd_limits.h"

#include <gtest/gtest.h>

#include "core/calc.h"

namespace quillbit {
namespace {

struct LimitCase {
  const char* name;
  DvdLimitInputs in;
  const char* line;
};

void PrintTo(const LimitCase& c, std::ostream* os) {
  *os << c.name;
}

constexpr double kRoom = 4000000000;

DvdLimitInputs SinglePass(double min, double max, double audio) {
  return {.method = kMethodSinglePass,
          .encoderKbps = min,
          .cceMaxKbps = max,
          .audioKbps = audio,
          .estimatedBytes = kRoom,
          .roomBytes = kRoom};
}

DvdLimitInputs MultiPass(double average, double audio) {
  return {.method = kMethodMultiPass,
          .encoderKbps = average,
          .cceMaxKbps = 99999,  // hidden for this method: not read
          .audioKbps = audio,
          .estimatedBytes = kRoom,
          .roomBytes = kRoom};
}

DvdLimitInputs Bach(double max, double audio) {
  return {.method = kMethodBach,
          .encoderKbps = 99999,  // the Bach method shows a Q instead
          .cceMaxKbps = max,
          .audioKbps = audio,
          .estimatedBytes = kRoom,
          .roomBytes = kRoom};
}

DvdLimitInputs Sizes(double estimate, double room) {
  DvdLimitInputs in = MultiPass(5000, 448);
  in.estimatedBytes = estimate;
  in.roomBytes = room;
  return in;
}

constexpr const char* kWithin = "Within DVD-Video limits";

const LimitCase kCases[] = {
    // The bitrate the encoder is told.
    {"SinglePassMinimumJustUnder", SinglePass(9799, 9799, 0), kWithin},
    {"SinglePassMinimumAt", SinglePass(9800, 9800, 0), kWithin},
    {"SinglePassMinimumJustOver", SinglePass(9801, 9801, 0),
     "Video bitrate above DVD-Video's 9800 kbit/s by 1 kbit/s"},
    {"MultiPassAverageJustUnder", MultiPass(9799.99, 0), kWithin},
    {"MultiPassAverageAt", MultiPass(9800, 0), kWithin},
    {"MultiPassAverageJustOver", MultiPass(9800.5, 0),
     "Video bitrate above DVD-Video's 9800 kbit/s by 0.5 kbit/s"},
    {"BachCceMaxAt", Bach(9800, 0), kWithin},
    {"BachCceMaxJustOver", Bach(9801, 0),
     "Video bitrate above DVD-Video's 9800 kbit/s by 1 kbit/s"},
    // The peak with the audio.
    {"SinglePassPeakJustUnder", SinglePass(6000, 9631, 448), kWithin},
    {"SinglePassPeakAt", SinglePass(6000, 9632, 448), kWithin},
    {"SinglePassPeakJustOver", SinglePass(6000, 9633, 448),
     "Video peak plus audio above the 10080 kbit/s a player reads by 1 kbit/s"},
    {"MultiPassAverageIsItsPeak", MultiPass(8570.25, 1509.75), kWithin},
    {"MultiPassPeakJustOver", MultiPass(8571, 1509.75),
     "Video peak plus audio above the 10080 kbit/s a player reads by 0.75 kbit/s"},
    {"BachPeakJustOver", Bach(9000, 1080.001),
     "Video peak plus audio above the 10080 kbit/s a player reads by 0.01 kbit/s"},
    {"VideoBeforePeak", SinglePass(9900, 9900, 448),
     "Video bitrate above DVD-Video's 9800 kbit/s by 100 kbit/s"},
    // The sizes.
    {"EstimateJustUnderRoom", Sizes(kRoom - 1, kRoom), kWithin},
    {"EstimateAtRoom", Sizes(kRoom, kRoom), kWithin},
    {"EstimateJustOverRoom", Sizes(kRoom + 0.5, kRoom),
     "Estimated size larger than the room for the video by 1 byte"},
    {"EstimateOverRoom", Sizes(kRoom + 1048576, kRoom),
     "Estimated size larger than the room for the video by 1048576 bytes"},
    {"RoomJustAboveNone", Sizes(0, 1), kWithin},
    {"NoRoomAtAll", Sizes(0, 0), "No room for the video"},
    {"RoomBelowNone", Sizes(0, -2048),
     "No room for the video: the rest takes 2048 bytes more than the destination"},
    {"PeakBeforeRoom",
     [] {
       DvdLimitInputs in = Sizes(0, -1);
       in.audioKbps = 6000;
       return in;
     }(),
     "Video peak plus audio above the 10080 kbit/s a player reads by 920 kbit/s"},
};

class DvdLimitLine : public testing::TestWithParam<LimitCase> {};

TEST_P(DvdLimitLine, NamesTheFirstLimitBrokenAndByHowMuch) {
  EXPECT_EQ(DvdLimitText(CheckDvdLimits(GetParam().in), NumberLocale::EnglishUS()),
            GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(DvdLimits, DvdLimitLine, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<LimitCase>& p) {
                           return std::string(p.param.name);
                         });

TEST(DvdLimits, LineUsesTheUsersDecimalSymbol) {
  NumberLocale locale = NumberLocale::EnglishUS();
  locale.decimal = ",";
  EXPECT_EQ(DvdLimitText(CheckDvdLimits(MultiPass(9800.5, 0)), locale),
            "Video bitrate above DVD-Video's 9800 kbit/s by 0,5 kbit/s");
}

TEST(DvdLimits, AudioBytesOverTheLengthGiveItsBitrate) {
  EXPECT_EQ(AudioKbpsOver(56000, 1), 448);
  EXPECT_EQ(AudioKbpsOver(56000, 0), 0);
  EXPECT_EQ(AudioKbpsOver(56000, -1), 0);
}

}  // namespace
}  // namespace quillbit
