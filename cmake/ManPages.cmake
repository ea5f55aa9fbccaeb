# Manual pages for the Debian package, and the other files it ships compressed.

find_program(QUILLBIT_GZIP gzip)

# quillbit_gzipped(SOURCE NAME OUTPUT_VAR): SOURCE compressed at build time into the build tree
# as NAME.gz, the path of which goes to OUTPUT_VAR. -9n as Debian wants it: the smallest file,
# and neither name nor time stamp inside, so the same sources make the same package.
function(quillbit_gzipped source name output_var)
  if(NOT QUILLBIT_GZIP)
    message(FATAL_ERROR "gzip not found: it compresses the manual pages")
  endif()
  set(dir ${PROJECT_BINARY_DIR}/compressed)
  set(output ${dir}/${name}.gz)
  add_custom_command(OUTPUT ${output}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
                     COMMAND ${CMAKE_COMMAND} -E copy ${source} ${dir}/${name}
                     COMMAND ${QUILLBIT_GZIP} -9nf ${dir}/${name}
                     DEPENDS ${source}
                     COMMENT "Compressing ${name}" VERBATIM)
  string(MAKE_C_IDENTIFIER "quillbit_gzip_${name}" target)
  add_custom_target(${target} ALL DEPENDS ${output})
  set(${output_var} ${output} PARENT_SCOPE)
endfunction()

# quillbit_man_page(NAME SECTION): installs data/man/NAME.SECTION, compressed, into
# share/man/manSECTION. Windows has no manual pages: there it does nothing.
function(quillbit_man_page name section)
  if(WIN32)
    return()
  endif()
  include(GNUInstallDirs)
  quillbit_gzipped(${PROJECT_SOURCE_DIR}/data/man/${name}.${section} ${name}.${section} page)
  install(FILES ${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endfunction()
