# Stages the web album's content (run by the build with cmake -P). The album folder
# ALBUM, with the program's pictures from the resource folder RESOURCES (which the web
# program does not build in) as its folder "resources", is split in two:
# - the package PACKAGE, which the page downloads with the program: every file the
#   album reads before its title is on screen, and an empty stand-in for every other;
# - packs in PACKS, fetched from the site once the title shows, or at once when the
#   album reads one of their files first: PACKS/<name>.pack holds its files one after
#   the other, and PACKS/packs.json lists the packs in the order they are fetched, each
#   with its files and their sizes, so that the page can cut a pack into its files.
# STAMP marks it done.

cmake_minimum_required(VERSION 3.21)

# What the album reads before its title is on screen (it opens every other file only to
# see that it is there): the title's background, picture and Play button, the page it
# opens at first and the song.
set(title_files "^(QLY03\\.mid|data003/(m0001|m0002|m0005|b0013|p0001)\\.dat)$")
# The packs of many small files, in the order the album wants them: the other screens'
# pictures (the book's frame, for Play), the buttons (prepared while the title shows),
# the dialogs' pictures, then the stickers (picked in the book). Any other file, a page's background, is a pack
# of its own, fetched after them.
set(pack_kinds "pictures=^data003/m[0-9]+\\.dat$" "buttons=^data003/b[0-9]+\\.dat$"
    "dialogs=^resources/" "stickers=^data003/s[0-9]+\\.dat$")

file(REMOVE_RECURSE ${PACKAGE} ${PACKS})
file(MAKE_DIRECTORY ${PACKS})
file(GLOB_RECURSE files RELATIVE ${ALBUM} ${ALBUM}/*)
file(GLOB pictures RELATIVE ${RESOURCES} ${RESOURCES}/*.q3)
foreach(picture IN LISTS pictures)
  list(APPEND files resources/${picture})
endforeach()
list(SORT files)

# Where a file of the staged album comes from.
function(source_of file result)
  if(file MATCHES "^resources/(.*)")
    set(${result} ${RESOURCES}/${CMAKE_MATCH_1} PARENT_SCOPE)
  else()
    set(${result} ${ALBUM}/${file} PARENT_SCOPE)
  endif()
endfunction()

# Which pack a file goes to: its kind's, or its own (its path without the extension).
function(pack_of file result)
  foreach(kind IN LISTS pack_kinds)
    string(REGEX REPLACE "=.*" "" name "${kind}")
    string(REGEX REPLACE "^[^=]*=" "" pattern "${kind}")
    if(file MATCHES "${pattern}")
      set(${result} ${name} PARENT_SCOPE)
      return()
    endif()
  endforeach()
  string(REGEX REPLACE "\\.[^./]*$" "" own "${file}")
  set(${result} ${own} PARENT_SCOPE)
endfunction()

set(kinds "")
foreach(kind IN LISTS pack_kinds)
  string(REGEX REPLACE "=.*" "" name "${kind}")
  list(APPEND kinds ${name})
endforeach()
set(packs ${kinds})
foreach(file IN LISTS files)
  get_filename_component(folder ${file} DIRECTORY)
  file(MAKE_DIRECTORY ${PACKAGE}/${folder})
  if(file MATCHES "${title_files}")
    source_of(${file} source)
    file(COPY ${source} DESTINATION ${PACKAGE}/${folder})
    continue()
  endif()
  file(TOUCH ${PACKAGE}/${file})
  pack_of(${file} pack)
  list(APPEND members_${pack} ${file})
  if(NOT pack IN_LIST packs)
    list(APPEND packs ${pack})
  endif()
endforeach()

set(listing "")
foreach(pack IN LISTS packs)
  if(NOT members_${pack})
    continue()
  endif()
  set(paths "")
  set(entries "")
  foreach(file IN LISTS members_${pack})
    source_of(${file} source)
    list(APPEND paths ${source})
    file(SIZE ${source} size)
    list(APPEND entries "[\"${file}\",${size}]")
  endforeach()
  get_filename_component(folder ${pack} DIRECTORY)
  file(MAKE_DIRECTORY ${PACKS}/${folder})
  execute_process(COMMAND ${CMAKE_COMMAND} -E cat ${paths} OUTPUT_FILE ${PACKS}/${pack}.pack
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "Could not write the pack ${pack}")
  endif()
  list(JOIN entries "," entries)
  list(APPEND listing "[\"${pack}.pack\",[${entries}]]")
endforeach()
list(JOIN listing ",\n" listing)
file(WRITE ${PACKS}/packs.json "[${listing}]\n")
file(TOUCH ${STAMP})
