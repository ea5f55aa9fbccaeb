# nlohmann/json (Debian nlohmann-json3-dev) for the programs that read or write JSON: the target
# nlohmann_json::nlohmann_json, found once for the whole tree.
if(CMAKE_CROSSCOMPILING)
  # The header-only library comes from the build machine, whose packages a cross toolchain does
  # not search; only its own folder goes on the compiler's path, never the machine's whole
  # /usr/include, whose C headers would be taken for the target's.
  find_package(nlohmann_json 3 REQUIRED NO_CMAKE_FIND_ROOT_PATH)
  get_target_property(QUILLBIT_JSON_INCLUDE nlohmann_json::nlohmann_json
                      INTERFACE_INCLUDE_DIRECTORIES)
  find_path(QUILLBIT_JSON_HEADERS nlohmann/json.hpp HINTS ${QUILLBIT_JSON_INCLUDE}
            NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  set(QUILLBIT_JSON_ONLY ${PROJECT_BINARY_DIR}/json-include)
  file(MAKE_DIRECTORY ${QUILLBIT_JSON_ONLY})
  file(CREATE_LINK ${QUILLBIT_JSON_HEADERS}/nlohmann ${QUILLBIT_JSON_ONLY}/nlohmann SYMBOLIC)
  set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
                        INTERFACE_INCLUDE_DIRECTORIES ${QUILLBIT_JSON_ONLY})
else()
  find_package(nlohmann_json 3 REQUIRED)
endif()
