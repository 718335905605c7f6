# SPDX-License-Identifier: GPL-3.0-or-later
# Installation and the Debian package (cpack -G DEB): the three programs, their manual pages,
# the desktop entry with icon, MIME type and AppStream metainfo, and the udev rule for the USB
# serial adapters of programming cables. tools/package.sh builds and checks the package.

include(GNUInstallDirs)

set(MZ58_APP_ID io.github.mz58win.mz58win)
set(MZ58_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})

install(TARGETS mz58 mz58-radiosim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The window application is built from src/app once it is there.
if(TARGET mz58win)
    install(TARGETS mz58win RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

install(FILES ${MZ58_PACKAGING_DIR}/${MZ58_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${MZ58_PACKAGING_DIR}/${MZ58_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${MZ58_PACKAGING_DIR}/${MZ58_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${MZ58_PACKAGING_DIR}/${MZ58_APP_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
# Debian 12 reads udev rules from /lib/udev/rules.d.
install(FILES ${MZ58_PACKAGING_DIR}/60-mz58-programming-cable.rules
        DESTINATION /lib/udev/rules.d)

# Manual pages and the Debian changelog go in compressed, without time stamps.
set(MZ58_GZ_DIR ${CMAKE_CURRENT_BINARY_DIR}/packaging)
set(MZ58_GZ_FILES)
foreach(page mz58 mz58win mz58-radiosim)
    list(APPEND MZ58_GZ_INPUTS man/${page}.1)
endforeach()
foreach(input IN LISTS MZ58_GZ_INPUTS ITEMS changelog.Debian)
    get_filename_component(name ${input} NAME)
    set(output ${MZ58_GZ_DIR}/${name}.gz)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${MZ58_GZ_DIR}
        COMMAND gzip -9nc ${MZ58_PACKAGING_DIR}/${input} > ${output}
        DEPENDS ${MZ58_PACKAGING_DIR}/${input} VERBATIM)
    list(APPEND MZ58_GZ_FILES ${output})
endforeach()
add_custom_target(mz58_packaging_files ALL DEPENDS ${MZ58_GZ_FILES})
foreach(page mz58 mz58win mz58-radiosim)
    install(FILES ${MZ58_GZ_DIR}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
set(MZ58_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/mz58win)
install(FILES ${MZ58_GZ_DIR}/changelog.Debian.gz ${MZ58_PACKAGING_DIR}/copyright
        DESTINATION ${MZ58_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mz58win)
set(CPACK_PACKAGE_VENDOR "MZ58Win developers")
set(CPACK_PACKAGE_CONTACT "MZ58Win developers <mz58win@users.noreply.github.com>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/mz58win/mz58win)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming software for the QM-610 hand-held radio")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "MZ58Win reads the configuration of a QM-610 VHF or UHF hand-held radio over a
serial programming cable, shows its channels and settings, keeps them in
programming files, writes them back into the radio and prints a report.

The package holds the window application mz58win, the command-line tool mz58
(with CHIRP CSV export and import and a diff of two files), the radio
simulator mz58-radiosim, and a udev rule that lets the logged-in user open
the USB serial adapters of programming cables.")
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (standard buttons, file, print and page dialogs) in the window's language;
# the libraries found by shlibdeps are added to this.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
