# Test frameworks and the helper that declares one test program.
#
# The native build uses Debian's installed GoogleTest; the Windows build
# compiles Debian's GoogleTest sources with the cross compiler, since no
# Windows binaries of it are packaged.
enable_testing()

if(WIN32)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
  find_package(GTest REQUIRED)
endif()

# mirel_add_test(<name> SOURCES <files...> [LIBS <targets...>] [LABELS <labels...>]
#                [ARGS <args...>] [RESOURCE_LOCK <names...>])
# One test program and one CTest entry. Under the Windows build CTest runs it
# through CMAKE_CROSSCOMPILING_EMULATOR, that is under Wine.
function(mirel_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS;ARGS;RESOURCE_LOCK" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main mirel_warnings)
  add_test(NAME ${name} COMMAND ${name} ${T_ARGS}
           WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  set(labels ${T_LABELS})
  if(WIN32)
    list(APPEND labels wine)
  else()
    list(APPEND labels native)
  endif()
  set_tests_properties(${name} PROPERTIES LABELS "${labels}" TIMEOUT 300)
  if(T_RESOURCE_LOCK)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK "${T_RESOURCE_LOCK}")
  endif()
endfunction()

# Adds each listed subdirectory of the current source folder that has a
# CMakeLists.txt, so areas can arrive one at a time without editing the
# lists that include them.
function(mirel_add_present_subdirs)
  foreach(dir IN LISTS ARGN)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()
