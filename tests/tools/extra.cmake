# The tool tests run the built tools as child processes; the crash-dump reader is
# also tested on its own.
if(TARGET vellmark-dump)
  target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tools/vellmark-dump/oe_dumpreader.cpp)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tools/vellmark-dump)
  add_dependencies(${target} vellmark-dump)
  target_compile_definitions(${target} PRIVATE VELLMARK_TEST_DUMP_TOOL="$<TARGET_FILE:vellmark-dump>")
endif()
if(TARGET vellmark-noise)
  add_dependencies(${target} vellmark-noise)
  target_compile_definitions(${target} PRIVATE VELLMARK_TEST_NOISE_TOOL="$<TARGET_FILE:vellmark-noise>")
endif()
