# The Debian package: `make package` (cpack in the build folder) writes zova_<version>_amd64.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zova)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "communication program of a multi-axis motion controller")
# The long description as dpkg shows it: lines under 80 columns, "." for an empty line.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "ZOVA is the PC side of a robot controller with 2 to 6 axes, optionally\n"
  "working with a PLC, reached over one serial line. It compiles robot programs\n"
  "and sends them, fetches them back as source, moves the location and shift\n"
  "tables and the system and axis parameters between controller and files,\n"
  "operates the machine by hand, flashes firmware, and backs up, restores and\n"
  "compares a whole controller; nightly backups of a whole fleet of controllers\n"
  "come with a systemd timer.\n"
  ".\n"
  "The package holds the desktop program zova, the command-line program zovactl\n"
  "and the simulated controller zovasim.")
set(ZOVA_MAINTAINER "ZOVA maintainers <maintainers@zova.invalid>" CACHE STRING "Maintainer line of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ZOVA_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
# The libraries the programs link, as dpkg-shlibdeps finds them; Qt loads its platform plugins itself,
# so the desktop program names them, and the Korean texts want a font that has them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(ZOVA_GUI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-nanum | fonts-noto-cjk")
endif()
# The example fleet file is a conffile, as every file in /etc; the administrator's own fleet.toml is not
# the package's. The maintainer scripts reload systemd's units after an install, upgrade or removal.
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/conffiles "/etc/zova/fleet.toml.example\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_BINARY_DIR}/conffiles ${PROJECT_SOURCE_DIR}/data/debian/postinst
                                       ${PROJECT_SOURCE_DIR}/data/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
