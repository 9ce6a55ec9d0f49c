# Runs at install time: writes the factory data files into the program's folder with the data
# tool. Expects BUILD_DATA_TOOL and SOURCES_DIR.
set(app_dir "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/lib/zephyrane")
message(STATUS "Installing: ${app_dir}/Data")
execute_process(
  COMMAND "${BUILD_DATA_TOOL}" --sources "${SOURCES_DIR}" --out "${app_dir}"
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the data files could not be written into ${app_dir}")
endif()
