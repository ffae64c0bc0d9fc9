# The platform layer stands in for the operating system and knows nothing of the
# library above it: no file below vellmark/platform/ includes another part of
# vellmark/. Run as: cmake -DROOT=<source dir> -P CheckLayering.cmake
file(GLOB_RECURSE files ${ROOT}/vellmark/platform/*.h ${ROOT}/vellmark/platform/*.cpp)
set(violations "")
foreach(file IN LISTS files)
  file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS includes)
    if((line MATCHES "vellmark/" AND NOT line MATCHES "vellmark/platform/") OR line MATCHES "\\.\\./")
      string(APPEND violations "\n  ${file}: ${line}")
    endif()
  endforeach()
endforeach()
if(violations)
  message(FATAL_ERROR "vellmark/platform/ must include nothing outside it:${violations}")
endif()
