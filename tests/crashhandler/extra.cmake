# Dialogs modules loaded at run time by the crash-handler and error
# administration tests: a recording stand-in, the same without some entry
# points, and the platform's own dialogs module from tools/dialogs.
add_library(vellmark_test_dialogs MODULE ${CMAKE_CURRENT_LIST_DIR}/dialogs_stub.cc)
add_library(vellmark_test_dialogs_partial MODULE ${CMAKE_CURRENT_LIST_DIR}/dialogs_stub.cc)
target_compile_definitions(vellmark_test_dialogs_partial PRIVATE OE_DIALOGS_PARTIAL)
add_library(vellmark_test_vi3rororas MODULE ${PROJECT_SOURCE_DIR}/tools/dialogs/src/vi3Rororas.cc)
target_link_libraries(vellmark_test_vi3rororas PRIVATE vellmark)

function(vellmark_wire_test_dialogs test_target)
  if(TARGET ${test_target})
    target_compile_definitions(${test_target} PRIVATE
      OE_TEST_DIALOGS="$<TARGET_FILE:vellmark_test_dialogs>"
      OE_TEST_DIALOGS_PARTIAL="$<TARGET_FILE:vellmark_test_dialogs_partial>"
      OE_TEST_DIALOGS_PLATFORM="$<TARGET_FILE:vellmark_test_vi3rororas>")
    add_dependencies(${test_target} vellmark_test_dialogs vellmark_test_dialogs_partial vellmark_test_vi3rororas)
  endif()
endfunction()

vellmark_wire_test_dialogs(${target})
# The error administration's tests live with the kernel's, made after this folder.
cmake_language(DEFER DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} CALL vellmark_wire_test_dialogs vellmark_kernel_tests)
