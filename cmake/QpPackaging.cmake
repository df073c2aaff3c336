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
# The sound server's client library and FFmpeg are loaded with dlopen, so the shared-library
# scan cannot see them: name their packages here (FFmpeg's carry the library's major version).
find_package(PkgConfig REQUIRED)
pkg_check_modules(QP_PACKAGE_FFMPEG REQUIRED libavformat libavcodec libavutil libswresample)
set(qp_package_depends "libqt6svg6" "libpulse0")
foreach(library avformat avcodec avutil swresample)
  string(REGEX MATCH "^[0-9]+" major "${QP_PACKAGE_FFMPEG_lib${library}_VERSION}")
  list(APPEND qp_package_depends "lib${library}${major}")
endforeach()
list(JOIN qp_package_depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libmp3lame0, xdg-utils, pulseaudio | pipewire-pulse")
include(CPack)
