# Finds GoogleTest for the unit tests and sets VESZTES_GTEST to TRUE when
# GTest::gtest_main can be linked. An installed GoogleTest wins; without one
# the pinned release below is fetched and built with the tests. Where that
# cannot be downloaded either, configuring still succeeds: the unit tests are
# left out with a one-line hint, and the end-to-end tests still run.
# FETCHCONTENT_SOURCE_DIR_GOOGLETEST=<folder> builds GoogleTest from a local
# source tree instead (no download).
set(VESZTES_GTEST_URL
  "https://github.com/google/googletest/archive/refs/tags/release-1.12.1.tar.gz"
  CACHE STRING "GoogleTest release fetched when none is installed")
set(VESZTES_GTEST_SHA256 81964fe578e9bd7c94dfdb09c8e4d6e6759e19967e397dbea48d1c10e45d0df2)

set(VESZTES_GTEST FALSE)
find_package(GTest QUIET)
if(GTest_FOUND)
  set(VESZTES_GTEST TRUE)
elseif(CMAKE_VERSION VERSION_LESS 3.24)
  message(STATUS "GoogleTest not found: unit tests skipped (install it: apt-get install libgtest-dev)")
else()
  # FetchContent stops the configuration when its download fails, so the
  # archive is downloaded here first, where a failure can be survived.
  set(archivum ${CMAKE_BINARY_DIR}/_deps/googletest-${VESZTES_GTEST_SHA256}.tar.gz)
  if(NOT FETCHCONTENT_SOURCE_DIR_GOOGLETEST AND NOT EXISTS ${archivum})
    # The hash is checked apart: a mismatch inside file(DOWNLOAD) is an error.
    file(DOWNLOAD ${VESZTES_GTEST_URL} ${archivum}.resz
      TIMEOUT 120 INACTIVITY_TIMEOUT 30 STATUS letoltes)
    list(GET letoltes 0 letoltes_hiba)
    set(kapott "")
    if(letoltes_hiba EQUAL 0)
      file(SHA256 ${archivum}.resz kapott)
    endif()
    if(kapott STREQUAL VESZTES_GTEST_SHA256)
      file(RENAME ${archivum}.resz ${archivum})
    else()
      file(REMOVE ${archivum}.resz)
    endif()
  endif()
  if(FETCHCONTENT_SOURCE_DIR_GOOGLETEST OR EXISTS ${archivum})
    include(FetchContent)
    FetchContent_Declare(googletest
      URL ${archivum}
      URL_HASH SHA256=${VESZTES_GTEST_SHA256}
      DOWNLOAD_EXTRACT_TIMESTAMP ON
      FIND_PACKAGE_ARGS NAMES GTest)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    FetchContent_MakeAvailable(googletest)
    if(TARGET GTest::gtest_main)
      set(VESZTES_GTEST TRUE)
    endif()
  else()
    message(STATUS "GoogleTest not found and not downloadable: unit tests skipped (install it: apt-get install libgtest-dev)")
  endif()
endif()
