# How the project's own targets are made: one warning set for all of them, and one
# static library per core folder with the folders it stands on declared, so that
# cmake/check_floors.cmake can refuse an include that runs back up a floor.

add_library(keyrill_warnings INTERFACE)
target_compile_options(keyrill_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
  $<$<BOOL:${KEYRILL_WERROR}>:-Werror>)

# keyrill_floor(<target> SOURCES ... [DEPENDS <targets>...])
# A static library of the folder it is called from; DEPENDS names the floors below
# that it may include.
function(keyrill_floor name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS} PRIVATE keyrill_warnings)
  keyrill_register_floor(${name})
endfunction()

# Records the folder a target is built from, for the include check.
function(keyrill_register_floor name)
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set_property(TARGET ${name} PROPERTY KEYRILL_FOLDER ${folder})
  set_property(GLOBAL APPEND PROPERTY KEYRILL_FLOOR_TARGETS ${name})
endfunction()

# The folders a target may include: its own and those of every keyrill target it
# links, directly or through another.
function(keyrill_allowed_folders name out)
  set(seen "")
  set(todo ${name})
  while(todo)
    list(POP_FRONT todo t)
    if(NOT TARGET ${t} OR t IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${t})
    foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
      get_target_property(links ${t} ${property})
      if(links)
        list(APPEND todo ${links})
      endif()
    endforeach()
  endwhile()
  set(folders "")
  foreach(t IN LISTS seen)
    get_target_property(folder ${t} KEYRILL_FOLDER)
    if(folder)
      list(APPEND folders ${folder})
    endif()
  endforeach()
  set(${out} ${folders} PARENT_SCOPE)
endfunction()

# Writes the floor map of every registered target, checks the tree against it now
# (a configure error), and adds the same check as a test so that an include added
# after configuring fails the test command too.
function(keyrill_check_floors)
  get_property(targets GLOBAL PROPERTY KEYRILL_FLOOR_TARGETS)
  set(map "set(KEYRILL_SRC \"${PROJECT_SOURCE_DIR}/src\")\n")
  set(all "")
  foreach(t IN LISTS targets)
    get_target_property(folder ${t} KEYRILL_FOLDER)
    keyrill_allowed_folders(${t} allowed)
    string(APPEND map "set(KEYRILL_ALLOWED_${folder} \"${allowed}\")\n")
    list(APPEND all ${folder})
  endforeach()
  string(APPEND map "set(KEYRILL_FOLDERS \"${all}\")\n")
  set(file ${PROJECT_BINARY_DIR}/floors.cmake)
  file(WRITE ${file} "${map}")
  execute_process(COMMAND ${CMAKE_COMMAND} -DMAP=${file}
                          -P ${PROJECT_SOURCE_DIR}/cmake/check_floors.cmake
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "An include runs back up a floor (see above).")
  endif()
  if(KEYRILL_TESTS)
    add_test(NAME includes_point_down_a_floor
             COMMAND ${CMAKE_COMMAND} -DMAP=${file}
                     -P ${PROJECT_SOURCE_DIR}/cmake/check_floors.cmake)
  endif()
endfunction()
