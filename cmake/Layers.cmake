# morvalent_layer(NAME DEPS ...): a static library from src/NAME/*.cpp (plus the
# platform-specific subfolder and the ICU-based one, which every system compiles,
# for the platform layer).
function(morvalent_layer name)
  cmake_parse_arguments(L "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${name}/*.cpp)
  if(name STREQUAL "platform")
    if(WIN32)
      file(GLOB native CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/platform/win32/*.cpp)
    else()
      file(GLOB native CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/platform/posix/*.cpp)
    endif()
    file(GLOB shared CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/platform/icu/*.cpp
         ${PROJECT_SOURCE_DIR}/src/platform/exiv2/*.cpp)
    list(APPEND sources ${native} ${shared})
  endif()
  if(sources)
    add_library(morvalent_${name} STATIC ${sources})
    target_include_directories(morvalent_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(morvalent_${name} PUBLIC ${L_DEPS})
  else()
    # A layer with headers only so far.
    add_library(morvalent_${name} INTERFACE)
    target_include_directories(morvalent_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(morvalent_${name} INTERFACE ${L_DEPS})
  endif()
endfunction()
