# Installing Brisklet: the tool, its manual page and bash completion, the data files, and the
# library for other programs (public headers, the layer libraries and a CMake package, so that
# find_package(Brisklet) gives the target Brisklet::brisklet). `cpack -G DEB` packs the same.
include(CMakePackageConfigHelpers)

set_target_properties(brisklet_core PROPERTIES EXPORT_NAME brisklet)
foreach(layer IN LISTS BRISKLET_LAYERS)
  set_target_properties(brisklet_${layer} PROPERTIES EXPORT_NAME ${layer})
endforeach()
list(TRANSFORM BRISKLET_LAYERS PREPEND brisklet_ OUTPUT_VARIABLE layer_targets)

install(TARGETS brisklet RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS brisklet_core ${layer_targets} EXPORT BriskletTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(DIRECTORY src/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/brisklet
        FILES_MATCHING PATTERN "*.h" PATTERN "*.def")
# The source tree keeps the layer paths its build resolves; the installed copies include each
# other through brisklet/, so a program needs PREFIX/include only.
install(CODE "set(brisklet_header_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_INCLUDEDIR}/brisklet\")
              set(brisklet_layers \"${BRISKLET_LAYERS}\")
              include(\"${CMAKE_CURRENT_SOURCE_DIR}/cmake/InstalledHeaders.cmake\")")
install(DIRECTORY data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/brisklet)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/brisklet.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/brisklet.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME brisklet)

set(config_dir ${CMAKE_INSTALL_LIBDIR}/cmake/Brisklet)
install(EXPORT BriskletTargets NAMESPACE Brisklet:: DESTINATION ${config_dir})
configure_package_config_file(cmake/BriskletConfig.cmake.in ${CMAKE_CURRENT_BINARY_DIR}/BriskletConfig.cmake
                              INSTALL_DESTINATION ${config_dir})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/BriskletConfigVersion.cmake
                                 COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/BriskletConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/BriskletConfigVersion.cmake
        DESTINATION ${config_dir})

# The manual page and the completion are made by the tool from its own command tree.
add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/brisklet.1
                   COMMAND brisklet manual > ${CMAKE_CURRENT_BINARY_DIR}/brisklet.1
                   DEPENDS brisklet COMMENT "Writing the manual page")
add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/brisklet.bash-completion
                   COMMAND brisklet completion > ${CMAKE_CURRENT_BINARY_DIR}/brisklet.bash-completion
                   DEPENDS brisklet COMMENT "Writing the bash completion")
add_custom_target(brisklet_manual ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/brisklet.1
                                              ${CMAKE_CURRENT_BINARY_DIR}/brisklet.bash-completion)

set(CPACK_PACKAGE_NAME brisklet)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Brisklet developers <dev@brisklet.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Compiles operator-panel designs into download records")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)  # the runtime packages of the libraries the tool links
include(CPack)
