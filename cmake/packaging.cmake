# What a Debian package of Voltaro holds beyond the programs: the manual
# pages voltaro(1) and voltaroctl(1) and voltaroctl's bash completion, made
# at build time from the programs' --help (cmake/help_to_man.cmake); the
# icon at the hicolor theme's sizes (tools/artgen --icons); the AppStream
# description; and the CPack settings of the .deb (`cpack -G DEB` in the
# build folder), its dependencies found by dpkg-shlibdeps.
include(GNUInstallDirs)

if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux" OR CMAKE_CROSSCOMPILING OR NOT TARGET voltaro)
  return()
endif()

set(VOLTARO_PACKAGE_FILES ${CMAKE_BINARY_DIR}/package)
set(help_to_man ${PROJECT_SOURCE_DIR}/cmake/help_to_man.cmake)
add_custom_command(OUTPUT ${VOLTARO_PACKAGE_FILES}/voltaro.1
  COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:voltaro> -DNAME=voltaro
          "-DSUMMARY=watch and look after the laptop battery"
          -DMAN=${VOLTARO_PACKAGE_FILES}/voltaro.1 -P ${help_to_man}
  DEPENDS voltaro ${help_to_man}
  COMMENT "Writing voltaro(1)")
add_custom_command(OUTPUT ${VOLTARO_PACKAGE_FILES}/voltaroctl.1 ${VOLTARO_PACKAGE_FILES}/voltaroctl
  COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:voltaroctl> -DNAME=voltaroctl
          "-DSUMMARY=read the batteries and run the Voltaro engine from the command line"
          -DMAN=${VOLTARO_PACKAGE_FILES}/voltaroctl.1 -DCOMMANDS=ON
          -DCOMPLETION=${VOLTARO_PACKAGE_FILES}/voltaroctl -P ${help_to_man}
  DEPENDS voltaroctl ${help_to_man}
  COMMENT "Writing voltaroctl(1) and its bash completion")
set(icon_sizes 16 22 24 32 48 64 128 256)
set(icon_files)
foreach(size IN LISTS icon_sizes)
  list(APPEND icon_files ${VOLTARO_PACKAGE_FILES}/icons/voltaro_${size}.png)
endforeach()
add_custom_command(OUTPUT ${icon_files}
  COMMAND voltaro_artgen --icons ${VOLTARO_PACKAGE_FILES}/icons
  DEPENDS voltaro_artgen
  COMMENT "Painting the icon at the icon theme's sizes")
configure_file(${PROJECT_SOURCE_DIR}/packaging/com.keldwick.Voltaro.metainfo.xml
               ${VOLTARO_PACKAGE_FILES}/com.keldwick.Voltaro.metainfo.xml @ONLY)
add_custom_target(voltaro_package_files ALL
  DEPENDS ${VOLTARO_PACKAGE_FILES}/voltaro.1 ${VOLTARO_PACKAGE_FILES}/voltaroctl.1
          ${VOLTARO_PACKAGE_FILES}/voltaroctl ${icon_files})

install(FILES ${VOLTARO_PACKAGE_FILES}/voltaro.1 ${VOLTARO_PACKAGE_FILES}/voltaroctl.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${VOLTARO_PACKAGE_FILES}/voltaroctl
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
foreach(size IN LISTS icon_sizes)
  install(FILES ${VOLTARO_PACKAGE_FILES}/icons/voltaro_${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME voltaro.png)
endforeach()
install(FILES ${VOLTARO_PACKAGE_FILES}/com.keldwick.Voltaro.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME voltaro)
set(CPACK_PACKAGE_VENDOR Keldwick)
set(CPACK_PACKAGE_CONTACT "Keldwick <voltaro@keldwick.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "battery monitor for laptops")
set(CPACK_PACKAGE_DESCRIPTION
    "Voltaro lives in the notification area and reads every battery the system exposes: charge, time left, capacity and wear. It keeps a charge graph and a health record, writes logs and reports, raises alerts, guides a calibration and a fast discharge, switches power plans, and has a desktop gadget. voltaroctl reads the batteries from the command line, with JSON output for scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "power-profiles-daemon")
include(CPack)
