# Puts the web album's site together in SITE (run by the build with cmake -P). Every file
# but the page's own unhashed ones gets its content's hash in its name
# (quillory3.<12 hex digits>.wasm), so that a browser may keep it for good: a new
# version is a new name. From:
#   PROGRAM  the linked program: quillory3.js, quillory3.wasm, its package quillory3.data
#   PACKS    the content's packs and their listing packs.json (StageSite.cmake)
#   PAGE     the page: page.js (hashed), index.html and any other file (served as they
#            are, under names that never change)
#   APP      the installed app's manifest and icons, in their folders (served as they are)
#   LOADING  the loading screen's picture, as a data: address (the content generator's)
# index.html is written with the picture, page.js's name, the program's files to fetch at
# once (preloads) and the site's files filled in:
#   {"program": [[name, hashed name, size], ...], "packs": [[hashed name, [[file, size], ...]], ...]}
# Files of an earlier build that are no longer part of the site are removed.

cmake_minimum_required(VERSION 3.21)

set(published "")

# Copies SOURCE to SITE/<folder>/<stem>.<hash>.<extension>; its name there in `result`.
function(publish_hashed source name result)
  file(SHA256 ${source} hash)
  string(SUBSTRING ${hash} 0 12 hash)
  string(REGEX REPLACE "(\\.[^./]*)$" ".${hash}\\1" hashed "${name}")
  get_filename_component(folder ${SITE}/${hashed} DIRECTORY)
  file(MAKE_DIRECTORY ${folder})
  file(COPY_FILE ${source} ${SITE}/${hashed} ONLY_IF_DIFFERENT)
  set(published ${published} ${SITE}/${hashed} PARENT_SCOPE)
  set(${result} ${hashed} PARENT_SCOPE)
endfunction()

set(program "")
set(PROGRAM_PRELOADS "")
foreach(name quillory3.js quillory3.wasm quillory3.data)
  publish_hashed(${PROGRAM}/${name} ${name} hashed)
  file(SIZE ${PROGRAM}/${name} size)
  list(APPEND program "[\"${name}\",\"${hashed}\",${size}]")
  # Asked for by the page's head, before its script that takes them has come.
  string(APPEND PROGRAM_PRELOADS "<link rel=\"preload\" href=\"${hashed}\" as=\"fetch\" crossorigin>\n")
endforeach()
string(STRIP "${PROGRAM_PRELOADS}" PROGRAM_PRELOADS)
list(JOIN program "," program)

file(READ ${PACKS}/packs.json listing)
string(REGEX MATCHALL "\"[^\"]+\\.pack\"" packs "${listing}")
foreach(quoted IN LISTS packs)
  string(REPLACE "\"" "" pack "${quoted}")
  publish_hashed(${PACKS}/${pack} ${pack} hashed)
  string(REPLACE "${quoted}" "\"${hashed}\"" listing "${listing}")
endforeach()
string(STRIP "${listing}" listing)

set(SITE_FILES "{\"program\":[${program}],\n\"packs\":${listing}}")
publish_hashed(${PAGE}/page.js page.js PAGE_SCRIPT)
file(READ ${LOADING} LOADING_PICTURE)
string(STRIP "${LOADING_PICTURE}" LOADING_PICTURE)
configure_file(${PAGE}/index.html ${SITE}/index.html @ONLY)
list(APPEND published ${SITE}/index.html)
file(GLOB others RELATIVE ${PAGE} ${PAGE}/*)
list(REMOVE_ITEM others index.html page.js)
foreach(name IN LISTS others)
  file(COPY_FILE ${PAGE}/${name} ${SITE}/${name} ONLY_IF_DIFFERENT)
  list(APPEND published ${SITE}/${name})
endforeach()
file(GLOB_RECURSE app_files RELATIVE ${APP} ${APP}/*)
foreach(name IN LISTS app_files)
  get_filename_component(folder ${SITE}/${name} DIRECTORY)
  file(MAKE_DIRECTORY ${folder})
  file(COPY_FILE ${APP}/${name} ${SITE}/${name} ONLY_IF_DIFFERENT)
  list(APPEND published ${SITE}/${name})
endforeach()

file(GLOB_RECURSE present ${SITE}/*)
foreach(file IN LISTS present)
  string(REGEX REPLACE "\\.(br|gz)$" "" original "${file}")
  if(NOT original IN_LIST published)
    file(REMOVE ${file})
  endif()
endforeach()
