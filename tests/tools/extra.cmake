# The crash-dump reader is tested on its own and through the tool on a dump of a
# real crash.
if(TARGET vellmark-dump)
  target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tools/vellmark-dump/oe_dumpreader.cpp)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tools/vellmark-dump)
  add_dependencies(${target} vellmark-dump)
  target_compile_definitions(${target} PRIVATE VELLMARK_TEST_DUMP_TOOL="$<TARGET_FILE:vellmark-dump>")
endif()
