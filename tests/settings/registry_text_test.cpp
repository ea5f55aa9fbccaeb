#include "settings/registry_text.h"

#include <gtest/gtest.h>

namespace quillbit {
namespace {

RegistryDocument OneValue(std::string name, std::uint32_t type, std::string data) {
  RegistryDocument document;
  bool created = false;
  document.Create("HKEY_LOCAL_MACHINE\\SOFTWARE\\Tormelund\\Quillbit", created)
      .Set(RegistryValue{std::move(name), type, std::move(data)});
  return document;
}

const RegistryValue* OnlyValue(const RegistryDocument& document) {
  const RegistryKey* key = document.Find("HKEY_LOCAL_MACHINE\\SOFTWARE\\Tormelund\\Quillbit");
  return key == nullptr || key->values.size() != 1 ? nullptr : &key->values.front();
}

struct NastyText {
  const char* label;
  std::string text;
};

class RegistryTextRoundTrip : public testing::TestWithParam<NastyText> {};

TEST_P(RegistryTextRoundTrip, TextComesBackByteForByte) {
  for (const std::uint32_t type : {1u, 2u, 3u, 7u, 0x2au}) {
    const std::string file = FormatRegistryText(OneValue("txtFrames", type, GetParam().text));
    const RegistryDocument document = ParseRegistryText(file);
    const RegistryValue* value = OnlyValue(document);
    ASSERT_NE(value, nullptr) << file;
    EXPECT_EQ(value->type, type);
    EXPECT_EQ(value->data, GetParam().text);
  }
}

TEST_P(RegistryTextRoundTrip, NameComesBackByteForByte) {
  if (GetParam().text.find_first_of(std::string("\0\r\n", 3)) != std::string::npos) return;
  const std::string file = FormatRegistryText(OneValue(GetParam().text + "x", 1, "v"));
  const RegistryDocument document = ParseRegistryText(file);
  const RegistryValue* value = OnlyValue(document);
  ASSERT_NE(value, nullptr) << file;
  EXPECT_EQ(value->name, GetParam().text + "x");
}

INSTANTIATE_TEST_SUITE_P(
    Nasty, RegistryTextRoundTrip,
    testing::Values(NastyText{"Empty", ""}, NastyText{"Blanks", "   "},
                    NastyText{"Quotes", "\"quoted\" \"\""}, NastyText{"Backslashes", "C:\\x\\\\"},
                    NastyText{"TrailingBackslash", "ends\\"},
                    NastyText{"SectionLike", "]\n[HKEY_USERS\\x]"}, NastyText{"Equals", "a=b\"=\""},
                    NastyText{"Newlines", "one\ntwo\r\nthree\r"}, NastyText{"Tabs", "\ta\tb\t"},
                    NastyText{"NonAscii", "Größe 1½ 映画 \xF0\x9F\x8E\xAC"},
                    NastyText{"Long", std::string(10000, 'q')},
                    NastyText{"EmbeddedNul", std::string("a\0b", 3)},
                    NastyText{"TrailingNul", std::string("ch\0", 3)},
                    NastyText{"InvalidUtf8", "\xFF\xC0\x80\xED\xA0\x80"},
                    NastyText{"Comment", ";not a comment"}, NastyText{"At", "@"}),
    [](const testing::TestParamInfo<NastyText>& param) { return param.param.label; });

TEST(RegistryText, WritesTheFormatPeopleKnow) {
  RegistryDocument document = OneValue("txtFrames", 1, "C:\\\"x\"");
  bool created = false;
  RegistryKey& key = document.Create("HKEY_LOCAL_MACHINE\\SOFTWARE\\Tormelund\\Quillbit", created);
  key.Set(RegistryValue{"n", 4, std::string("\x0a\0\0\0", 4)});
  key.Set(RegistryValue{"", 3, std::string("\x01\xff", 2)});
  key.Set(RegistryValue{"multi", 7, "a\nb"});
  EXPECT_EQ(FormatRegistryText(document),
            "REGEDIT4\n\n"
            "[HKEY_LOCAL_MACHINE]\n\n"
            "[HKEY_LOCAL_MACHINE\\SOFTWARE]\n\n"
            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tormelund]\n\n"
            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tormelund\\Quillbit]\n"
            "\"txtFrames\"=\"C:\\\\\\\"x\\\"\"\n"
            "\"n\"=dword:0000000a\n"
            "@=hex:01,ff\n"
            "\"multi\"=hex(7):61,0a,62\n\n");
}

