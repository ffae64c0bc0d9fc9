# Flags shared by every target of the project.
add_library(vellmark_warnings INTERFACE)
target_compile_options(vellmark_warnings INTERFACE -Wall -Wextra)

# Results of float code are specified bit for bit: one rounding per operation.
add_compile_options(-ffp-contract=off -fno-fast-math)

if(VELLMARK_SANITIZE)
  add_compile_options(-fsanitize=${VELLMARK_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${VELLMARK_SANITIZE})
  if(NOT VELLMARK_ALLOCATOR STREQUAL "system")
    message(STATUS "Sanitizer build: using the system allocator")
    set(VELLMARK_ALLOCATOR "system" CACHE STRING "" FORCE)
  endif()
endif()

if(VELLMARK_ALLOCATOR STREQUAL "mimalloc")
  find_package(mimalloc CONFIG REQUIRED)
endif()
