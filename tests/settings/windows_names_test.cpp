// Built for Windows only: every header of the libraries that know no toolkit, included after
// <windows.h>, whose registry names are macros; and the port's numbers held against the
// platform's own, so that a backend can hand them through unchanged.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>

#include "platform_free_headers.h"

namespace quillbit {
namespace {

std::uintptr_t PlatformHive(HKEY hive) {
  // The platform's hive handles are 32-bit numbers widened with their sign.
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(hive));
}

TEST(WindowsNames, PortNumbersAreThePlatformsOwn) {
  EXPECT_EQ(Hive::ClassesRoot, PlatformHive(HKEY_CLASSES_ROOT));
  EXPECT_EQ(Hive::CurrentUser, PlatformHive(HKEY_CURRENT_USER));
  EXPECT_EQ(Hive::LocalMachine, PlatformHive(HKEY_LOCAL_MACHINE));
  EXPECT_EQ(Hive::Users, PlatformHive(HKEY_USERS));
  EXPECT_EQ(RegStatus::Success, ERROR_SUCCESS);
  EXPECT_EQ(RegStatus::FileNotFound, ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegStatus::AccessDenied, ERROR_ACCESS_DENIED);
  EXPECT_EQ(RegStatus::InvalidHandle, ERROR_INVALID_HANDLE);
  EXPECT_EQ(RegStatus::InvalidParameter, ERROR_INVALID_PARAMETER);
  EXPECT_EQ(RegStatus::MoreData, ERROR_MORE_DATA);
  EXPECT_EQ(RegStatus::NoMoreItems, ERROR_NO_MORE_ITEMS);
  EXPECT_EQ(RegType::Text, static_cast<std::uint32_t>(REG_SZ));
  EXPECT_EQ(RegType::Binary, static_cast<std::uint32_t>(REG_BINARY));
  EXPECT_EQ(RegType::Dword, static_cast<std::uint32_t>(REG_DWORD));
  EXPECT_EQ(RegDisposition::CreatedNewKey, static_cast<std::uint32_t>(REG_CREATED_NEW_KEY));
  EXPECT_EQ(RegDisposition::OpenedExistingKey, static_cast<std::uint32_t>(REG_OPENED_EXISTING_KEY));
  EXPECT_EQ(RegAccess::SpecificRights,
            static_cast<std::uint32_t>(KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY |
                                       KEY_ENUMERATE_SUB_KEYS | KEY_NOTIFY | KEY_CREATE_LINK));
  EXPECT_EQ(RegAccess::SpecificAndRead,
            static_cast<std::uint32_t>(RegAccess::SpecificRights | STANDARD_RIGHTS_READ));
  EXPECT_EQ(sizeof(RegHandle), sizeof(HKEY));
}

}  // namespace
}  // namespace quillbit
