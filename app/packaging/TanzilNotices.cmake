# The notice block each Tanzil source ends with, verbatim, for the files derived from them:
# writes TANZIL_NOTICES_FILE and sets TANZIL_NOTICES_HTML for the program's page.
set(TANZIL_NOTICES_FILE ${ZEPHYRANE_RUN_DIR}/Data/Tanzil-notices.txt)
set(notices "Zephyrane's data files Data/6.HTA, Data/AWAR.MDB and Data/Quran.MDB hold texts \
of the Tanzil Project, <https://tanzil.net>, built from the files below. Each file's own \
notice follows, unchanged.\n")
foreach(source quran-simple.txt quran-simple-clean.txt ar.muyassar.txt ku.asan.txt en.hilali.txt)
  file(READ ${ZEPHYRANE_SOURCES_DIR}/${source} text)
  string(FIND "${text}" "\n#" start)
  if(start LESS 0)
    message(FATAL_ERROR "${source} carries no notice block")
  endif()
  math(EXPR start "${start} + 1")
  string(SUBSTRING "${text}" ${start} -1 block)
  string(APPEND notices "\n${source}:\n\n${block}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ZEPHYRANE_SOURCES_DIR}/${source})
endforeach()
file(WRITE ${TANZIL_NOTICES_FILE} "${notices}")

set(TANZIL_NOTICES_HTML "${notices}")
string(REPLACE "&" "&amp;" TANZIL_NOTICES_HTML "${TANZIL_NOTICES_HTML}")
string(REPLACE "<" "&lt;" TANZIL_NOTICES_HTML "${TANZIL_NOTICES_HTML}")
string(REPLACE ">" "&gt;" TANZIL_NOTICES_HTML "${TANZIL_NOTICES_HTML}")
