#include "core/stored_settings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace quillbit {
namespace {

using testing::ElementsAre;

const StoredSetting& Setting(std::string_view name) {
  for (const StoredSetting& s : kStoredSettings) {
    if (s.name == name) return s;
  }
  throw std::logic_error("no stored setting " + std::string(name));
}

TEST(StoredSettings, NamesInWriteOrder) {
  std::vector<std::string_view> names;
  for (const StoredSetting& s : kStoredSettings) names.push_back(s.name);
  EXPECT_THAT(names, ElementsAre("txtFrames", "optFormat", "chkFF", "bytes_aud", "cmbAudio",
                                 "bytes_sub", "cmbSub", "bytes_cush", "cmbCush", "bytes_dest",
                                 "cmbDest", "cmbCCESet", "cmbM2VSize", "cmbSampleSize",
                                 "bytes_sampsize", "txtSampleQ", "txtSampleFrame"));
}

TEST(StoredSettings, EachUnitIsRestoredBeforeItsByteCount) {
  std::vector<std::string_view> names;
  for (const StoredSetting* s : RestoreOrder()) names.push_back(s->name);
  EXPECT_THAT(names, ElementsAre("txtFrames", "optFormat", "chkFF", "cmbAudio", "bytes_aud",
                                 "cmbSub", "bytes_sub", "cmbCush", "bytes_cush", "cmbDest",
                                 "bytes_dest", "cmbCCESet", "cmbM2VSize", "cmbSampleSize",
                                 "bytes_sampsize", "txtSampleQ", "txtSampleFrame"));
}

TEST(StoredSettings, OnlyTheDestinationIsNeverRead) {
  for (const StoredSetting& s : kStoredSettings) {
    EXPECT_EQ(s.ReadAtStartUp(), s.name != "bytes_dest") << s.name;
  }
}

TEST(StoredSettings, FormatAndForcedFilmTexts) {
  EXPECT_EQ(FormatChoiceText(true), "True");
  EXPECT_EQ(FormatChoiceText(false), "False");
  EXPECT_EQ(ForcedFilmText(0), "un");
  EXPECT_EQ(ForcedFilmText(1), "ch");
}

struct ByteTextCase {
  double bytes;
  const char* point;
  const char* comma;
};

TEST(StoredSettings, ByteCountsArePlainNumberText) {
  const ByteTextCase cases[] = {
      {125829120, "125829120", "125829120"},
      {0, "0", "0"},
      {307.2, "307.2", "307,2"},
      {104857.6, "104857.6", "104857,6"},
      {4707319808, "4707319808", "4707319808"},
      {-2059, "-2059", "-2059"},
  };
  for (const ByteTextCase& c : cases) {
    EXPECT_EQ(ByteCountText(c.bytes, NumberLocale::EnglishUS()), c.point);
    EXPECT_EQ(ByteCountText(c.bytes, NumberLocale::GermanDE()), c.comma);
  }
}

TEST(StoredSettings, OnlyTheTextTrueRestoresPal) {
  EXPECT_TRUE(RestoresPal(SettingValue::Text("True")));
  for (const SettingValue& v :
       {SettingValue::Text("False"), SettingValue::Missing(), SettingValue::Text(""),
        SettingValue::Text("true"), SettingValue::Text("True "), SettingValue::Integer(1),
        SettingValue::Integer(-1), SettingValue::Text("-1")}) {
    EXPECT_FALSE(RestoresPal(v)) << v.AsText();
  }
}

struct FilmCase {
  SettingValue stored;
  std::optional<int> value;
};

TEST(StoredSettings, ForcedFilmByItsFirstLetterInEitherCase) {
  const FilmCase cases[] = {
      {SettingValue::Text("un"), 0},
      {SettingValue::Text("ch"), 1},
      {SettingValue::Text("U"), 0},
      {SettingValue::Text("Unchecked"), 0},
      {SettingValue::Text("CHECKED"), 1},
      {SettingValue::Text("cx"), 1},
      {SettingValue::Text(""), std::nullopt},
      {SettingValue::Missing(), std::nullopt},
      {SettingValue::Text("x"), std::nullopt},
      {SettingValue::Text(" un"), std::nullopt},
      {SettingValue::Integer(5), std::nullopt},
  };
  for (const FilmCase& c : cases) {
    EXPECT_EQ(RestoredForcedFilm(c.stored), c.value) << c.stored.AsText();
  }
}

struct CountCase {
  const char* name;
  SettingValue stored;
  double bytes;
};

TEST(StoredSettings, ByteCountReadBacks) {
  const CountCase cases[] = {
      {"bytes_aud", SettingValue::Text("104857.6"), 104857.6},
      {"bytes_aud", SettingValue::Text("abc"), 0},
      {"bytes_aud", SettingValue::Missing(), 0},
      {"bytes_aud", SettingValue::Text("-5"), -5},
      {"bytes_aud", SettingValue::Integer(5), 5},
      {"bytes_sub", SettingValue::Text(" 12 "), 12},
      {"bytes_sampsize", SettingValue::Text("1E400"), 0},
      {"bytes_cush", SettingValue::Text("0"), 125829120},
      {"bytes_cush", SettingValue::Text("-1"), 125829120},
      {"bytes_cush", SettingValue::Text("abc"), 125829120},
      {"bytes_cush", SettingValue::Missing(), 125829120},
      {"bytes_cush", SettingValue::Text("1"), 1},
      {"bytes_dest", SettingValue::Text("9126805504"), 4707319808},
      {"bytes_dest", SettingValue::Missing(), 4707319808},
  };
  for (const CountCase& c : cases) {
    EXPECT_EQ(RestoredByteCount(Setting(c.name), c.stored, NumberLocale::EnglishUS()), c.bytes)
        << c.name << " " << c.stored.AsText();
  }
}

TEST(StoredSettings, TextAndListReadBacks) {
  EXPECT_EQ(RestoredFieldText(SettingValue::Missing()), "");
  EXPECT_EQ(RestoredFieldText(SettingValue::Integer(5)), "5");
  EXPECT_EQ(RestoredFieldText(SettingValue::Text(" 12,000 ")), " 12,000 ");
  EXPECT_EQ(RestoredListItem(SettingValue::Missing()), std::nullopt);
  EXPECT_EQ(RestoredListItem(SettingValue::Text("")), std::nullopt);
  EXPECT_EQ(RestoredListItem(SettingValue::Text("MB")), "MB");
  EXPECT_EQ(RestoredListItem(SettingValue::Integer(0)), "0");
}

}  // namespace
}  // namespace quillbit
