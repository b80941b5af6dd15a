# One interface target carries the language level, warnings and strict defines for every target.
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_library(ftq_common INTERFACE)
target_compile_features(ftq_common INTERFACE cxx_std_20)
target_compile_options(ftq_common INTERFACE -Wall -Wextra -pedantic -Wno-gnu-zero-variadic-macro-arguments)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(ftq_common INTERFACE -Wno-unknown-pragmas)
endif()
target_compile_definitions(ftq_common INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_BYTEARRAY
  QT_USE_QSTRINGBUILDER QT_NO_KEYWORDS QT_NO_URL_CAST_FROM_STRING)
target_include_directories(ftq_common INTERFACE ${PROJECT_SOURCE_DIR})

if(FTQ_SANITIZE)
  target_compile_options(ftq_common INTERFACE -fsanitize=${FTQ_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  target_link_options(ftq_common INTERFACE -fsanitize=${FTQ_SANITIZE})
endif()

if(FTQ_BUILD_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "The fuzz targets need clang (use the fuzz preset)")
  endif()
  # The libraries are instrumented for coverage; only the fuzz programs link libFuzzer's main.
  target_compile_options(ftq_common INTERFACE -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  target_link_options(ftq_common INTERFACE -fsanitize=address,undefined)
endif()

# ftq_add_core_library(NAME SOURCES... LINKS...): a GUI-free layer; it may use Qt6::Core at most.
function(ftq_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_link_libraries(${name} PUBLIC ftq_common ${ARG_LINKS})
endfunction()
