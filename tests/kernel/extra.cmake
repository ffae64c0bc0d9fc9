# Version tests: client modules loaded at run time (with a succeeding, a failing
# and no "DllGetVersion"), and a program that records the build banner.
set(version_module_source ${CMAKE_CURRENT_SOURCE_DIR}/kernel/modules/version_module.cpp)
add_library(vellmark_test_version_export MODULE ${version_module_source})
target_compile_definitions(vellmark_test_version_export PRIVATE VELLMARK_TEST_EXPORT_DLLGETVERSION)
add_library(vellmark_test_version_failing MODULE ${version_module_source})
target_compile_definitions(vellmark_test_version_failing PRIVATE VELLMARK_TEST_EXPORT_DLLGETVERSION
                                                                 VELLMARK_TEST_DLLGETVERSION_FAILS)
add_library(vellmark_test_version_plain MODULE ${version_module_source})
foreach(module vellmark_test_version_export vellmark_test_version_failing vellmark_test_version_plain)
  set_target_properties(${module} PROPERTIES CXX_VISIBILITY_PRESET hidden)
  target_link_libraries(${module} PRIVATE vellmark_warnings)
endforeach()

add_executable(vellmark_banner_probe ${CMAKE_CURRENT_SOURCE_DIR}/kernel/modules/banner_probe.cpp)
target_link_libraries(vellmark_banner_probe PRIVATE vellmark vellmark_warnings)
set_target_properties(vellmark_banner_probe PROPERTIES ENABLE_EXPORTS ON)

add_dependencies(${target} vellmark_test_version_export vellmark_test_version_failing vellmark_test_version_plain
                 vellmark_banner_probe)
target_compile_definitions(${target} PRIVATE
  VELLMARK_TEST_OBJCOPY="${CMAKE_OBJCOPY}"
  VELLMARK_TEST_MODULE_EXPORT="$<TARGET_FILE:vellmark_test_version_export>"
  VELLMARK_TEST_MODULE_FAILING="$<TARGET_FILE:vellmark_test_version_failing>"
  VELLMARK_TEST_MODULE_PLAIN="$<TARGET_FILE:vellmark_test_version_plain>"
  VELLMARK_TEST_BANNER_PROBE="$<TARGET_FILE:vellmark_banner_probe>")
