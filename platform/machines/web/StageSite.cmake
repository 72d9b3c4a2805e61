# Stages the web album's content (run by the build with cmake -P): the album folder
# ALBUM goes into the package PACKAGE, except the files whose path matches FETCHED,
# which go to the site SITE to be fetched on their own and leave an empty stand-in in
# the package. The page's own files (PAGE) go to the site too. STAMP marks it done.
file(REMOVE_RECURSE ${PACKAGE})
file(GLOB_RECURSE files RELATIVE ${ALBUM} ${ALBUM}/*)
foreach(file IN LISTS files)
  get_filename_component(folder ${file} DIRECTORY)
  if(file MATCHES "${FETCHED}")
    file(COPY ${ALBUM}/${file} DESTINATION ${SITE}/${folder})
    file(MAKE_DIRECTORY ${PACKAGE}/${folder})
    file(TOUCH ${PACKAGE}/${file})
  else()
    file(COPY ${ALBUM}/${file} DESTINATION ${PACKAGE}/${folder})
  endif()
endforeach()
file(COPY ${PAGE}/ DESTINATION ${SITE})
file(TOUCH ${STAMP})
