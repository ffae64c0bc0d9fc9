include(CMakePackageConfigHelpers)

install(TARGETS vellmark EXPORT VellmarkTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY vellmark/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vellmark
  FILES_MATCHING PATTERN "*.h")
install(EXPORT VellmarkTargets NAMESPACE Vellmark::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Vellmark)

configure_package_config_file(cmake/VellmarkConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/VellmarkConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Vellmark)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/VellmarkConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/VellmarkConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/VellmarkConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Vellmark)

configure_file(cmake/vellmark.pc.in ${CMAKE_CURRENT_BINARY_DIR}/vellmark.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/vellmark.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
