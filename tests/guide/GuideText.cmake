# The text a browser shows of a built guide page: tags dropped, entities
# read, runs of white space as one space.
function(volmar_page_text page out_var)
  file(READ ${page} html)
  string(REGEX REPLACE "<br[^>]*>" " " html "${html}")
  string(REGEX REPLACE "<[^>]*>" " " html "${html}")
  string(REPLACE "&quot;" "\"" html "${html}")
  string(REPLACE "&#39;" "'" html "${html}")
  string(REPLACE "&lt;" "<" html "${html}")
  string(REPLACE "&gt;" ">" html "${html}")
  string(REPLACE "&amp;" "&" html "${html}")
  string(REGEX REPLACE "[ \t\r\n]+" " " html "${html}")
  set(${out_var} "${html}" PARENT_SCOPE)
endfunction()
