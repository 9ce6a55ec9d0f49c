# `cpack -G DEB` in the build folder: the installed tree under /usr as a Debian package. The
# libraries it needs (Qt with its X11 and sound plugins, SQLite) come from dpkg-shlibdeps; the
# fonts the texts are shown in are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zephyrane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Zephyrane developers <zephyrane@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Quran reader and searcher with Arabic, Kurdish and English explanations")
set(CPACK_PACKAGE_DESCRIPTION "Type a word, or its beginning, and every verse holding it
is listed at once, shown with its Arabic (al-Muyassar), Kurdish (Tafsiri Asan)
and English explanations; or read surah by surah, copy verses with their
explanations, and switch the interface between Arabic, Kurdish and English.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ZEPHYRANE_PROJECT_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-hosny-amiri, fonts-noto-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
