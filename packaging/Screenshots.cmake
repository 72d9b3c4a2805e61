# Picks the software centre's screenshots from the content's contact sheets in
# PREVIEW_DIR: the title screen and the first playing screen, as title.png and
# playing.png in SCREENSHOT_DIR.
file(GLOB playing LIST_DIRECTORIES false "${PREVIEW_DIR}/screen-page*.png")
list(SORT playing COMPARE NATURAL)
if(NOT EXISTS "${PREVIEW_DIR}/screen-title.png" OR NOT playing)
  message(FATAL_ERROR "The content's previews in ${PREVIEW_DIR} show no title or no playing screen")
endif()
list(GET playing 0 first_page)
file(MAKE_DIRECTORY "${SCREENSHOT_DIR}")
file(COPY_FILE "${PREVIEW_DIR}/screen-title.png" "${SCREENSHOT_DIR}/title.png")
file(COPY_FILE "${first_page}" "${SCREENSHOT_DIR}/playing.png")