TEST(RegistryText, LongHexListsWrapAndReadBack) {
  const std::string data(100, '\n');
  const std::string file = FormatRegistryText(OneValue("v", 1, data));
  std::size_t longest = 0;
  for (std::size_t start = 0, end; start < file.size(); start = end + 1) {
    end = file.find('\n', start);
    longest = std::max(longest, end - start);
  }
  EXPECT_LE(longest, 80u);
  const RegistryDocument document = ParseRegistryText(file);
  ASSERT_NE(OnlyValue(document), nullptr);
  EXPECT_EQ(OnlyValue(document)->data, data);
}

TEST(RegistryText, ReadsWhatOtherWritersProduce) {
  const RegistryDocument document = ParseRegistryText(
      "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n\r\n"
      "; a comment\r\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSInfo]\r\n"
      "\"Path\"=\"C:\\\\Program Files\\\\msinfo32.exe\"\r\n"
      "\"Big\"=dword:FFFFFFFF\r\n"
      "\"Spaced\" = \"x\"\r\n"
      "\"Sz\"=hex(1):63,68,00\r\n"
      "\"Wrapped\"=hex(2):41,\\\r\n  42,\\\r\n  43\r\n");
  const RegistryKey* key =
      document.Find("hkey_local_machine\\software\\microsoft\\shared tools\\msinfo");
  ASSERT_NE(key, nullptr);
  ASSERT_NE(key->Find("PATH"), nullptr);
  EXPECT_EQ(key->Find("PATH")->data, "C:\\Program Files\\msinfo32.exe");
  EXPECT_EQ(key->Find("Big")->data, std::string("\xff\xff\xff\xff", 4));
  EXPECT_EQ(key->Find("Spaced")->data, "x");
  EXPECT_EQ(key->Find("Sz")->data, std::string("ch\0", 3));
  EXPECT_EQ(key->Find("Wrapped")->type, 2u);
  EXPECT_EQ(key->Find("Wrapped")->data, "ABC");
}

TEST(RegistryText, DamagedLinesAreSkippedAndTheRestIsKept) {
  const RegistryDocument document = ParseRegistryText(
      "garbage before the header\n"
      "\"orphan\"=\"no key yet\"\n"
      "[HKEY_LOCAL_MACHINE\\K]\n"
      "\"good\"=\"1\"\n"
      "\"unterminated=\"2\n"
      "\"bad dword\"=dword:123456789\n"
      "\"bad hex\"=hex:1,2g\n"
      "\"bad type\"=hex(zz):00\n"
      "\"trailing\"=\"x\" junk\n"
      "\"deleted\"=-\n"
      "[HKEY_LOCAL_MACHINE\\K\n"
      "\"still K\"=\"3\"\n"
      "[-Hive::LocalMachine\\Gone]\n"
      "\"lost\"=\"4\"\n"
      "[]\n"
      "\"good\"=\"5\"\n");
  const RegistryKey* key = document.Find("HKEY_LOCAL_MACHINE\\K");
  ASSERT_NE(key, nullptr);
  ASSERT_EQ(key->values.size(), 1u);
  EXPECT_EQ(key->values[0].name, "good");
  EXPECT_EQ(key->values[0].data, "1");
  EXPECT_EQ(document.Find("HKEY_LOCAL_MACHINE\\Gone"), nullptr);
}

TEST(RegistryText, LaterDuplicatesReplaceEarlierOnes) {
  const RegistryDocument document = ParseRegistryText(
      "REGEDIT4\n[HKEY_USERS\\A]\n\"v\"=\"1\"\n[HKEY_USERS\\B]\n[hkey_users\\a]\n\"V\"=\"2\"\n");
  const RegistryKey* key = document.Find("HKEY_USERS\\A");
  ASSERT_NE(key, nullptr);
  ASSERT_EQ(key->values.size(), 1u);
  EXPECT_EQ(key->values[0].data, "2");
}

TEST(RegistryText, KeyPathsAndNamesThatCannotBeStored) {
  EXPECT_TRUE(StorableKeyPath("HKEY_LOCAL_MACHINE\\a]b[c"));
  EXPECT_FALSE(StorableKeyPath(""));
  EXPECT_FALSE(StorableKeyPath("-Hive::LocalMachine"));
  EXPECT_FALSE(StorableKeyPath("HKEY_LOCAL_MACHINE\\a\nb"));
  EXPECT_TRUE(StorableValueName(""));
  EXPECT_FALSE(StorableValueName(std::string("a\0b", 3)));
  EXPECT_FALSE(StorableValueName("\xFF"));
}

}  // namespace
}  // namespace quillbit
