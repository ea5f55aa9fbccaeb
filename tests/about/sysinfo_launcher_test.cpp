#include "about/sysinfo_launcher.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "tests/about/about_fakes.h"

namespace quillbit {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using testing_support::AboutPorts;
using testing_support::FakeRegistry;

constexpr RegHandle kHklm = Hive::LocalMachine;
constexpr std::uint32_t kKeyRead = 0x20019;  // what a user who may only read is granted
constexpr std::uint32_t kKeySetValue = 0x2;  // a right to write without the right to read
const std::string kTestKey = "SOFTWARE\\Test";

// ---- GetKeyValue ----------------------------------------------------------------------------

struct ReadCase {
  const char* name;
  std::uint32_t type;
  std::string stored;
  std::string before;  // what KeyVal holds before the read
  std::string after;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
  *os << c.name;
}

class GetKeyValueReads : public testing::TestWithParam<ReadCase> {};

TEST_P(GetKeyValueReads, ConvertsByTypeAndClosesTheKey) {
  const ReadCase& c = GetParam();
  FakeRegistry registry;
  registry.SetRaw(kHklm, kTestKey, "Name", c.type, c.stored);
  std::string value = c.before;
  EXPECT_TRUE(GetKeyValue(registry, kHklm, kTestKey, "Name", value));
  EXPECT_EQ(value, c.after);
  EXPECT_EQ(registry.OpenHandles(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Values, GetKeyValueReads,
    testing::Values(
        ReadCase{"TextWithItsNulLosesIt", RegType::Text, std::string("C:\\a.exe\0", 9), "old",
                 "C:\\a.exe"},
        ReadCase{"TextWithoutNulKeepsEveryCharacter", RegType::Text, "C:\\a.exe", "", "C:\\a.exe"},
        ReadCase{"OnlyOneTrailingNulGoes", RegType::Text, std::string("ab\0\0", 4), "",
                 std::string("ab\0", 3)},
        ReadCase{"SingleCharacterText", RegType::Text, "x", "", "x"},
        ReadCase{"TextOfJustANulIsEmpty", RegType::Text, std::string("\0", 1), "old", ""},
        ReadCase{"NumberAsHexBytesLastToFirst", RegType::Dword, "\x78\x56\x34\x12", "",
                 "&h12345678"},
        // The trimming takes a zero top byte for a terminating NUL; the digits keep the value.
        ReadCase{"NumberWithZeroTopByte", RegType::Dword, std::string("\x2A\0\0\0", 4), "",
                 "&h00002A"},
        ReadCase{"NumberAppendsToWhatWasThere", RegType::Dword, "\x01\x02\x03\x04", "7",
                 "&h704030201"},
        ReadCase{"OtherTypeLeavesTheTextAlone", 3, "\x01\x02", "kept", "kept"},
        ReadCase{"ExpandableTextIsAnotherType", 2, std::string("%Path%\0", 7), "", ""}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(GetKeyValue, OpensWithReadRightsOnlyAndOffersA1024ByteBuffer) {
  FakeRegistry registry;
  registry.SetText(kHklm, kTestKey, "Name", "v");
  std::string value;
  ASSERT_TRUE(GetKeyValue(registry, kHklm, kTestKey, "Name", value));
  ASSERT_EQ(registry.opens.size(), 1u);
  EXPECT_EQ(registry.opens[0].access, 0x20019u);
  EXPECT_THAT(registry.capacities, ElementsAre(1024u));
  EXPECT_THAT(registry.log, ElementsAre("open " + kTestKey, "query Name", "close"));
}

struct FailCase {
  const char* name;
  std::function<void(FakeRegistry&)> setup;
};

void PrintTo(const FailCase& c, std::ostream* os) {
  *os << c.name;
}

class GetKeyValueFails : public testing::TestWithParam<FailCase> {};

TEST_P(GetKeyValueFails, EmptiesTheTextAndLeavesNoKeyOpen) {
  FakeRegistry registry;
  GetParam().setup(registry);
  std::string value = "old";
  EXPECT_FALSE(GetKeyValue(registry, kHklm, kTestKey, "Name", value));
  EXPECT_EQ(value, "");
  EXPECT_EQ(registry.OpenHandles(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GetKeyValueFails,
    testing::Values(FailCase{"MissingKey", [](FakeRegistry&) {}},
                    FailCase{"MissingValue", [](FakeRegistry& r) { r.AddKey(kHklm, kTestKey); }},
                    FailCase{"KeyNotReadable",
                             [](FakeRegistry& r) {
                               r.SetText(kHklm, kTestKey, "Name", "v");
                               r.AddKey(kHklm, kTestKey).granted = kKeySetValue;
                             }},
                    FailCase{"OtherHive",
                             [](FakeRegistry& r) {
                               r.SetText(Hive::CurrentUser, kTestKey, "Name", "v");
                             }},
                    FailCase{"QueryFails",
                             [](FakeRegistry& r) {
                               r.SetText(kHklm, kTestKey, "Name", "v");
                               r.queryStatus = RegStatus::AccessDenied;
                             }},
                    FailCase{"ValueLongerThanTheBuffer",
                             [](FakeRegistry& r) {
                               r.SetText(kHklm, kTestKey, "Name",
                                         std::string(1024, 'a'));  // 1025 with NUL
                             }}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(GetKeyValue, ValueFillingTheBufferExactlyIsRead) {
  FakeRegistry registry;
  registry.SetText(kHklm, kTestKey, "Full", std::string(1024, 'a'), false);
  registry.SetText(kHklm, kTestKey, "FullWithNul", std::string(1023, 'b'), true);
  std::string value;
  ASSERT_TRUE(GetKeyValue(registry, kHklm, kTestKey, "Full", value));
  EXPECT_EQ(value, std::string(1024, 'a'));
  ASSERT_TRUE(GetKeyValue(registry, kHklm, kTestKey, "FullWithNul", value));
  EXPECT_EQ(value, std::string(1023, 'b'));
}

TEST(GetKeyValue, SizeZeroIsAnErrorForTheCallerAndTheKeyIsClosed) {
  FakeRegistry registry;
  registry.SetRaw(kHklm, kTestKey, "Empty", RegType::Text, "");
  std::string value = "old";
  EXPECT_THROW(GetKeyValue(registry, kHklm, kTestKey, "Empty", value), KeyValueError);
  EXPECT_EQ(registry.OpenHandles(), 0u);
}

TEST(GetKeyValue, SizeReportedPastTheBufferIsAnErrorNotAnOverread) {
  FakeRegistry registry;
  registry.SetText(kHklm, kTestKey, "Name", "v");
  registry.reportedSize = 5000;
  std::string value;
  EXPECT_THROW(GetKeyValue(registry, kHklm, kTestKey, "Name", value), KeyValueError);
  EXPECT_EQ(registry.OpenHandles(), 0u);
}

// ---- FindInstalledProgram -------------------------------------------------------------------

TEST(FindInstalledProgram, TakesTheFirstAbsolutePathThatIsAFile) {
  AboutPorts p;
  p.files.files = {"/usr/bin/kinfocenter", "/usr/bin/hardinfo", "hardinfo2"};
  p.files.directories = {"/usr/bin/hardinfo2"};
  const std::vector<std::string> candidates = {"hardinfo2", "/usr/bin/hardinfo2",
                                               "/usr/bin/hardinfo", "/usr/bin/kinfocenter"};
  EXPECT_EQ(FindInstalledProgram(p.files, candidates), "/usr/bin/hardinfo");
  // The relative name is never looked at.
  EXPECT_THAT(p.files.checked, ElementsAre("/usr/bin/hardinfo2", "/usr/bin/hardinfo"));
}

TEST(FindInstalledProgram, NoneInstalledGivesEmpty) {
  AboutPorts p;
  const std::vector<std::string> candidates(kInstalledSysInfoPrograms.begin(),
                                            kInstalledSysInfoPrograms.end());
  EXPECT_EQ(FindInstalledProgram(p.files, candidates), "");
  EXPECT_EQ(p.files.checked, candidates);
  EXPECT_EQ(FindInstalledProgram(p.files, {}), "");
}

TEST(FindInstalledProgram, TheDefaultListHoldsOnlyAbsolutePaths) {
  for (std::string_view path : kInstalledSysInfoPrograms) EXPECT_EQ(path.front(), '/') << path;
}

// ---- StartSysInfo ---------------------------------------------------------------------------

const std::string kPathKey(kSysInfoPathKey);
const std::string kFolderKey(kSysInfoFolderKey);
const std::string kHardinfo = "/usr/bin/hardinfo";

void SetPath(AboutPorts& p, std::string_view text, bool withNul = true) {
  p.registry.SetText(kHklm, kPathKey, "PATH", text, withNul);
}
void SetFolder(AboutPorts& p, std::string_view text) {
  p.registry.SetText(kHklm, kFolderKey, "MSINFO", text);
}

struct LaunchCase {
  const char* name;
  std::function<void(AboutPorts&)> setup;
  std::vector<std::string> installed;  // the stand-ins for a missing "PATH" value
  std::vector<std::string> started;    // every start attempted, in order
  bool message;
};

void PrintTo(const LaunchCase& c, std::ostream* os) {
  *os << c.name;
}

class StartSysInfoRuns : public testing::TestWithParam<LaunchCase> {};

TEST_P(StartSysInfoRuns, StartsOrShowsTheOneMessage) {
  const LaunchCase& c = GetParam();
  AboutPorts p;
  c.setup(p);
  StartSysInfo(p.Launcher(), "Quillbit", c.installed);
  EXPECT_EQ(p.programs.started, c.started);
  if (c.message) {
    ASSERT_EQ(p.messages.shown.size(), 1u);
    EXPECT_EQ(p.messages.shown[0].caption, "Quillbit");
    EXPECT_EQ(p.messages.shown[0].text, "System Information Is Unavailable At This Time");
  } else {
    EXPECT_THAT(p.messages.shown, IsEmpty());
  }
  EXPECT_EQ(p.registry.OpenHandles(), 0u);
  for (const auto& open : p.registry.opens) EXPECT_EQ(open.access, 0x20019u) << open.path;
}

const std::string kLong1024(1024, 'x');

INSTANTIATE_TEST_SUITE_P(
    Cases, StartSysInfoRuns,
    testing::Values(LaunchCase{"PathValueStarted",
                               [](AboutPorts& p) {
                                 SetPath(p, "C:\\WINDOWS\\msinfo32.exe");
                                 p.programs.programs = {"C:\\WINDOWS\\msinfo32.exe"};
                               },
                               {},
                               {"C:\\WINDOWS\\msinfo32.exe"},
                               false},
                    LaunchCase{"PathWithoutFileStillStartedThenMessage",
                               [](AboutPorts& p) { SetPath(p, "/opt/none/msinfo"); },
                               {},
                               {"/opt/none/msinfo"},
                               true},
                    LaunchCase{"PathStoredWithoutNul",
                               [](AboutPorts& p) {
                                 SetPath(p, kHardinfo, false);
                                 p.programs.programs = {kHardinfo};
                               },
                               {},
                               {kHardinfo},
                               false},
                    LaunchCase{"PathWinsOverAnInstalledProgram",
                               [](AboutPorts& p) {
                                 SetPath(p, "/opt/tool");
                                 p.files.files = {kHardinfo};
                                 p.programs.programs = {"/opt/tool", kHardinfo};
                               },
                               {kHardinfo},
                               {"/opt/tool"},
                               false},
                    LaunchCase{"InstalledProgramStandsInForMissingPath",
                               [](AboutPorts& p) {
                                 p.files.files = {kHardinfo};
                                 p.programs.programs = {kHardinfo};
                               },
                               {"/usr/bin/kinfocenter", kHardinfo},
                               {kHardinfo},
                               false},
                    LaunchCase{"InstalledProgramThatWillNotStart",
                               [](AboutPorts& p) { p.files.files = {kHardinfo}; },
                               {kHardinfo},
                               {kHardinfo},
                               true},
                    LaunchCase{"FolderWithTheProgram",
                               [](AboutPorts& p) {
                                 SetFolder(p, "C:\\WINDOWS\\System32");
                                 p.files.files = {"C:\\WINDOWS\\System32\\MSINFO32.EXE"};
                                 p.programs.programs = {"C:\\WINDOWS\\System32\\MSINFO32.EXE"};
                               },
                               {},
                               {"C:\\WINDOWS\\System32\\MSINFO32.EXE"},
                               false},
                    LaunchCase{"FolderWithoutTheProgram",
                               [](AboutPorts& p) { SetFolder(p, "C:\\WINDOWS\\System32"); },
                               {},
                               {},
                               true},
                    LaunchCase{"FolderWithTrailingBackslashGetsTwo",
                               [](AboutPorts& p) {
                                 SetFolder(p, "C:\\Tools\\");
                                 p.files.files = {"C:\\Tools\\\\MSINFO32.EXE"};
                                 p.programs.programs = {"C:\\Tools\\\\MSINFO32.EXE"};
                               },
                               {},
                               {"C:\\Tools\\\\MSINFO32.EXE"},
                               false},
                    LaunchCase{"FolderWithTrailingBackslashAndNoSuchFile",
                               [](AboutPorts& p) {
                                 SetFolder(p, "C:\\Tools\\");
                                 p.files.files = {"C:\\Tools\\MSINFO32.EXE"};
                               },
                               {},
                               {},
                               true},
                    LaunchCase{"LinuxFolderHasNoBackslashName",
                               [](AboutPorts& p) {
                                 SetFolder(p, "/usr/bin");
                                 p.files.files = {"/usr/bin/MSINFO32.EXE"};
                               },
                               {},
                               {},
                               true},
                    LaunchCase{"FolderProgramNameIsADirectory",
                               [](AboutPorts& p) {
                                 SetFolder(p, "/srv");
                                 p.files.directories = {"/srv\\MSINFO32.EXE"};
                               },
                               {},
                               {},
                               true},
                    LaunchCase{"NeitherValue", [](AboutPorts&) {}, {}, {}, true},
                    LaunchCase{"PathOfAnotherTypeIsFoundButEmpty",
                               [](AboutPorts& p) {
                                 p.registry.SetRaw(kHklm, kPathKey, "PATH", 3, "\x01\x02");
                                 SetFolder(p, "C:\\Tools");
                                 p.files.files = {"C:\\Tools\\MSINFO32.EXE", kHardinfo};
                                 p.programs.programs = {"C:\\Tools\\MSINFO32.EXE", kHardinfo};
                               },
                               {kHardinfo},
                               {},
                               true},
                    LaunchCase{"PathOfSizeZero",
                               [](AboutPorts& p) {
                                 p.registry.SetRaw(kHklm, kPathKey, "PATH", RegType::Text, "");
                                 SetFolder(p, "C:\\Tools");
                                 p.files.files = {"C:\\Tools\\MSINFO32.EXE", kHardinfo};
                                 p.programs.programs = {"C:\\Tools\\MSINFO32.EXE", kHardinfo};
                               },
                               {kHardinfo},
                               {},
                               true},
                    LaunchCase{"FolderOfSizeZero",
                               [](AboutPorts& p) {
                                 p.registry.SetRaw(kHklm, kFolderKey, "MSINFO", RegType::Text, "");
                               },
                               {},
                               {},
                               true},
                    LaunchCase{
                        "PathOfAnEmptyText", [](AboutPorts& p) { SetPath(p, ""); }, {}, {}, true},
                    LaunchCase{"KeysOnlyReadableAreEnough",
                               [](AboutPorts& p) {
                                 SetPath(p, kHardinfo);
                                 SetFolder(p, "C:\\Tools");
                                 p.registry.AddKey(kHklm, kPathKey).granted = kKeyRead;
                                 p.registry.AddKey(kHklm, kFolderKey).granted = kKeyRead;
                                 p.files.files = {"C:\\Tools\\MSINFO32.EXE"};
                                 p.programs.programs = {kHardinfo, "C:\\Tools\\MSINFO32.EXE"};
                               },
                               {},
                               {kHardinfo},
                               false},
                    LaunchCase{"PathOf1024BytesIsStartedAsReadAndFails",
                               [](AboutPorts& p) { SetPath(p, kLong1024, false); },
                               {},
                               {kLong1024},
                               true},
                    LaunchCase{"PathLongerThanTheBufferIsNotFound",
                               [](AboutPorts& p) {
                                 SetPath(p, kLong1024);
                                 p.programs.programs = {kLong1024};
                               },
                               {},
                               {},
                               true},
                    LaunchCase{"PathWithShellCharactersIsJustAName",
                               [](AboutPorts& p) { SetPath(p, "; rm -rf ~"); },
                               {},
                               {"; rm -rf ~"},
                               true},
                    LaunchCase{"PathNamingADirectory",
                               [](AboutPorts& p) {
                                 SetPath(p, "/usr/bin");
                                 p.files.directories = {"/usr/bin"};
                               },
                               {},
                               {"/usr/bin"},
                               true},
                    LaunchCase{"PathWithANulInsideIsNotStarted",
                               [](AboutPorts& p) {
                                 SetPath(p, std::string("/usr/bin/hardinfo\0 --x", 22));
                                 p.programs.programs = {kHardinfo};
                               },
                               {},
                               {},
                               true},
                    LaunchCase{"FolderWithANulInsideIsNotChecked",
                               [](AboutPorts& p) {
                                 SetFolder(p, std::string("/bin/sh\0", 8) + "x");
                                 p.files.files = {"/bin/sh"};
                                 p.programs.programs = {"/bin/sh"};
                               },
                               {},
                               {},
                               true}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(StartSysInfo, LooksUpThePathThenTheFolderInThatOrder) {
  AboutPorts p;
  p.registry.AddKey(kHklm, kPathKey);
  SetFolder(p, "C:\\Tools");
  StartSysInfo(p.Launcher(), "Quillbit", {});
  EXPECT_THAT(p.registry.log, ElementsAre("open " + kPathKey, "query PATH", "close",
                                          "open " + kFolderKey, "query MSINFO", "close"));
  EXPECT_THAT(p.files.checked, ElementsAre("C:\\Tools\\MSINFO32.EXE"));
}

TEST(StartSysInfo, FoundPathIsNeitherCheckedNorFollowedByTheFolder) {
  AboutPorts p;
  SetPath(p, "/opt/none");
  SetFolder(p, "C:\\Tools");
  const std::vector<std::string> installed = {kHardinfo};
  StartSysInfo(p.Launcher(), "Quillbit", installed);
  EXPECT_THAT(p.files.checked, IsEmpty());
  EXPECT_THAT(p.registry.log, ElementsAre("open " + kPathKey, "query PATH", "close"));
}

// A start port that fails by throwing still ends in the message.
class ThrowingPrograms : public StartProgramPort {
 public:
  bool Start(std::string_view) override { throw std::runtime_error("exec failed"); }
};

TEST(StartSysInfo, AnErrorWhileStartingShowsTheMessage) {
  AboutPorts p;
  SetPath(p, kHardinfo);
  ThrowingPrograms programs;
  StartSysInfo({p.registry, p.files, programs, p.messages}, "Quillbit", {});
  ASSERT_EQ(p.messages.shown.size(), 1u);
  EXPECT_EQ(p.messages.shown[0].text, kSysInfoUnavailable);
}

}  // namespace
}  // namespace quillbit
