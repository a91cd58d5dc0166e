# The user's guide: docs/guide/*.md turned into HTML by cmark-gfm at build
# time, with the pictures of the windows rendered by `volmar --screenshots`
# on the offscreen platform, so that they always show the windows as built.
# Installed under share/doc/volmar/guide. Without cmark-gfm or the offscreen
# platform the build goes on without the guide (scripts/deps installs both).
set(VOLMAR_GUIDE_DIR "${CMAKE_BINARY_DIR}/guide" CACHE INTERNAL "The built guide")
set(VOLMAR_GUIDE_BUILT OFF CACHE INTERNAL "Whether the guide is built")

find_program(CMARK_GFM cmark-gfm)
if(Qt6Gui_DIR)
  find_package(Qt6QOffscreenIntegrationPlugin QUIET PATHS ${Qt6Gui_DIR} NO_DEFAULT_PATH)
endif()
set(skip "")
if(NOT TARGET volmar)
  set(skip "no volmar to render the windows")
elseif(NOT CMARK_GFM)
  set(skip "cmark-gfm not found")
elseif(NOT TARGET Qt6::QOffscreenIntegrationPlugin)
  set(skip "Qt's offscreen platform not found")
endif()

if(skip)
  message(STATUS "User's guide skipped: ${skip} (scripts/deps installs what it needs)")
  return()
endif()
set(VOLMAR_GUIDE_BUILT ON CACHE INTERNAL "Whether the guide is built")

file(GLOB guide_pages CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.md)
set(guide_outputs "")
foreach(page IN LISTS guide_pages)
  get_filename_component(name ${page} NAME_WE)
  list(APPEND guide_outputs ${VOLMAR_GUIDE_DIR}/${name}.html)
endforeach()
add_custom_command(OUTPUT ${guide_outputs} ${VOLMAR_GUIDE_DIR}/guide.css
  COMMAND ${CMAKE_COMMAND} -DCMARK=${CMARK_GFM} -DVOLMAR=$<TARGET_FILE:volmar>
          -DPAGES=${CMAKE_CURRENT_LIST_DIR} -DOUT=${VOLMAR_GUIDE_DIR}
          -P ${CMAKE_CURRENT_LIST_DIR}/BuildGuide.cmake
  DEPENDS volmar ${guide_pages} ${CMAKE_CURRENT_LIST_DIR}/guide.css ${CMAKE_CURRENT_LIST_DIR}/BuildGuide.cmake
  COMMENT "Building the user's guide" VERBATIM)
add_custom_target(guide ALL DEPENDS ${guide_outputs})
install(DIRECTORY ${VOLMAR_GUIDE_DIR}/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/guide)
