# The libraries of the Windows build, built by scripts/build-windows-libs into one
# folder each (a prefix with include/, lib/ and lib/pkgconfig/).
set(MORVALENT_WINDOWS_LIBS "" CACHE STRING
    "Folders of the libraries built for Windows (scripts/build-windows-libs prints them)")
if(NOT MORVALENT_WINDOWS_LIBS)
  message(FATAL_ERROR "Set MORVALENT_WINDOWS_LIBS to the folders scripts/build-windows-libs prints")
endif()
# Found like the target's own tree: CMake searches them, and pkg-config reads only
# their package files, never the build machine's.
list(APPEND CMAKE_FIND_ROOT_PATH ${MORVALENT_WINDOWS_LIBS})
set(pkg_dirs "")
foreach(prefix IN LISTS MORVALENT_WINDOWS_LIBS)
  list(APPEND pkg_dirs ${prefix}/lib/pkgconfig)
endforeach()
string(REPLACE ";" ":" pkg_dirs "${pkg_dirs}")
set(ENV{PKG_CONFIG_LIBDIR} "${pkg_dirs}")
set(ENV{PKG_CONFIG_PATH} "")
unset(ENV{PKG_CONFIG_SYSROOT_DIR})

# morvalent_static_package(PREFIX): a target morvalent::PREFIX from what
# pkg_check_modules(PREFIX ...) found, with the flags of static linking (a static
# library brings its own dependencies along).
function(morvalent_static_package prefix)
  add_library(morvalent::${prefix} INTERFACE IMPORTED GLOBAL)
  target_compile_options(morvalent::${prefix} INTERFACE ${${prefix}_STATIC_CFLAGS_OTHER})
  target_include_directories(morvalent::${prefix} SYSTEM INTERFACE ${${prefix}_STATIC_INCLUDE_DIRS})
  target_link_directories(morvalent::${prefix} INTERFACE ${${prefix}_STATIC_LIBRARY_DIRS})
  target_link_libraries(morvalent::${prefix} INTERFACE ${${prefix}_STATIC_LIBRARIES})
endfunction()
