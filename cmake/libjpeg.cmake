# Imported target jpeg::jpeg: the static libjpeg that scripts/build-libjpeg.sh cross-builds
# into a cache folder (its path comes from scripts/build.sh).
set(TW_LIBJPEG_DIR "" CACHE PATH "folder holding include/ and lib/ of the mingw libjpeg")
if(NOT EXISTS "${TW_LIBJPEG_DIR}/lib/libjpeg.a")
  message(FATAL_ERROR "libjpeg not found in '${TW_LIBJPEG_DIR}': run scripts/setup.sh")
endif()
if(NOT TARGET jpeg::jpeg)
  add_library(jpeg::jpeg STATIC IMPORTED GLOBAL)
  set_target_properties(jpeg::jpeg PROPERTIES
    IMPORTED_LOCATION "${TW_LIBJPEG_DIR}/lib/libjpeg.a"
    INTERFACE_INCLUDE_DIRECTORIES "${TW_LIBJPEG_DIR}/include")
endif()
