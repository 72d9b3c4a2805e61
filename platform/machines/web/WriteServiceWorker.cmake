# Writes the site's service worker (run by the build with cmake -P, after every other
# step that changes the site SITE, and by the browser test on a copy of a site): the
# list of the site's files and a version made of their contents, filled into
# ServiceWorker.js. The compressed copies (.br, .gz) are the same files and are left out.
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${SITE} ${SITE}/*)
list(FILTER files EXCLUDE REGEX "\\.br$|\\.gz$|\\.tmp$|^sw\\.js$")
list(SORT files)
set(listing "")
set(SITE_FILES "")
foreach(file IN LISTS files)
  file(SHA256 ${SITE}/${file} hash)
  string(APPEND listing "${file} ${hash}\n")
  string(APPEND SITE_FILES "\n  '${file}',")
endforeach()
string(SHA256 SITE_VERSION "${listing}")
string(SUBSTRING ${SITE_VERSION} 0 16 SITE_VERSION)
configure_file(${CMAKE_CURRENT_LIST_DIR}/ServiceWorker.js ${SITE}/sw.js.tmp @ONLY)
file(RENAME ${SITE}/sw.js.tmp ${SITE}/sw.js)
