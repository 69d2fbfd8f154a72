# The Debian package and the RPM (cpack -G DEB, cpack -G RPM in the build folder): the
# program, its desktop entry, its icon and its AppStream metainfo, with the libraries it
# needs declared as dependencies.
include(GNUInstallDirs)

# The AppStream id in reverse-DNS form of the program's own host; the desktop entry and
# the metainfo are named after it, as software centres expect.
set(TESMARIK_APPSTREAM_ID example.tesmarik.tesmarik)
# No licence has been granted for the program.
set(TESMARIK_LICENSE LicenseRef-proprietary)
# The day this version was released; set anew with the version.
set(TESMARIK_RELEASE_DATE 2026-12-10)

install(TARGETS tesmarik RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS tesmarik-download LIBRARY DESTINATION ${TESMARIK_MODULE_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${TESMARIK_APPSTREAM_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The metainfo names the version and the seller's site of this build.
set(TESMARIK_METAINFO ${CMAKE_BINARY_DIR}/packaging/${TESMARIK_APPSTREAM_ID}.metainfo.xml)
configure_file(${CMAKE_SOURCE_DIR}/packaging/${TESMARIK_APPSTREAM_ID}.metainfo.xml.in
    ${TESMARIK_METAINFO} @ONLY)
install(FILES ${TESMARIK_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon is the seller's logo as the information tab draws it.
set(TESMARIK_ICON ${CMAKE_BINARY_DIR}/packaging/tesmarik.png)
add_custom_command(OUTPUT ${TESMARIK_ICON}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    # The sanitizer build must not fail on what Qt keeps until exit.
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            ${TESMARIK_RENDER_PICTURE} info-logo 256 256 ${TESMARIK_ICON}
    DEPENDS ${TESMARIK_RENDER_PICTURE_DEPENDS}
    COMMENT "Drawing the program's icon"
    VERBATIM)
add_custom_target(tesmarik_icon ALL DEPENDS ${TESMARIK_ICON})
install(FILES ${TESMARIK_ICON} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)

# Plain cpack makes the Debian package; cpack -G RPM the RPM (needs rpmbuild).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tesmarik)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "pipe calculator: theoretical mass of steel pipes, loading norms, price list")
set(CPACK_PACKAGE_DESCRIPTION
    "Тесмарик is a desktop calculator for people who buy, sell and ship steel pipes: the \
theoretical mass of pipes by formula or by the mass tables of the technical conditions, \
the loading norms of wagons, platforms and trucks, and the seller's price list.")
set(CPACK_PACKAGE_VENDOR "Тесмарик developers")
set(CPACK_PACKAGE_CONTACT "Тесмарик developers <info@${TESMARIK_SELLER_HOST}>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The libraries come from dpkg-shlibdeps; the Qt platform plugins are loaded at run time,
# so no library names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs speak Russian through Qt's translations.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
# The window's fonts (Arial, Courier New, Times New Roman) are matched by these.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")

set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
set(CPACK_RPM_PACKAGE_LICENSE ${TESMARIK_LICENSE})
set(CPACK_RPM_PACKAGE_URL https://${TESMARIK_SELLER_HOST}/)
set(CPACK_RPM_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
# The requirements come from rpmbuild's scan of the program and its module: sonames such
# as libQt6Widgets.so.6()(64bit) and libcurl.so.4()(64bit), which every RPM distribution
# resolves to its own package. The Qt platform plugins, Qt's translations and the fonts
# are named by no library, and each distribution names their packages differently: the
# RPM does not declare them.
set(CPACK_RPM_PACKAGE_AUTOREQ ON)
set(CPACK_RPM_PACKAGE_AUTOPROV ON)
# Debian's libcurl versions its symbols (CURL_OPENSSL_4), an RPM distribution's need not:
# the module asks for libcurl.so.4 only. The download module is the program's own: it must
# not offer itself to other packages.
set(CPACK_RPM_SPEC_MORE_DEFINE "%global __requires_exclude ^libcurl[.]so[.]4[(]CURL_
%global __provides_exclude_from ^${CPACK_PACKAGING_INSTALL_PREFIX}/${TESMARIK_MODULE_DIR}/")
# Desktops look for the entry and the metainfo under /usr only.
set(CPACK_RPM_PACKAGE_RELOCATABLE OFF)
# The shared folders belong to the system's own packages; the RPM owns only its files and
# the module's folder.
set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION
    /usr/share/applications /usr/share/metainfo /usr/share/icons /usr/share/icons/hicolor
    /usr/share/icons/hicolor/256x256 /usr/share/icons/hicolor/256x256/apps)
include(CPack)

if(TESMARIK_BUILD_TESTS)
    # Each builds its package, unpacks it into a scratch root and looks at what it holds.
    foreach(generator DEB RPM)
        string(TOLOWER ${generator} kind)
        add_test(NAME package/${kind}
            COMMAND ${CMAKE_COMMAND} -DGENERATOR=${generator} -DCPACK=${CMAKE_CPACK_COMMAND}
                    -DBUILD=${CMAKE_BINARY_DIR} -DMODULE_DIR=${TESMARIK_MODULE_DIR}
                    -DAPPSTREAM_ID=${TESMARIK_APPSTREAM_ID} -DVERSION=${PROJECT_VERSION}
                    -P ${CMAKE_SOURCE_DIR}/packaging/CheckPackage.cmake)
        set_tests_properties(package/${kind} PROPERTIES TIMEOUT 300)
    endforeach()
    add_test(NAME package/metainfo
        COMMAND ${CMAKE_COMMAND} -DMETAINFO=${TESMARIK_METAINFO}
                -P ${CMAKE_SOURCE_DIR}/packaging/ValidateMetainfo.cmake)
endif()
