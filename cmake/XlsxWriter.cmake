# libxlsxwriter as the target XlsxWriter::XlsxWriter, for the Excel export.
# Natively: Debian's libxlsxwriter-dev through pkg-config. Cross-built for
# Windows with mingw-w64 (the toolchain file sets WIN32): Debian's source of
# the same library, fetched by scripts/debian-source.sh and built static with
# the same toolchain, over the zlib of Debian's libz-mingw-w64-dev.
if(TARGET XlsxWriter::XlsxWriter)
  return()
endif()

if(NOT WIN32)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(XLSXWRITER REQUIRED IMPORTED_TARGET GLOBAL xlsxwriter)
  add_library(XlsxWriter::XlsxWriter ALIAS PkgConfig::XLSXWRITER)
  return()
endif()

# Static, as everything in Tavrin.exe: no zlib1.dll beside it.
set(ZLIB_USE_STATIC_LIBS ON)
find_package(ZLIB REQUIRED)
include(ExternalProject)
set(xlsxwriter_prefix ${CMAKE_BINARY_DIR}/xlsxwriter)
ExternalProject_Add(xlsxwriter_build
  PREFIX ${xlsxwriter_prefix}
  SOURCE_DIR ${xlsxwriter_prefix}/source
  DOWNLOAD_COMMAND ${CMAKE_CURRENT_LIST_DIR}/../scripts/debian-source.sh libxlsxwriter ${xlsxwriter_prefix}/source
  UPDATE_COMMAND ""
  CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
             -DCMAKE_BUILD_TYPE=Release
             -DCMAKE_INSTALL_PREFIX=<INSTALL_DIR>
             -DBUILD_SHARED_LIBS=OFF
             # Numbers in the workbook whatever the user's locale.
             -DUSE_DTOA_LIBRARY=ON
             -DZLIB_INCLUDE_DIR=${ZLIB_INCLUDE_DIRS}
             -DZLIB_LIBRARY=${ZLIB_LIBRARIES}
  BUILD_BYPRODUCTS ${xlsxwriter_prefix}/lib/libxlsxwriter.a)
file(MAKE_DIRECTORY ${xlsxwriter_prefix}/include)
add_library(XlsxWriter::XlsxWriter STATIC IMPORTED GLOBAL)
set_target_properties(XlsxWriter::XlsxWriter PROPERTIES
  IMPORTED_LOCATION ${xlsxwriter_prefix}/lib/libxlsxwriter.a
  INTERFACE_INCLUDE_DIRECTORIES ${xlsxwriter_prefix}/include
  INTERFACE_LINK_LIBRARIES ZLIB::ZLIB)
add_dependencies(XlsxWriter::XlsxWriter xlsxwriter_build)
