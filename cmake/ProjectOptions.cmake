# Common compile settings for every target of the project, applied through
# the interface target gm_options.
add_library(gm_options INTERFACE)
# Includes are written from the project root: "common/device/DeviceLink.h".
target_include_directories(gm_options INTERFACE ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR})
target_compile_options(gm_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow
  -Wnon-virtual-dtor -Wcast-align -Woverloaded-virtual -Wno-missing-field-initializers)
if(GM_WERROR)
  target_compile_options(gm_options INTERFACE -Werror)
endif()
if(GM_SANITIZE)
  target_compile_options(gm_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
    -fno-sanitize-recover=undefined)
  target_link_options(gm_options INTERFACE -fsanitize=address,undefined)
endif()

# Adds every sub-folder of the current folder that has a CMakeLists.txt, so a
# new subsystem only needs its own folder.
function(gm_add_subfolders)
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child ${children})
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${child} AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()

# gm_add_test(name SOURCES ... LIBS ...): one GoogleTest executable, its cases
# registered with CTest.
find_package(GTest)
include(GoogleTest)
function(gm_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE gm_options ${T_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
