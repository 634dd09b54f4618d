# Shared build helpers.

set(VN_WARNINGS -Wall -Wextra)
# gcc 12 at -O3 reports -Wrestrict inside libstdc++'s own string concatenation
# (a known false positive of that release); it says nothing about our code.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  list(APPEND VN_WARNINGS -Wno-restrict)
endif()
if(VN_WERROR)
  list(APPEND VN_WARNINGS -Werror)
endif()

# vn_library(NAME SOURCES ... [DEPS ...] [PUBLIC_LIBS ...])
# Builds two variants of a library: NAME with assertions compiled out (the
# release programs) and NAME_checked with VN_ASSERT active (vnprobe, tools
# and every test). DEPS are other vn_library names; each variant links the
# matching variant of them. PUBLIC_LIBS are ordinary link libraries.
function(vn_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;PUBLIC_LIBS" ${ARGN})
  foreach(variant "" "_checked")
    set(target ${name}${variant})
    add_library(${target} STATIC ${ARG_SOURCES})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    target_compile_options(${target} PRIVATE ${VN_WARNINGS})
    if(variant STREQUAL "_checked")
      target_compile_definitions(${target} PUBLIC VN_ASSERTIONS=1)
    endif()
    foreach(dep ${ARG_DEPS})
      target_link_libraries(${target} PUBLIC ${dep}${variant})
    endforeach()
    if(ARG_PUBLIC_LIBS)
      target_link_libraries(${target} PUBLIC ${ARG_PUBLIC_LIBS})
    endif()
  endforeach()
endfunction()

# vn_test(NAME SOURCES ... LIBS ...): a GoogleTest executable registered with CTest.
function(vn_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_compile_options(${name} PRIVATE ${VN_WARNINGS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_compile_definitions(${name} PRIVATE VN_ASSERTIONS=1)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  include(GoogleTest)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "${ARG_ENV}")
endfunction()
