# Shared build helpers.

# The mingw C++ runtime DLLs go beside the binaries so that every module shares one runtime.
function(ostrel_copy_runtime)
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    set(gcc_dll libgcc_s_dw2-1.dll)
  else()
    set(gcc_dll libgcc_s_seh-1.dll)
  endif()
  foreach(dll libstdc++-6.dll ${gcc_dll} libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT EXISTS "${path}")
      message(FATAL_ERROR "runtime DLL ${dll} not found by ${CMAKE_CXX_COMPILER}")
    endif()
    file(COPY ${path} DESTINATION ${OSTREL_BIN})
    install(FILES ${path} DESTINATION bin)
  endforeach()
endfunction()

# ctest runs every test executable through this script under Wine, with a prefix in the build folder.
function(ostrel_setup_wine_runner)
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    set(OSTREL_WINE_ARCH win32)
  else()
    set(OSTREL_WINE_ARCH win64)
  endif()
  set(OSTREL_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  configure_file(${PROJECT_SOURCE_DIR}/scripts/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh
                 @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh PARENT_SCOPE)
endfunction()

# Sets var to TRUE when Wine can run this build's programs here (always for x86_64; for i686 only
# where wine32 is installed), so the build can run tools it makes.
function(ostrel_can_run_programs var)
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686" AND NOT EXISTS /usr/lib/i386-linux-gnu/wine)
    set(${var} FALSE PARENT_SCOPE)
  else()
    set(${var} TRUE PARENT_SCOPE)
  endif()
endfunction()

# A DLL named exactly NAME.dll (no "lib" prefix).
function(ostrel_dll target)
  set_target_properties(${target} PROPERTIES PREFIX "" IMPORT_PREFIX "lib")
endfunction()

# One ctest entry per test executable: ostrel_add_test(NAME SOURCES ... LIBS ... [TIMEOUT s])
# A listed source that does not exist stops the configuration: a test is never left out silently.
function(ostrel_add_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  foreach(src ${T_SOURCES})
    get_filename_component(path ${src} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    if(NOT EXISTS ${path})
      message(FATAL_ERROR "${name}: source ${src} is missing")
    endif()
  endforeach()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ostrel_test_support ${T_LIBS})
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1 WORKING_DIRECTORY ${OSTREL_BIN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
endfunction()

# Adds every direct subfolder of the current source folder that has a CMakeLists.txt.
function(ostrel_add_subfolders)
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child ${children})
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
