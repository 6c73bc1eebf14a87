# SPDX-FileCopyrightText: 2026 Equipa do Quilora
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package of the program: `cpack -G DEB` in the build folder.
# Installing and packaging take the program as it was built (target quilora), without building
# the tests, benchmarks and fuzzers first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quilora)
set(CPACK_PACKAGE_VENDOR "Quilora")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "study the transformations of real functions")
# Lines of at most 80 characters; an empty line becomes the " ." of the control file.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Quilora is a teaching program, in European Portuguese, for the study of\n"
    "the transformations of real functions of one real variable. The student\n"
    "types the analytic expression of a function f, draws its graph and\n"
    "chooses one of ten transformations, such as |f(x)|, f(|x|), -f(x), f(-x),\n"
    "a+f(x), f(ax) or a.f(x), whose graph is drawn beside it; the transforms\n"
    "pile up, so that several can be compared. The graphs can be recoloured,\n"
    "copied to the clipboard and saved as bitmap files.\n"
    "\n"
    "Programa de ensino para estudar as transformações de funções reais de\n"
    "variável real: desenha o gráfico de uma função e, ao lado, o de uma de\n"
    "dez transformações.")
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

# The licence and the history of the package, where Debian keeps them for every package; the
# history compressed without a time stamp, so that the same sources give the same package.
set(quilora_historico ${CMAKE_BINARY_DIR}/doc/changelog.gz)
add_custom_command(OUTPUT ${quilora_historico}
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/cmake/pacote/changelog
            ${CMAKE_BINARY_DIR}/doc/changelog
    COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/doc/changelog
    DEPENDS ${PROJECT_SOURCE_DIR}/cmake/pacote/changelog VERBATIM)
add_custom_target(quilora_historico DEPENDS ${quilora_historico})
add_dependencies(quilora quilora_historico)
include(GNUInstallDirs)
install(FILES ${PROJECT_SOURCE_DIR}/cmake/pacote/copyright ${quilora_historico}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quilora)
include(CPack)
