# Builds the guide (cmake -P): renders every window with volmar
# --screenshots, turns each page into HTML with cmark-gfm, turns links to
# pages (x.md) into links to their HTML (x.html), and copies the pictures the
# pages show. A picture that no window gives fails the build.
# In: CMARK, VOLMAR, PAGES (the folder of the .md files), OUT.
cmake_minimum_required(VERSION 3.25)
set(shots ${OUT}.shots)
file(REMOVE_RECURSE ${shots} ${OUT})
file(MAKE_DIRECTORY ${OUT})
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 ${VOLMAR} --screenshots ${shots}
  RESULT_VARIABLE rendered OUTPUT_QUIET ERROR_VARIABLE render_errors)
if(NOT rendered EQUAL 0)
  message(FATAL_ERROR "volmar --screenshots failed (${rendered}): ${render_errors}")
endif()

file(READ ${PAGES}/page.html.in frame)
file(GLOB pages ${PAGES}/*.md)
foreach(page IN LISTS pages)
  get_filename_component(name ${page} NAME_WE)
  execute_process(COMMAND ${CMARK} --extension table --unsafe --to html ${page}
    OUTPUT_VARIABLE body RESULT_VARIABLE converted)
  if(NOT converted EQUAL 0)
    message(FATAL_ERROR "cmark-gfm failed on ${page}")
  endif()
  # Links between pages: page.md and page.md#part become page.html.
  string(REGEX REPLACE "href=\"([a-z0-9-]+)\\.md#" "href=\"\\1.html#" body "${body}")
  string(REGEX REPLACE "href=\"([a-z0-9-]+)\\.md\"" "href=\"\\1.html\"" body "${body}")
  # Headings get the ids GitHub gives them, so page.md#a-heading works in
  # both places: lower case, spaces as dashes, punctuation dropped.
  string(REGEX MATCHALL "<h[2-6]>[^<]*</h[2-6]>" headings "${body}")
  foreach(heading IN LISTS headings)
    string(REGEX REPLACE "^<h([2-6])>(.*)</h[2-6]>$" "\\1" level "${heading}")
    string(REGEX REPLACE "^<h[2-6]>(.*)</h[2-6]>$" "\\1" text "${heading}")
    string(TOLOWER "${text}" slug)
    string(REGEX REPLACE "&[a-z0-9#]+;" "" slug "${slug}")
    string(REGEX REPLACE "[^a-z0-9 _-]" "" slug "${slug}")
    string(REPLACE " " "-" slug "${slug}")
    string(REPLACE "${heading}" "<h${level} id=\"${slug}\">${text}</h${level}>" body "${body}")
  endforeach()
  string(REGEX MATCH "<h1>([^<]*)</h1>" heading "${body}")
  set(title "${CMAKE_MATCH_1}")
  # The pictures: window names from the screenshot run.
  string(REGEX MATCHALL "src=\"[^\"]+\"" pictures "${body}")
  foreach(picture IN LISTS pictures)
    string(REGEX REPLACE "^src=\"(.*)\"$" "\\1" file "${picture}")
    if(NOT EXISTS ${shots}/${file})
      message(FATAL_ERROR "${name}.md shows ${file}, which volmar --screenshots does not make")
    endif()
    file(COPY ${shots}/${file} DESTINATION ${OUT})
  endforeach()
  string(REPLACE "@TITLE@" "${title}" html "${frame}")
  string(REPLACE "@BODY@" "${body}" html "${html}")
  file(WRITE ${OUT}/${name}.html "${html}")
endforeach()
file(COPY ${PAGES}/guide.css DESTINATION ${OUT})
file(REMOVE_RECURSE ${shots})
