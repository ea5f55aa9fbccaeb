#include "scenario_player/core/scenario_script.h"

#include <gtest/gtest.h>

namespace quillbit::scenario {
namespace {

Command Only(std::string_view source) {
  const Script script = ParseScript(source);
  EXPECT_FALSE(script.error) << script.error->message;
  EXPECT_EQ(script.commands.size(), 1u);
  return script.commands.empty() ? Command{} : script.commands.front();
}

TEST(ScenarioScript, SkipsBlankAndCommentLinesAndCountsThemInLineNumbers) {
  const Script script = ParseScript("# a comment\n\n   \n\tdump\r\n  # indented comment\nstart\n");
  ASSERT_FALSE(script.error);
  ASSERT_EQ(script.commands.size(), 2u);
  EXPECT_EQ(script.commands[0].verb, Verb::Dump);
  EXPECT_EQ(script.commands[0].line, 4);
  EXPECT_EQ(script.commands[1].verb, Verb::Start);
  EXPECT_EQ(script.commands[1].line, 6);
}

TEST(ScenarioScript, AnEmptyScenarioHasNoCommands) {
  const Script script = ParseScript("");
  EXPECT_FALSE(script.error);
  EXPECT_TRUE(script.commands.empty());
}

struct TextCase {
  const char* line;
  const char* target;
  const char* text;
};

void PrintTo(const TextCase& c, std::ostream* os) {
  *os << c.line;
}

class TextAfterOneBlank : public testing::TestWithParam<TextCase> {};

TEST_P(TextAfterOneBlank, IsTakenAsItStandsWithItsEscapes) {
  const Command command = Only(GetParam().line);
  EXPECT_EQ(command.target, GetParam().target);
  EXPECT_EQ(command.text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Lines, TextAfterOneBlank,
                         testing::Values(TextCase{"type txtFrames 90000", "txtFrames", "90000"},
                                         TextCase{"type txtFrames  12 ", "txtFrames", " 12 "},
                                         TextCase{"type txtFrames ", "txtFrames", ""},
                                         TextCase{"type txtFrames", "txtFrames", ""},
                                         TextCase{"type txtFrames a\\tb\\nc\\\\d", "txtFrames",
                                                  "a\tb\nc\\d"},
                                         TextCase{"type txtFrames \\x\\", "txtFrames", "\\x\\"},
                                         TextCase{"pick cmbCCESet Single Pass (Bach Method)",
                                                  "cmbCCESet", "Single Pass (Bach Method)"},
                                         TextCase{"store chkFF ch", "chkFF", "ch"},
                                         TextCase{"store txtSampleQ ", "txtSampleQ", ""}));

TEST(ScenarioScript, ReadsKeysWithTheirModifiers) {
  const Command command = Only("key cmbSub Down shift+ctrl");
  EXPECT_EQ(command.verb, Verb::Key);
  EXPECT_EQ(command.target, "cmbSub");
  EXPECT_EQ(command.key, "Down");
  EXPECT_EQ(command.modifiers, kShiftMask | kCtrlMask);
  EXPECT_EQ(Only("key txtAudio Left").modifiers, 0);
  EXPECT_EQ(Only("down alt").modifiers, kAltMask);
  EXPECT_EQ(Only("up ctrl+shift").modifiers, kShiftMask | kCtrlMask);
}

TEST(ScenarioScript, StoreDwordTakesAnyThirtyTwoBitNumber) {
  EXPECT_EQ(Only("store-dword chkFF 5").number, 5u);
  EXPECT_EQ(Only("store-dword chkFF -1").number, 0xFFFFFFFFu);
  EXPECT_EQ(Only("store-dword chkFF 4294967295").number, 0xFFFFFFFFu);
  EXPECT_EQ(Only("store-dword chkFF 0x80000000").number, 0x80000000u);
  EXPECT_EQ(Only("store-dword chkFF -2147483648").number, 0x80000000u);
}

TEST(ScenarioScript, ReadsWindowsToClose) {
  EXPECT_EQ(Only("close main").target, "main");
  EXPECT_EQ(Only("close about").target, "about");
  EXPECT_EQ(Only("close audio_tracks").target, "audio_tracks");
}

TEST(ScenarioScript, OpenFilesTakesFilesSeparatedByBlanks) {
  const Command command = Only("open-files media/film.d2v  media/ntsc.d2v");
  EXPECT_EQ(command.verb, Verb::OpenFiles);
  EXPECT_EQ(command.files, (std::vector<std::string>{"media/film.d2v", "media/ntsc.d2v"}));
}

struct BadLine {
  const char* source;
  int line;
  const char* message;
};

void PrintTo(const BadLine& c, std::ostream* os) {
  *os << c.source;
}

class ScriptErrors : public testing::TestWithParam<BadLine> {};

TEST_P(ScriptErrors, NameTheLineAndWhatIsWrong) {
  const Script script = ParseScript(GetParam().source);
  ASSERT_TRUE(script.error);
  EXPECT_EQ(script.error->line, GetParam().line);
  EXPECT_EQ(script.error->message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ScriptErrors,
    testing::Values(
        BadLine{"dump\nfrobnicate x\n", 2, "unknown command \"frobnicate\""},
        BadLine{"Dump", 1, "unknown command \"Dump\""},
        BadLine{"\n\ntype", 3, "type needs a control"},
        BadLine{"start now", 1, "unexpected text after start"},
        BadLine{"clear", 1, "clear needs a control"},
        BadLine{"clear txtAudio txtSub", 1, "unexpected text after clear txtAudio"},
        BadLine{"key txtAudio", 1, "key needs a control and a key"},
        BadLine{"key txtAudio A meta", 1,
                "unknown modifiers \"meta\" (shift, ctrl, alt, joined by +)"},
        BadLine{"key txtAudio A shift ctrl", 1, "unexpected text after the modifiers"},
        BadLine{"down", 1, "down needs modifiers (shift, ctrl, alt, joined by +)"},
        BadLine{"up shift+", 1, "unknown modifiers \"shift+\" (shift, ctrl, alt, joined by +)"},
        BadLine{"down Shift", 1, "unknown modifiers \"Shift\" (shift, ctrl, alt, joined by +)"},
        BadLine{"store-dword chkFF", 1, "store-dword needs a value name and a number"},
        BadLine{"store-dword chkFF 4294967296", 1, "not a 32-bit number: \"4294967296\""},
        BadLine{"store-dword chkFF 5x", 1, "not a 32-bit number: \"5x\""},
        BadLine{"store-dword chkFF 0x-5", 1, "not a 32-bit number: \"0x-5\""},
        BadLine{"open-files ", 1, "open-files needs at least one file"},
        BadLine{"close", 1, "close needs a window: main, about or audio_tracks"},
        BadLine{"close Form1", 1, "close needs a window: main, about or audio_tracks"}));

TEST(ScenarioScript, ModifiersAreLowerCaseNamesJoinedByPlus) {
  EXPECT_EQ(ParseModifiers("shift+ctrl+alt"), kShiftMask | kCtrlMask | kAltMask);
  EXPECT_EQ(ParseModifiers("alt+alt"), kAltMask);
  EXPECT_FALSE(ParseModifiers(""));
  EXPECT_FALSE(ParseModifiers("+shift"));
  EXPECT_FALSE(ParseModifiers("shift++ctrl"));
}

TEST(ScenarioScript, OnlyActionsOnTheWindowsStartTheProgram) {
  for (const Verb verb : {Verb::Type, Verb::Clear, Verb::Key, Verb::Down, Verb::Up, Verb::Pick,
                          Verb::Click, Verb::Close, Verb::Open, Verb::OpenFiles})
    EXPECT_TRUE(NeedsWindow(verb));
  for (const Verb verb : {Verb::Store, Verb::StoreDword, Verb::Start, Verb::Dump})
    EXPECT_FALSE(NeedsWindow(verb));
}

}  // namespace
}  // namespace quillbit::scenario
