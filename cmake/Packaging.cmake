# Installation on classroom machines: the desktop entry, the icons, the AppStream
# metadata, the manual pages and the Debian package that ./package.sh builds.
# The programs themselves are installed where they are defined.

include(GNUInstallDirs)

set(SPOTSIM_APP_ID org.example.spotsim)
set(SPOTSIM_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(SPOTSIM_PACKAGING_OUT ${PROJECT_BINARY_DIR}/packaging)

if(SPOTSIM_SANITIZE)
  set(spotsim_package_test_default OFF)
else()
  set(spotsim_package_test_default ON)
endif()
option(SPOTSIM_PACKAGE_TEST "Build the Debian package and check it as a test"
  ${spotsim_package_test_default})

find_program(SPOTSIM_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(SPOTSIM_AWK NAMES awk mawk gawk REQUIRED)
find_program(SPOTSIM_GZIP gzip REQUIRED)

set(spotsim_generated)

# The icon: one drawing, rendered at the sizes desktops look up.
foreach(size 16 32 48 64 128 256)
  set(dir ${SPOTSIM_PACKAGING_OUT}/icons/${size}x${size})
  add_custom_command(OUTPUT ${dir}/spotsim.png
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${SPOTSIM_RSVG_CONVERT} -w ${size} -h ${size} -o ${dir}/spotsim.png
            ${SPOTSIM_PACKAGING_DIR}/spotsim.svg
    DEPENDS ${SPOTSIM_PACKAGING_DIR}/spotsim.svg
    COMMENT "Rendering the ${size} x ${size} icon"
    VERBATIM)
  list(APPEND spotsim_generated ${dir}/spotsim.png)
  install(FILES ${dir}/spotsim.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${SPOTSIM_PACKAGING_DIR}/spotsim.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Manual pages, each written as plain text and turned into roff here.
function(spotsim_manual_page name text)
  set(page ${SPOTSIM_PACKAGING_OUT}/man/${name}.1)
  add_custom_command(OUTPUT ${page} ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${SPOTSIM_PACKAGING_OUT}/man
    COMMAND ${SPOTSIM_AWK} -v name=${name} -v section=1
            -v "source=spotsim ${PROJECT_VERSION}" -v out=${page}
            -f ${SPOTSIM_PACKAGING_DIR}/manpage.awk ${text}
    COMMAND ${SPOTSIM_GZIP} -9 -n -k -f ${page}
    DEPENDS ${text} ${SPOTSIM_PACKAGING_DIR}/manpage.awk
    COMMENT "Writing the manual page ${name}(1)"
    VERBATIM)
  set(spotsim_generated ${spotsim_generated} ${page} ${page}.gz PARENT_SCOPE)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
spotsim_manual_page(spotsim ${SPOTSIM_PACKAGING_DIR}/spotsim.txt)
spotsim_manual_page(spotsim-drive ${PROJECT_SOURCE_DIR}/tools/drive/spotsim-drive.txt)

install(FILES ${SPOTSIM_PACKAGING_DIR}/${SPOTSIM_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${SPOTSIM_PACKAGING_DIR}/${SPOTSIM_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Lesson files open in the program from the file manager; the shipped ones
# lie where a teacher can copy them to write new ones.
install(FILES ${SPOTSIM_PACKAGING_DIR}/${SPOTSIM_APP_ID}.mime.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${SPOTSIM_APP_ID}.xml)
file(GLOB spotsim_lessons CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/lesson/lessons/*.spotsim-lesson)
install(FILES ${spotsim_lessons} DESTINATION ${CMAKE_INSTALL_DATADIR}/spotsim/lessons)

# Debian's copyright file and changelog, the latter carrying the version.
configure_file(${SPOTSIM_PACKAGING_DIR}/changelog.in ${SPOTSIM_PACKAGING_OUT}/changelog @ONLY)
add_custom_command(OUTPUT ${SPOTSIM_PACKAGING_OUT}/changelog.gz
  COMMAND ${SPOTSIM_GZIP} -9 -n -k -f ${SPOTSIM_PACKAGING_OUT}/changelog
  DEPENDS ${SPOTSIM_PACKAGING_OUT}/changelog
  VERBATIM)
list(APPEND spotsim_generated ${SPOTSIM_PACKAGING_OUT}/changelog.gz)
install(FILES ${SPOTSIM_PACKAGING_DIR}/copyright ${SPOTSIM_PACKAGING_OUT}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})

add_custom_target(spotsim_install_data ALL DEPENDS ${spotsim_generated})

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME spotsim)
set(CPACK_PACKAGE_VENDOR "The spotsim developers")
set(CPACK_PACKAGE_CONTACT "The spotsim developers <spotsim@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "teaching simulator of reaction kinetics, radioactive decay and acids")
set(CPACK_PACKAGE_DESCRIPTION [=[
spotsim lets chemistry and physics students watch random events add up to
the rate laws. Each subject runs on a lattice of 25 x 25 coloured spots,
whose counts are plotted against time next to the smooth solution of the
rate equations, with half-lives and rates:

 * reaction kinetics A -> B (-> C), each step reversible or not and
   dependent on the temperature;
 * radioactive decay, as a series of one to three steps or the series
   polonium-218 -> lead-214 -> bismuth-214 -> lead-210;
 * four diprotic acids, with the percentage of each species and the pH.

The package also holds spotsim-drive, which runs the program from a script.]=])
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Every caption is mapped to DejaVu, whose fonts also carry the Greek letters.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-dejavu-core)
# In a Wayland session without XWayland, Qt's Wayland platform shows the
# windows.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
