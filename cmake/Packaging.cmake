# SPDX-License-Identifier: GPL-3.0-or-later
# A Debian package of the installation (`cpack -G DEB` in a build folder). Shared-library
# dependencies come from dpkg-shlibdeps; what is loaded at run time rather than linked (Qt's
# platform and multimedia plugins, the QML modules, GStreamer's decoders) is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvantel)
set(CPACK_PACKAGE_VENDOR "Tamsorek")
set(CPACK_PACKAGE_CONTACT "Quorvantel developers <developers@quorvantel.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Break reminder that counts your squats on this computer")
set(CPACK_PACKAGE_DESCRIPTION
    "Quorvantel lives in the tray with a countdown to the next break. At the break it covers\n"
    "every screen and lets go once you have done your squats or overhead arm raises in front\n"
    "of the camera, counted on this computer; no frame is stored or sent anywhere.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qml6-module-qtquick, qml6-module-qtquick-controls, qml6-module-qtquick-templates, qml6-module-qtquick-window, qml6-module-qtquick-layouts, qml6-module-qtquick-shapes, qml6-module-qtqml, qml6-module-qtqml-models, qml6-module-qtqml-workerscript, libqt6svg6, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-libav, gstreamer1.0-plugins-bad, qt6-wayland, pulseaudio | pipewire-pulse")
set(CPACK_STRIP_FILES ON)
include(CPack)
