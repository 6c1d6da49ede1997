# What the programs get on Windows alone: an icon and version information in each .exe, and no
# console window behind the window program.
function(tarvolin_windows_resources target description)
  set(TARVOLIN_ICO ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/tarvolin.ico)
  set(TARVOLIN_DESCRIPTION ${description})
  set(TARVOLIN_EXE ${target})
  configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/tarvolin.rc.in
                 ${CMAKE_BINARY_DIR}/windows/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_BINARY_DIR}/windows/${target}.rc)
endfunction()

# Programs run from a cross build tree (tests, benchmarks) find Qt's plugins, the platform above
# all, through a qt.conf beside them naming the cross-built Qt; without one Qt stops with a box
# that nobody under Wine answers.
function(tarvolin_windows_qt_conf)
  cmake_path(GET Qt6_DIR PARENT_PATH qt_cmake_dir)
  cmake_path(GET qt_cmake_dir PARENT_PATH qt_lib_dir)
  cmake_path(GET qt_lib_dir PARENT_PATH qt_prefix)
  foreach(dir ${ARGN})
    file(WRITE ${dir}/qt.conf "[Paths]\nPrefix = Z:${qt_prefix}\n")
  endforeach()
endfunction()
