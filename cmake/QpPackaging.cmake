# The Debian package of the programs (cpack -G DEB in the build folder). The shared libraries'
# packages are found by dpkg-shlibdeps; what the programs open at run time is added by hand:
# the MP3 encoder library (loaded with dlopen, so only recommended), the sound server's
# client tools and xdg-utils for mail and the manual.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillophone)
set(CPACK_PACKAGE_VENDOR "Tolvane Electronics")
set(CPACK_PACKAGE_CONTACT "Quillophone developers <quillophone@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "voice notes for the desktop")
set(CPACK_PACKAGE_DESCRIPTION
  "Records spoken notes into folders, plays them back faster or slower, edits them in a\n\
waveform graph, plays them as alarms and sends them by e-mail.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libmp3lame0, xdg-utils, pulseaudio | pipewire-pulse")
include(CPack)
