# Warning and sanitizer flags shared by every target of the project.
add_library(quillbit_options INTERFACE)
# GCC 12 flags designated initializers that rely on default member initializers; off.
target_compile_options(quillbit_options INTERFACE -Wall -Wextra -Wshadow -Wno-missing-field-initializers)
if(QUILLBIT_WERROR)
  target_compile_options(quillbit_options INTERFACE -Werror)
endif()
# The hardening Debian builds its packages with: checked string and memory functions where the
# optimiser can see the sizes, and relocations resolved before the program starts.
# The sanitizers check those functions themselves and do not mix with the checked versions.
if(NOT WIN32)
  if(NOT QUILLBIT_SANITIZE AND NOT QUILLBIT_FUZZ_ENGINE)
    target_compile_definitions(quillbit_options INTERFACE
                               $<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
  endif()
  target_link_options(quillbit_options INTERFACE LINKER:-z,relro,-z,now)
endif()
if(QUILLBIT_SANITIZE)
  target_compile_options(quillbit_options INTERFACE -fsanitize=address,undefined
                         -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(quillbit_options INTERFACE -fsanitize=address,undefined)
endif()

# quillbit_library(NAME SOURCES... DEPS ...): one static library per source folder.
function(quillbit_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC quillbit_options ${ARG_DEPS})
endfunction()
