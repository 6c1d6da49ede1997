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
