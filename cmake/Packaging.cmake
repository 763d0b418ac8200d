# The Debian package of the desktop program and the tool: scripts/package
# makes it from build/ (cpack -G DEB), named bunrako_VERSION_ARCH.deb.

set(BUNRAKO_MAINTAINER "Bunrako maintainers <maintainers@bunrako.example>" CACHE STRING
  "The package's maintainer, name and address")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME bunrako)
set(CPACK_PACKAGE_VENDOR Kosumiyado)
set(CPACK_PACKAGE_CONTACT "${BUNRAKO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "document-management program for a section of a local-government office")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Bunrako (文書管理システム) keeps the registers of the paper files of one\n\
section of a Japanese local-government office: the volume list with\n\
retention periods, expiry, reviews and disposal, the ledger of permanent\n\
volumes, the list of disposed volumes, retention-period change forms, the\n\
document title register and each volume's index catalogue. The data lives\n\
in a shared data folder, in the binary files that offices already have.\n\
.\n\
The package holds the desktop program bunrako and the administrator's\n\
command line bunrako-tool.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${BUNRAKO_HOMEPAGE}")
# The libraries it links (Qt 6 Widgets and the C++ runtime), as
# dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Japanese text needs a Japanese font; the desktop's file manager and mail
# open through xdg-open; the office suite stands in for the word processor
# and the spreadsheet.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libreoffice-writer, libreoffice-calc")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
