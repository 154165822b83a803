# Helpers shared by every CMakeLists of the project.

# Adds every immediate sub-folder of the current folder that has a CMakeLists.txt,
# in name order, so a new subsystem needs no edit of the parent.
function(voltaro_add_subfolders)
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
       ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child IN LISTS children)
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${child}
       AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()

# voltaro_library(NAME SOURCES a.cpp b.cpp LIBS x y)
# A static library whose headers are included as "folder/file.h" from src/.
function(voltaro_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# Loadable modules: parts of the program that pull in large libraries (the
# sound output, the update check's HTTP client) are loaded when first used.
# They are built beside the program and installed to a folder of their own
# under the library folder; VOLTARO_MODULE_FOLDER is that folder relative to
# the program's, where the program looks after its own folder.
include(GNUInstallDirs)
set(VOLTARO_MODULE_BUILD_DIR ${PROJECT_BINARY_DIR}/src/app)
set(VOLTARO_MODULE_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/voltaro)
file(RELATIVE_PATH VOLTARO_MODULE_FOLDER ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${VOLTARO_MODULE_INSTALL_DIR})

# voltaro_module(NAME FILE file.so SOURCES a.cpp b.cpp LIBS x y)
# A module compiled from the sources themselves (the static libraries are not
# position-independent), exporting only what its entry marks as visible.
# Every symbol must be resolved at link time.
function(voltaro_module name)
  cmake_parse_arguments(ARG "" "FILE" "SOURCES;LIBS" ${ARGN})
  add_library(${name} MODULE ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_link_options(${name} PRIVATE -Wl,--no-undefined)
  get_filename_component(stem ${ARG_FILE} NAME_WE)
  set_target_properties(${name} PROPERTIES PREFIX "" OUTPUT_NAME ${stem} SUFFIX ".so"
                        CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
                        LIBRARY_OUTPUT_DIRECTORY ${VOLTARO_MODULE_BUILD_DIR})
  install(TARGETS ${name} LIBRARY DESTINATION ${VOLTARO_MODULE_INSTALL_DIR})
endfunction()
