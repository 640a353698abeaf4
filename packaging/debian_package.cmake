# The Debian package (cpack -G DEB in the build): component "program" under /usr. The reference
# file is not in it: dpkg would replace it on every upgrade. The maintainer scripts make it from
# the sample instead, only where the user has none, and take it away only while it is the sample.
set(ORVEL_PACKAGE_PREFIX /usr)
set(ORVEL_PACKAGE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/orvel-reference)
set(ORVEL_PACKAGE_SCRIPTS_DIR ${CMAKE_CURRENT_BINARY_DIR}/debian)
foreach(script postinst prerm)
    configure_file(debian/${script}.in ${ORVEL_PACKAGE_SCRIPTS_DIR}/${script} @ONLY
                   FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                    WORLD_READ WORLD_EXECUTE)
endforeach()

# Debian wants a copyright file and a changelog with every package, and the changelog and the man
# page compressed at the highest level.
function(orvel_gzip source output)
    file(ARCHIVE_CREATE OUTPUT ${output} PATHS ${source} FORMAT raw COMPRESSION GZip
         COMPRESSION_LEVEL 9 MTIME 0)
endfunction()
string(TIMESTAMP ORVEL_PACKAGE_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(debian/changelog.in ${ORVEL_PACKAGE_SCRIPTS_DIR}/changelog @ONLY)
orvel_gzip(${ORVEL_PACKAGE_SCRIPTS_DIR}/changelog ${ORVEL_PACKAGE_SCRIPTS_DIR}/changelog.gz)
install(FILES debian/copyright ${ORVEL_PACKAGE_SCRIPTS_DIR}/changelog.gz
        DESTINATION ${ORVEL_PACKAGE_DOC_DIR})
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS orvel-reference.1)
orvel_gzip(${CMAKE_CURRENT_SOURCE_DIR}/orvel-reference.1 ${ORVEL_PACKAGE_SCRIPTS_DIR}/orvel-reference.1.gz)
install(FILES ${ORVEL_PACKAGE_SCRIPTS_DIR}/orvel-reference.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvel-reference)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Pelkar <pelkar@example.fr>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "index of the references of French radio diplomas")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Orvel_Reference lists the references of French radio diplomas (forts and\n"
    "castles, mills, islands, lighthouses, districts of Paris) by commune,\n"
    "reference number, canton or postal code, searches the whole file and prints\n"
    "the displayed page. Its windows are in French.\n"
    "\n"
    "It reads one fixed-width file, Liste_References.prn, from\n"
    "/usr/lib/orvel-reference; the package brings a sample of 40,000 invented\n"
    "references, and the orvel-query command.")
# Only the program's component: the reference file is the maintainer scripts' business.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};program;/")
# Installed under DESTDIR with the final prefix, so the menu entry names /usr, not the stage.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX ${ORVEL_PACKAGE_PREFIX})
set(CPACK_PACKAGING_INSTALL_PREFIX ${ORVEL_PACKAGE_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link come from dpkg-shlibdeps; Qt loads the screen, SVG icon and
# French translation plugins and the windows ask for these fonts by name, at run time only.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${ORVEL_PACKAGE_SCRIPTS_DIR}/postinst ${ORVEL_PACKAGE_SCRIPTS_DIR}/prerm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
