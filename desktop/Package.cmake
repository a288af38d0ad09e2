# `make package`: a Debian package of what the install rules install, under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tovarel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Kelvane")
set(CPACK_PACKAGE_CONTACT "Kelvane <info@tovarel.pro>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "HTML editor and web-site manager")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
# The synopsis is the summary above; CPack indents these lines into the long description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tovarel Pro keeps a web site as a project, an outline of pages, and edits the
HTML source of one page at a time. Tag commands and Power dialogs compose
whole tags; pages are previewed in an embedded browser pane or in outside
browsers, spell-checked and printed; site tools analyse page sizes and links,
replace text across files and back a site up into dated folders.")
# Run-time libraries as dpkg-shlibdeps finds them; nothing that only the build needs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
# What is loaded at run time rather than linked: the browser pane's helper process.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6webenginecore6-bin")
# Pictures in TIFF, WebP and SVG format come through Qt plug-ins, which no library links.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins, libqt6svg6")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
