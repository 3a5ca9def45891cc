# One library per floor. A floor's library puts on the include path only a
# root that holds its own folder, and hands that root on (PUBLIC) to what
# links it; so a file finds the headers of its own floor and of the floors
# its library links, and an include that runs back up finds no header.

set(ZARVIK_FLOOR_ROOTS ${CMAKE_BINARY_DIR}/floors)

# <root>/<folder> stands for the source folder: a link where the file system
# has them, else one forwarding header per header (a Windows host without the
# right to make links), made again when a header is added.
function(zarvik_floor_root folder)
  set(root ${ZARVIK_FLOOR_ROOTS}/${folder})
  set(source ${CMAKE_SOURCE_DIR}/${folder})
  if(NOT EXISTS ${root}/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${source} ${root}/${folder} RESULT linked SYMBOLIC)
    if(linked STREQUAL "0")
      return()
    endif()
  elseif(IS_SYMLINK ${root}/${folder})
    return()
  endif()
  file(GLOB headers CONFIGURE_DEPENDS RELATIVE ${source} ${source}/*.h)
  foreach(header ${headers})
    file(CONFIGURE OUTPUT ${root}/${folder}/${header}
         CONTENT "#include \"${source}/${header}\"\n")
  endforeach()
endfunction()

# zarvik_floor(<folder> [PLAIN [<sources>...]] [WINDOWS <sources>...]
#              [FLOORS <folder>...] [LIBS <system library>...])
# For Windows, makes zarvik_<folder> of the WINDOWS sources. A floor given
# PLAIN (sources or none: headers only) also has zarvik_<folder>_plain, no
# <windows.h>, built natively too and linked by zarvik_<folder>; it links the
# plain libraries of the FLOORS below that have one. core/ is all plain: it is
# zarvik_core. Floors are added from the bottom up.
function(zarvik_floor folder)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "PLAIN;WINDOWS;FLOORS;LIBS")
  zarvik_floor_root(${folder})
  set(root ${ZARVIK_FLOOR_ROOTS}/${folder})
  if(folder STREQUAL "core")
    set(plain zarvik_core)
  else()
    set(plain zarvik_${folder}_plain)
  endif()
  if(arg_PLAIN OR "PLAIN" IN_LIST arg_KEYWORDS_MISSING_VALUES)
    if(arg_PLAIN)
      add_library(${plain} STATIC ${arg_PLAIN})
      set(scope PUBLIC)
    else()
      add_library(${plain} INTERFACE)
      set(scope INTERFACE)
    endif()
    target_include_directories(${plain} ${scope} ${root})
    target_link_libraries(${plain} ${scope} zarvik_options)
    foreach(below ${arg_FLOORS})
      if(below STREQUAL "core")
        target_link_libraries(${plain} ${scope} zarvik_core)
      elseif(TARGET zarvik_${below}_plain)
        target_link_libraries(${plain} ${scope} zarvik_${below}_plain)
      endif()
    endforeach()
    set_property(GLOBAL APPEND PROPERTY ZARVIK_PLAIN_LIBRARIES ${plain})
  else()
    unset(plain)
  endif()
  if(NOT WIN32 OR folder STREQUAL "core")
    return()
  endif()
  add_library(zarvik_${folder} STATIC ${arg_WINDOWS})
  target_include_directories(zarvik_${folder} PUBLIC ${root})
  target_link_libraries(zarvik_${folder} PUBLIC zarvik_options ${plain} ${arg_LIBS})
  foreach(below ${arg_FLOORS})
    if(below STREQUAL "core")
      target_link_libraries(zarvik_${folder} PUBLIC zarvik_core)
    else()
      target_link_libraries(zarvik_${folder} PUBLIC zarvik_${below})
    endif()
  endforeach()
endfunction()
