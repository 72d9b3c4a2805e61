# Writes a gzip-compressed copy (NAME.gz) beside every file of the site SITE whose copy
# is missing or older, for servers that send compressed files as they are (run by the
# build with cmake -P).
file(GLOB_RECURSE files ${SITE}/*)
foreach(file IN LISTS files)
  if(file MATCHES "\\.gz$" OR (EXISTS ${file}.gz AND ${file}.gz IS_NEWER_THAN ${file}))
    continue()
  endif()
  file(ARCHIVE_CREATE OUTPUT ${file}.gz PATHS ${file} FORMAT raw COMPRESSION GZip COMPRESSION_LEVEL 9)
endforeach()
