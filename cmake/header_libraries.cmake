# CLI11 (libcli11-dev) and nlohmann-json (nlohmann-json3-dev): header-only
# Debian packages under /usr/include, used by the native and the Windows
# build alike. The cross compiler must not search /usr/include (the system's
# C library lives there), so each build sees only the two libraries' own
# folders, through links in the build tree.
set(VOLTARO_HEADER_LIBRARIES ${CMAKE_BINARY_DIR}/header_libraries)

function(voltaro_header_library target folder package)
  find_path(${target}_ROOT ${folder} PATHS /usr/include /usr/local/include
            NO_CMAKE_FIND_ROOT_PATH NO_DEFAULT_PATH)
  if(NOT ${target}_ROOT)
    message(FATAL_ERROR "${folder} is missing: install ${package}")
  endif()
  file(MAKE_DIRECTORY ${VOLTARO_HEADER_LIBRARIES})
  if(NOT EXISTS ${VOLTARO_HEADER_LIBRARIES}/${folder})
    file(CREATE_LINK ${${target}_ROOT}/${folder} ${VOLTARO_HEADER_LIBRARIES}/${folder} SYMBOLIC)
  endif()
  add_library(${target} INTERFACE)
  target_include_directories(${target} SYSTEM INTERFACE ${VOLTARO_HEADER_LIBRARIES})
endfunction()

voltaro_header_library(voltaro_cli11 CLI libcli11-dev)
voltaro_header_library(voltaro_json nlohmann nlohmann-json3-dev)
