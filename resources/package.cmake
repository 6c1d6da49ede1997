# The Debian package (cpack -G DEB, see scripts/package) and what a distribution expects beside
# the program: AppStream data for the software centre, manual pages, copyright and changelog.
# Included from the top CMakeLists after every target is defined, so that a command line
# program, when there is one, is packaged with its manual page.
set(TARVOLIN_APPSTREAM_ID org.example.tarvolin)
set(TARVOLIN_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/tarvolin)

install(FILES ${CMAKE_CURRENT_LIST_DIR}/${TARVOLIN_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian and lintian want manual pages and changelogs gzip-compressed without a timestamp
# (-n), so that the package is the same from one build to the next.
set(TARVOLIN_MAN_PAGES tarvolin)
if(TARGET tarvolin-cli)
  list(APPEND TARVOLIN_MAN_PAGES tarvolin-cli)
  # Installing the same target twice is harmless, should its own rule install it as well.
  install(TARGETS tarvolin-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
set(TARVOLIN_COMPRESSED_DOCS)
foreach(page IN LISTS TARVOLIN_MAN_PAGES)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/man/${page}.1 ${CMAKE_BINARY_DIR}/man/${page}.1 @ONLY)
  list(APPEND TARVOLIN_COMPRESSED_DOCS ${CMAKE_BINARY_DIR}/man/${page}.1)
endforeach()
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog ${CMAKE_BINARY_DIR}/doc/changelog COPYONLY)
list(APPEND TARVOLIN_COMPRESSED_DOCS ${CMAKE_BINARY_DIR}/doc/changelog)

set(TARVOLIN_GZIPPED)
foreach(file IN LISTS TARVOLIN_COMPRESSED_DOCS)
  add_custom_command(OUTPUT ${file}.gz
                     COMMAND gzip -9 -n -k -f ${file}
                     DEPENDS ${file}
                     VERBATIM)
  list(APPEND TARVOLIN_GZIPPED ${file}.gz)
endforeach()
add_custom_target(tarvolin_docs ALL DEPENDS ${TARVOLIN_GZIPPED})

foreach(page IN LISTS TARVOLIN_MAN_PAGES)
  install(FILES ${CMAKE_BINARY_DIR}/man/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/doc/changelog.gz ${CMAKE_CURRENT_LIST_DIR}/copyright
        DESTINATION ${TARVOLIN_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvolin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Quessel)
set(CPACK_PACKAGE_CONTACT "Quessel <quessel@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.example.org/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "stress-strain curves of concrete after GB 50010-2010")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not libraries the program links: the fonts its window is laid out for (Liberation Sans, metric
# compatible with the usual Windows sans) and a Chinese font the Chinese interface is tested with
# (either, or both, as most Debian desktops already have Noto CJK).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-wqy-microhei | fonts-noto-cjk")
# Qt's own buttons and file dialogs in Chinese; without it they stay English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# CPack puts the summary above as the synopsis line; this is the extended description, where a
# blank line needs the lone "." of Debian's control format.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[Tarvolin builds the uniaxial stress-strain curves of concrete in compression
and in tension after the damage-based constitutive law of GB 50010-2010
(Code for design of concrete structures, Appendix C), draws them side by side
for many concretes, and exports them as a CSV file and as chart pictures,
ready to feed a finite-element model or a report.
.
Every parameter of the law is proposed from the strength grade and can be
overwritten.]=])

include(CPack)
