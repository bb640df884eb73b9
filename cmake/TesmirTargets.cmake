# Helpers shared by the subsystem and test folders.

# Our own code builds warning-free; warnings are errors so they stay at zero.
function(tesmir_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# Tests that run wine programs share the wine session of the build tree.
function(tesmir_needs_wine_session)
  if(TESMIR_WIN32)
    set_tests_properties(${ARGN} PROPERTIES FIXTURES_REQUIRED wine_session)
  endif()
endfunction()

# tesmir_add_test(NAME <name> SOURCES <files...> [LIBS <libs...>]
#                 [WINE_OVERRIDES <overrides>] [ENV <VAR=value...>] [DEPENDS <targets...>])
# One GoogleTest program, run by ctest; in the win32 tree it runs under wine.
# WINE_OVERRIDES adds DLL overrides for that program only (e.g. "dinput8=n,b").
function(tesmir_add_test)
  cmake_parse_arguments(T "" "NAME;WINE_OVERRIDES" "SOURCES;LIBS;ENV;DEPENDS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  tesmir_warnings(${T_NAME})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest_main)
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  if(T_DEPENDS)
    add_dependencies(${T_NAME} ${T_DEPENDS})
  endif()
  add_test(NAME ${T_NAME} COMMAND ${T_NAME} WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  set(env ${T_ENV})
  if(T_WINE_OVERRIDES)
    list(APPEND env "TESMIR_WINE_OVERRIDES=${T_WINE_OVERRIDES}")
  endif()
  if(env)
    set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "${env}")
  endif()
  tesmir_needs_wine_session(${T_NAME})
endfunction()
