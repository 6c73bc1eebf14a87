# The Debian package of the program: `cpack -G DEB` in the build folder.
# Installing and packaging take the program as it was built (target quilora), without building
# the tests, benchmarks and fuzzers first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quilora)
set(CPACK_PACKAGE_VENDOR "Quilora")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Estudo das transformações de funções reais de variável real")
set(CPACK_PACKAGE_DESCRIPTION
    "Programa de ensino: desenha o gráfico de uma função e, ao lado, o de uma de dez transformações.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY quilora)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Equipa do Quilora <equipa@quilora.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The Qt libraries come from the program's own links; the SVG plugins, which draw the icons,
# the fonts that stand in for the window fonts and the system's Portuguese words of the Qt
# dialogs are not linked and are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, fonts-comic-neue, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
