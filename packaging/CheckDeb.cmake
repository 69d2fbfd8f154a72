# The Debian package's part of CheckPackage.cmake: its name and dependencies, then its
# files unpacked into the root.
run(dpkg-deb --field ${package} Package Depends)
require("is not named tesmarik:\n${output}" output MATCHES "Package: tesmarik")
foreach(library libqt6widgets6 libqt6gui6 libqt6core6 libcurl4 libxlsxwriter4 libc6 qt6-qpa-plugins
        qt6-translations-l10n)
    require("does not depend on ${library}:\n${output}" output MATCHES "${library}")
endforeach()

run(dpkg-deb -x ${package} ${root})
