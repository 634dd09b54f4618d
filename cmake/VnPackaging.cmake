# Debian packages through CPack, one per install component:
#   vnsuite-player     vnplay, its desktop entry and icons
#   vnsuite-authoring  vnprobe, the editors, vnmaskgen, vnscript, vnimage, the
#                      MIME types and the AppStream description
# Library dependencies are read from the binaries by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vnsuite)
set(CPACK_PACKAGE_VENDOR "The vnsuite developers")
set(CPACK_PACKAGE_CONTACT "The vnsuite developers <vnsuite@users.noreply.github.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://vnsuite.github.io/")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL player authoring)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)

set(CPACK_DEBIAN_PLAYER_PACKAGE_NAME vnsuite-player)
set(CPACK_DEBIAN_PLAYER_PACKAGE_SECTION games)
# The Qt platform plugins show the window; the SoundFont plays MIDI music,
# the IPA faces draw Japanese text and Qt's translations its standard buttons.
set(CPACK_DEBIAN_PLAYER_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PLAYER_PACKAGE_RECOMMENDS
    "timgm6mb-soundfont | musescore-general-soundfont, fonts-ipafont-gothic, fonts-ipafont-mincho, qt6-translations-l10n")
set(CPACK_COMPONENT_PLAYER_DESCRIPTION
    "visual novel player\nvnplay plays a visual novel from its game folder: event files, flag-data\nfiles, pictures, music and sound, with save and load.")

set(CPACK_DEBIAN_AUTHORING_PACKAGE_NAME vnsuite-authoring)
set(CPACK_DEBIAN_AUTHORING_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_AUTHORING_PACKAGE_DEPENDS "vnsuite-player (= ${PROJECT_VERSION})")
set(CPACK_COMPONENT_AUTHORING_DESCRIPTION
    "visual novel authoring tools\nvnprobe (the player with a debug window), vnevedit (event files),\nvnparedit (flag-data files), vnmaskgen (character masks), vnscript (script\ntext and the game check) and vnimage.")

include(CPack)

# Everything the install rules take, without the tests and benchmarks:
# scripts/package builds only this before running cpack.
add_custom_target(installed_files)
add_dependencies(installed_files vnplay vnprobe vnevedit vnparedit vnmaskgen vnscript vnimage
                 desktop_icons)
