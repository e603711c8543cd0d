# What a desktop installs beside the two programs (desktop entry, AppStream metainfo, the design
# file's MIME type, theme icons, manual pages, copyright) and the Debian package that holds it all,
# made by CPack's DEB generator: `bash scripts/package.sh` leaves build/quorvane_VERSION_ARCH.deb.
include(GNUInstallDirs)

# The date of the release project() names; the metainfo and the manual pages carry both.
set(QUORVANE_RELEASE_DATE "2026-12-08")
set(QUORVANE_APP_ID "io.github.quorvane.Quorvane")

set(desktopDir ${PROJECT_SOURCE_DIR}/resources/desktop)
set(generatedDir ${PROJECT_BINARY_DIR}/package)

configure_file(${desktopDir}/${QUORVANE_APP_ID}.metainfo.xml.in ${generatedDir}/${QUORVANE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${desktopDir}/${QUORVANE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${generatedDir}/${QUORVANE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${desktopDir}/quorvane-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME quorvane.xml)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvane)

# Manual pages, compressed as Debian installs them (-n: no name or time stamp inside).
set(manPages)
foreach(page quorvane quorvane-calc)
  configure_file(${PROJECT_SOURCE_DIR}/resources/man/${page}.1.in ${generatedDir}/${page}.1 @ONLY)
  add_custom_command(OUTPUT ${generatedDir}/${page}.1.gz
    COMMAND gzip -9 -n -f -k ${page}.1
    DEPENDS ${generatedDir}/${page}.1
    WORKING_DIRECTORY ${generatedDir}
    VERBATIM)
  list(APPEND manPages ${generatedDir}/${page}.1.gz)
endforeach()
add_custom_target(quorvane_man_pages ALL DEPENDS ${manPages})
install(FILES ${manPages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_VENDOR "The Quorvane developers")
set(CPACK_PACKAGE_CONTACT "The Quorvane developers <dev@quorvane.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for designing spark-gap Tesla coils")
set(CPACK_PACKAGE_DESCRIPTION
  "Quorvane is a desktop calculator for designing a spark-gap Tesla coil.
The user types or steps the ratings of the supply transformer and the
dimensions of the tank capacitor, spark gap, primary, secondary and top
load, and every derived quantity is recalculated twenty times a second:
inductances, self-capacitance, resonant frequencies, the tank
capacitance that tunes the primary, the transformer match, the break
rate and the expected spark length.
Designs are saved as .qvd files, print as a report, and export as SPICE
netlists that are simulated with ngspice when it is installed.
quorvane-calc runs the same calculator for scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The calculator runs without the simulator and says so when a simulation is asked for.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS ngspice)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
