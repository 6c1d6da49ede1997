# Desktop integration: the menu entry and the program icon in the freedesktop.org locations.
# Included from the top CMakeLists after GNUInstallDirs.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/tarvolin.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/tarvolin-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME tarvolin.png)
endforeach()
install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/tarvolin.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
