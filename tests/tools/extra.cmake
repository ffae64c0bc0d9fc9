# The tool tests run the built tools as child processes.
if(TARGET vellmark-noise)
  add_dependencies(${target} vellmark-noise)
  target_compile_definitions(${target} PRIVATE VELLMARK_TEST_NOISE_TOOL="$<TARGET_FILE:vellmark-noise>")
endif()
