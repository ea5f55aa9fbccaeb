# What a Windows user downloads: a portable zip (the programs and the README) and a per-user
# installer made with NSIS, both from the same install of the program into one folder.
if(NOT TARGET quillbit_exe)
  return()
endif()

install(TARGETS quillbit_exe quillbit-calc RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION .)
if(EXISTS ${PROJECT_SOURCE_DIR}/LICENSE)
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
endif()

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_FILE_NAME quillbit-${PROJECT_VERSION}-windows-x64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Quillbit)
# Our own installer script: the stock one installs for every user and asks for elevation.
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/data/icons/quillbit.ico)
include(CPack)
