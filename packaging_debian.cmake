# A Debian package of the installed program: cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME collatz)
set(CPACK_PACKAGE_VENDOR "The Collatz developers")
set(CPACK_PACKAGE_CONTACT "The Collatz developers <collatz@veltrum.jp>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Teaching program for the Collatz problem (Japanese)")
set(CPACK_PACKAGE_DESCRIPTION "A small window that states the Collatz problem in Japanese and lets you try\nthe rule from any start value up to 10,000,000, with chimes.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The shared libraries come from dpkg-shlibdeps; the plugins Qt loads at run time do not: the X11
# and Wayland platforms, the SVG icon engine, and a Japanese font.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, fonts-ipafont-gothic | fonts-noto-cjk | fonts-vlgothic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, pulseaudio | pipewire-pulse")
include(CPack)
