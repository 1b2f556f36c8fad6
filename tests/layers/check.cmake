# The layers of the program, checked as a test:
#
# 1. An include against the direction of the layers does not compile: each
#    probe_<layer>_<above>.cpp includes a header of a layer (or a Qt module)
#    above the layer it is built as, and must fail to build, for that reason.
# 2. A window never includes another window's header, and no window looks a
#    control up by name (windows reach one another through windows/links.h).
# 3. The core includes no Qt module but Qt Core.
# 4. The reading of pictures includes no widget and no database.
#
#   cmake -DBUILD_DIR=<build folder> -DSOURCE_DIR=<source folder> -P check.cmake

set(failures "")

# 1. Probes: target name, then the text the compiler must give as the reason.
set(probes
  "zt_probe_core_store|store/storefile.h"
  "zt_probe_core_widgets|QWidget"
  "zt_probe_core_gui|QColor"
  "zt_probe_core_reading|reading/stripreader.h"
  "zt_probe_reading_store|store/storefile.h"
  "zt_probe_reading_widgets|QWidget"
  "zt_probe_store_ui|ui/look.h"
  "zt_probe_ui_windows|windows/links.h"
  "zt_probe_windows_app|app/wiring.h")
foreach(probe IN LISTS probes)
  string(REPLACE "|" ";" parts "${probe}")
  list(GET parts 0 target)
  list(GET parts 1 header)
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${target}
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  string(FIND "${out}${err}" "${header}: No such file or directory" found)
  if(result EQUAL 0 OR found EQUAL -1)
    string(APPEND failures "  ${target} did not fail on ${header}\n")
  endif()
endforeach()

# 2. Windows keep to themselves.
file(GLOB window_folders LIST_DIRECTORIES true ${SOURCE_DIR}/src/windows/*)
foreach(folder IN LISTS window_folders)
  get_filename_component(own ${folder} NAME)
  if(own STREQUAL "include" OR NOT IS_DIRECTORY ${folder})
    continue()
  endif()
  file(GLOB_RECURSE sources ${folder}/*.cpp ${folder}/*.h)
  foreach(source IN LISTS sources)
    file(STRINGS ${source} includes REGEX "#include \"windows/[a-z]+window\\.h\"")
    foreach(line IN LISTS includes)
      if(NOT line MATCHES "windows/${own}window\\.h")
        string(APPEND failures "  ${source}: ${line}\n")
      endif()
    endforeach()
    file(STRINGS ${source} lookups REGEX "findChild|findChildren")
    foreach(line IN LISTS lookups)
      string(APPEND failures "  ${source}: looks a control up by name: ${line}\n")
    endforeach()
  endforeach()
endforeach()

# 3. The core is Qt Core only; 4. the reading of pictures is Qt Gui (and
#    Tesseract) only: no widget, no database.
function(forbid_modules folder modules)
  file(GLOB_RECURSE sources ${SOURCE_DIR}/src/${folder}/*.cpp ${SOURCE_DIR}/src/${folder}/*.h)
  foreach(source IN LISTS sources)
    file(STRINGS ${source} lines REGEX "#include <Qt(${modules})/")
    foreach(line IN LISTS lines)
      string(APPEND failures "  ${source}: ${line}\n")
    endforeach()
  endforeach()
  set(failures "${failures}" PARENT_SCOPE)
endfunction()
forbid_modules(core "Gui|Widgets|Sql|Charts")
forbid_modules(reading "Widgets|Sql|Charts")

if(failures)
  message(FATAL_ERROR "The layers are not kept:\n${failures}")
endif()
message(STATUS "Layers kept: every probe failed to compile as it should; windows keep to themselves")
