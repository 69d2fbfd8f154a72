# Read by CPack once per generator (CPACK_PROJECT_CONFIG_FILE): the installer is named
# as Windows users know installers, tesmarik-VERSION-win64-setup.exe, while the zip
# stays tesmarik-VERSION-win64.zip.
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
endif()
