# Warning and sanitizer flags shared by every target of the project.

add_library(qp_compile_options INTERFACE)
target_compile_options(qp_compile_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion -Wnon-virtual-dtor
  -Wold-style-cast -Woverloaded-virtual)
if(QP_WERROR)
  target_compile_options(qp_compile_options INTERFACE -Werror)
endif()

if(QP_SANITIZE AND QP_TSAN)
  message(FATAL_ERROR "QP_SANITIZE and QP_TSAN cannot be combined")
endif()
if(QP_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # Under the sanitizers GCC 12 reports maybe-uninitialized inside libstdc++'s <regex>; the
    # normal build keeps the warning.
    target_compile_options(qp_compile_options INTERFACE -Wno-maybe-uninitialized)
  endif()
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
if(QP_TSAN)
  # The loader picks a DSP clone before the ThreadSanitizer runtime is up; its instrumented
  # picker would crash, so this build has the single ordinary version.
  add_compile_definitions(QP_DSP_NO_CLONES)
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()

if(QP_FUZZ)
  # Coverage feedback for libFuzzer in every library the fuzz targets link.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# qp_module(name SOURCES ... LIBS ...): one static library per module folder.
function(qp_module name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS} PRIVATE qp_compile_options)
endfunction()
