# The Windows build, made when Debian's mingw-w64 is installed: the whole
# program cross-compiled (this source tree configured with jw/mingw-w64.cmake)
# into build/windows/exe (Tavrin.exe and the four placing programs), and
# build/windows/Tavrin-windows.zip laid out as a drive root.
find_program(TAVRIN_MINGW_CXX x86_64-w64-mingw32-g++)
set(TAVRIN_WINDOWS_DIR ${CMAKE_BINARY_DIR}/windows)
set(TAVRIN_WINDOWS_PROGRAMS "")
if(NOT TAVRIN_MINGW_CXX)
  message(STATUS "x86_64-w64-mingw32-g++ not found: Tavrin.exe and the other Windows programs are not built")
  return()
endif()
set(TAVRIN_WINDOWS_PROGRAMS ${TAVRIN_WINDOWS_DIR}/exe)
set(TAVRIN_WINDOWS_JOBS 2 CACHE STRING "Compile jobs of the Windows build")

include(ExternalProject)
ExternalProject_Add(windows
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${TAVRIN_WINDOWS_DIR}/build
  INSTALL_DIR ${TAVRIN_WINDOWS_PROGRAMS}
  CMAKE_GENERATOR Ninja
  CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/jw/mingw-w64.cmake
             -DCMAKE_BUILD_TYPE=Release
             -DCMAKE_INSTALL_PREFIX=<INSTALL_DIR>
             -DTAVRIN_GUI=OFF
             -DTAVRIN_TESTS=OFF
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --parallel ${TAVRIN_WINDOWS_JOBS}
  BUILD_ALWAYS TRUE)

# The zip: the shipped data as the first start installs it, the five
# programs in \Tavrin\exe\, and the install note.
set(TAVRIN_WINDOWS_ZIP ${TAVRIN_WINDOWS_DIR}/Tavrin-windows.zip)
add_custom_target(windows_zip ALL
  COMMAND ${CMAKE_COMMAND} -DINSTALLER=$<TARGET_FILE:tavrin_install> -DPROGRAMS=${TAVRIN_WINDOWS_PROGRAMS}
          -DNOTE=${PROJECT_SOURCE_DIR}/resources/windows/INSTALL-ja.txt -DSTAGE=${TAVRIN_WINDOWS_DIR}/package
          -DZIP=${TAVRIN_WINDOWS_ZIP} -P ${PROJECT_SOURCE_DIR}/cmake/WindowsZip.cmake
  BYPRODUCTS ${TAVRIN_WINDOWS_ZIP}
  COMMENT "Making Tavrin-windows.zip")
add_dependencies(windows_zip windows tavrin_install)

# cmake --install puts the placing programs into the shipped data, so that
# the first start of the panel copies them to \Tavrin\exe\.
install(FILES ${TAVRIN_WINDOWS_PROGRAMS}/FigPlace.exe ${TAVRIN_WINDOWS_PROGRAMS}/DuctRun.exe
              ${TAVRIN_WINDOWS_PROGRAMS}/PipeRun.exe ${TAVRIN_WINDOWS_PROGRAMS}/TakeoffRead.exe
        DESTINATION ${TAVRIN_DATA_DIR}/Tavrin/exe)
