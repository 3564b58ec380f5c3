# The Debian package of tavrin-extract, made by `cpack` in the native build:
# the tool and its man page only (the install component `extract`).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavrin-extract)
set(CPACK_PACKAGE_VENDOR "The Tavrin project")
set(CPACK_PACKAGE_CONTACT "The Tavrin project")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "write the icons of Windows program files as .ico files")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Reads the icon groups of Windows modules (PE32 and PE32+ of any machine,\n\
16-bit NE modules, .mun resource files) and of icon files, without running\n\
them, and writes each group with all its images as an .ico file.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Tavrin project")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
# One package from one component: whatever else may install stays out.
set(CPACK_COMPONENTS_ALL extract)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS OFF)
include(CPack)
