# The version that project() declares, in the forms Windows files want: four numbers
# with dots (the installer's version information) and with commas (the program's).
function(quillory_windows_version)
  set(numbers "")
  foreach(part MAJOR MINOR PATCH TWEAK)
    if(PROJECT_VERSION_${part} STREQUAL "")
      list(APPEND numbers 0)
    else()
      list(APPEND numbers ${PROJECT_VERSION_${part}})
    endif()
  endforeach()
  list(JOIN numbers "." quad)
  list(JOIN numbers "," commas)
  set(VERSION_QUAD ${quad} PARENT_SCOPE)
  set(VERSION_COMMAS ${commas} PARENT_SCOPE)
endfunction()

# The album's icon as a Windows icon file, written by the native build's icon writer
# (QUILLORY_ICON_WRITER) into the caller's build folder; sets ICON_FILE.
function(quillory_windows_icon)
  set(QUILLORY_ICON_WRITER "" CACHE FILEPATH "The icon writer of a native build")
  if(NOT QUILLORY_ICON_WRITER)
    message(FATAL_ERROR "The Windows program needs QUILLORY_ICON_WRITER (a native build's "
                        "packaging/quillory_icon_writer): scripts/windows.sh passes it.")
  endif()
  set(icon ${CMAKE_CURRENT_BINARY_DIR}/quillory3.ico)
  add_custom_command(
    OUTPUT ${icon}
    COMMAND ${QUILLORY_ICON_WRITER} --ico ${icon}
    DEPENDS ${QUILLORY_ICON_WRITER}
    COMMENT "Writing the Windows icon"
    VERBATIM)
  set(ICON_FILE ${icon} PARENT_SCOPE)
endfunction()
