# cmake --install lays out what a host needs:
#   bin/      Ostrel.dll, the framework and the maker's libraries, the C++ runtime, the host
#             components (button bitmaps, Plugin/TKP1.TKP, ...) and the data folder Tarvik.dat/
#   include/  Ostrel.h with include/Ostrel/, the framework's headers, the maker's headers
#   lib/      import libraries, afxmain, and the CMake package lib/cmake/Ostrel/
# A host project then needs only: find_package(Ostrel) and target_link_libraries(... Ostrel::Ostrel
# Ostrel::afxmain).
include(CMakePackageConfigHelpers)

set(ostrel_package_targets afx afxmain vendor_headers Ostrel t32Base t32File t32Comm t32Cvt t32Cfg qsComm ROVuvu
                           Drevnic)
install(TARGETS ${ostrel_package_targets} EXPORT OstrelTargets
        RUNTIME DESTINATION bin
        LIBRARY DESTINATION lib
        ARCHIVE DESTINATION lib)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/ostrel/include/ ${PROJECT_SOURCE_DIR}/platform/afx/include/
                  ${PROJECT_SOURCE_DIR}/platform/vendor/include/
        DESTINATION include FILES_MATCHING PATTERN "*.h")
# The data files the build generates (preset and sample files).
install(DIRECTORY ${OSTREL_BIN}/Tarvik.dat DESTINATION bin)

install(EXPORT OstrelTargets NAMESPACE Ostrel:: DESTINATION lib/cmake/Ostrel)
file(WRITE ${CMAKE_BINARY_DIR}/OstrelConfig.cmake [=[
# The Ostrel control library: imported targets Ostrel::Ostrel (the library, with the framework and
# the maker's headers), Ostrel::afx (the framework), Ostrel::afxmain (WinMain for GUI hosts) and the
# maker's libraries (Ostrel::t32Base, Ostrel::qsComm, ...). OSTREL_BIN_DIR is the folder of the DLLs a
# host ships beside its executable.
include(${CMAKE_CURRENT_LIST_DIR}/OstrelTargets.cmake)
get_filename_component(OSTREL_BIN_DIR "${CMAKE_CURRENT_LIST_DIR}/../../../bin" ABSOLUTE)
]=])
write_basic_package_version_file(${CMAKE_BINARY_DIR}/OstrelConfigVersion.cmake VERSION 4.0 COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/OstrelConfig.cmake ${CMAKE_BINARY_DIR}/OstrelConfigVersion.cmake
        DESTINATION lib/cmake/Ostrel)
