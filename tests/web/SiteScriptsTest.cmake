# The web site's build scripts on a small made-up album (run by ctest with cmake -P):
# what StageSite.cmake puts in the package and in which pack, and how PublishSite.cmake
# names, lists and clears the site's files. WEB is the scripts' folder, WORK a scratch
# folder of the test's own.
cmake_minimum_required(VERSION 3.21)

function(expect what actual expected)
  if(NOT "${actual}" STREQUAL "${expected}")
    message(SEND_ERROR "${what}:\n  got      ${actual}\n  expected ${expected}")
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK})
set(album ${WORK}/album)
# file, bytes: the title's own, files of each pack kind, a page of its own.
set(files "QLY03.mid=song" "data003/m0001.dat=title" "data003/m0003.dat=frame"
    "data003/b0013.dat=play" "data003/b0002.dat=next" "data003/b0101.dat=sticker-button"
    "data003/s0101.dat=sticker" "data003/p0001.dat=first" "data003/p0002.dat=second page")
foreach(entry IN LISTS files)
  string(REGEX REPLACE "=.*" "" name "${entry}")
  string(REGEX REPLACE "^[^=]*=" "" bytes "${entry}")
  file(WRITE ${album}/${name} "${bytes}")
endforeach()

# The program's resources: the pictures come with the album's files, the sounds do not.
file(WRITE ${WORK}/resources/aboutdialogbkg.q3 "about")
file(WRITE ${WORK}/resources/boopwave.wav "boop")

execute_process(COMMAND ${CMAKE_COMMAND} -DALBUM=${album} -DRESOURCES=${WORK}/resources
                        -DPACKAGE=${WORK}/package
                        -DPACKS=${WORK}/packs -DSTAMP=${WORK}/stamp -P ${WEB}/StageSite.cmake
                RESULT_VARIABLE failed)
expect("staging runs" "${failed}" "0")
if(EXISTS ${WORK}/package/resources/boopwave.wav)
  message(SEND_ERROR "the package holds the sounds, which the program has built in")
endif()

# In the package: the title's files whole, every other file an empty stand-in.
foreach(row "QLY03.mid=song" "data003/m0001.dat=title" "data003/b0013.dat=play"
        "data003/p0001.dat=first" "data003/m0003.dat=" "data003/b0101.dat="
        "data003/s0101.dat=" "data003/p0002.dat=" "resources/aboutdialogbkg.q3=")
  string(REGEX REPLACE "=.*" "" name "${row}")
  string(REGEX REPLACE "^[^=]*=" "" expected "${row}")
  file(READ ${WORK}/package/${name} bytes)
  expect("the package's ${name}" "${bytes}" "${expected}")
endforeach()

# Each pack its files one after the other, in the listing's order and sizes.
foreach(row "pictures=frame" "buttons=nextsticker-button" "dialogs=about" "stickers=sticker"
        "data003/p0002=second page")
  string(REGEX REPLACE "=.*" "" pack "${row}")
  string(REGEX REPLACE "^[^=]*=" "" expected "${row}")
  file(READ ${WORK}/packs/${pack}.pack bytes)
  expect("the pack ${pack}" "${bytes}" "${expected}")
endforeach()
file(READ ${WORK}/packs/packs.json listing)
expect("the packs' listing" "${listing}"
       "[[\"pictures.pack\",[[\"data003/m0003.dat\",5]]],
[\"buttons.pack\",[[\"data003/b0002.dat\",4],[\"data003/b0101.dat\",14]]],
[\"dialogs.pack\",[[\"resources/aboutdialogbkg.q3\",5]]],
[\"stickers.pack\",[[\"data003/s0101.dat\",7]]],
[\"data003/p0002.pack\",[[\"data003/p0002.dat\",11]]]]\n")

# Publishing: hashed names, the page filled in, unhashed page and app files as they are,
# and a second build's site without the first one's files.
set(page ${WORK}/page)
file(WRITE ${page}/index.html "@LOADING_PICTURE@|@PAGE_SCRIPT@|@SITE_FILES@")
file(WRITE ${page}/page.js "page")
file(WRITE ${page}/worker.js "worker")
file(WRITE ${WORK}/app/icons/icon-32.png "icon")
file(WRITE ${WORK}/loading.txt "data:image/png;base64,AA==\n")
function(publish program)
  foreach(name quillory3.js quillory3.wasm quillory3.data)
    file(WRITE ${WORK}/program/${name} "${program} ${name}")
  endforeach()
  execute_process(COMMAND ${CMAKE_COMMAND} -DPROGRAM=${WORK}/program -DPACKS=${WORK}/packs
                          -DPAGE=${page} -DAPP=${WORK}/app -DLOADING=${WORK}/loading.txt
                          -DSITE=${WORK}/site
                          -P ${WEB}/PublishSite.cmake
                  RESULT_VARIABLE failed)
  expect("publishing runs" "${failed}" "0")
endfunction()
function(hashed name bytes result)
  string(SHA256 hash "${bytes}")
  string(SUBSTRING ${hash} 0 12 hash)
  string(REGEX REPLACE "(\\.[^./]*)$" ".${hash}\\1" name "${name}")
  set(${result} ${name} PARENT_SCOPE)
endfunction()

publish(first)
file(WRITE ${WORK}/site/quillory3.js.gz "an earlier build's copy")
publish(second)
hashed(quillory3.js "second quillory3.js" js)
hashed(quillory3.wasm "second quillory3.wasm" wasm)
hashed(quillory3.data "second quillory3.data" data)
hashed(page.js "page" script)
hashed(data003/p0002.pack "second page" page2)
hashed(buttons.pack "nextsticker-button" buttons)
file(GLOB_RECURSE site RELATIVE ${WORK}/site ${WORK}/site/*)
list(SORT site)
set(expected ${js} ${wasm} ${data} ${script} ${page2} ${buttons} index.html worker.js
    icons/icon-32.png)
hashed(pictures.pack "frame" pictures)
hashed(stickers.pack "sticker" stickers)
hashed(dialogs.pack "about" dialogs)
list(APPEND expected ${pictures} ${stickers} ${dialogs})
list(SORT expected)
expect("the site's files" "${site}" "${expected}")
file(READ ${WORK}/site/index.html index)
string(FIND "${index}" "data:image/png;base64,AA==|${script}|{\"program\":[[\"quillory3.js\",\"${js}\",19]," at)
expect("index.html's picture, page script and program" "${at}" "0")
string(FIND "${index}" "[\"${page2}\",[[\"data003/p0002.dat\",11]]]" at)
if(at EQUAL -1)
  message(SEND_ERROR "index.html lists no ${page2}:\n${index}")
endif()
