# Runs at install time: writes the data files into the program's folder with the data tool,
# which keeps the settings row of an earlier install, then the desktop entry and the launcher
# with the folder's real path. Expects BUILD_DATA_TOOL, SOURCES_DIR and PACKAGING_DIR.
set(prefix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(APP_DIR "${CMAKE_INSTALL_PREFIX}/lib/zephyrane")
set(ICON "${CMAKE_INSTALL_PREFIX}/share/icons/hicolor/scalable/apps/zephyrane.svg")

message(STATUS "Installing: ${prefix}/lib/zephyrane/Data (settings of an earlier install kept)")
execute_process(
  COMMAND "${BUILD_DATA_TOOL}" --sources "${SOURCES_DIR}" --out "${prefix}/lib/zephyrane"
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the data files could not be written into ${prefix}/lib/zephyrane")
endif()

configure_file("${PACKAGING_DIR}/zephyrane.desktop.in"
  "${prefix}/share/applications/zephyrane.desktop" @ONLY)
configure_file("${PACKAGING_DIR}/zephyrane.sh.in" "${prefix}/bin/zephyrane" @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
  WORLD_READ WORLD_EXECUTE)
message(STATUS "Installing: ${prefix}/share/applications/zephyrane.desktop")
