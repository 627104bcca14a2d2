# The Debian package (scripts/package): dependencies on libraries come from the
# binaries themselves; what the program loads at run time is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvalent)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Morvalent developers <morvalent@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "batch file renamer with a Korean user interface")
set(CPACK_PACKAGE_DESCRIPTION
    "Morvalent gathers files and folders into one list, builds a new name for every
row with a series of name edits (replace text, prefixes and suffixes, cut by
position or between brackets, numbering, extensions, folder names), shows the
new names beside the current ones, and renames the real files in one command.
Nothing on disk changes until that command, and it never replaces an existing
file or folder. morvalent-cli runs the same commands from a terminal.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/morvalent/morvalent")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Korean font the window is laid out for, Qt's own Korean texts (OK, Cancel),
# the X11 platform plugin and the SVG plugins that draw every icon: all loaded at
# run time, so the linker does not see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-nanum, qt6-translations-l10n, qt6-qpa-plugins, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
