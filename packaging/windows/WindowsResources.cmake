# quillory_windows_resources(target): the program's icon and version information,
# compiled with windres into the Windows program `target`.
include(${CMAKE_CURRENT_LIST_DIR}/WindowsVersion.cmake)
set(QUILLORY_WINDOWS_PACKAGING ${CMAKE_CURRENT_LIST_DIR})

function(quillory_windows_resources target)
  quillory_windows_version()
  quillory_windows_icon()
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/quillory3.rc)
  configure_file(${QUILLORY_WINDOWS_PACKAGING}/quillory3.rc.in ${rc} @ONLY)
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${ICON_FILE})
  target_sources(${target} PRIVATE ${rc})
endfunction()
