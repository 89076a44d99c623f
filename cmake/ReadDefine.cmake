# torvo_read_define(HEADER NAME VAR): the value of "#define NAME value" in
# HEADER, a number or a quoted text (without its quotes), so that the build
# takes the numbers and names from the headers the code and the resource
# script use, not from a copy.
function(torvo_read_define header name var)
  file(STRINGS ${header} lines REGEX "^#define[ \t]+${name}[ \t]")
  if(lines MATCHES "^#define[ \t]+${name}[ \t]+\"([^\"]*)\"[ \t]*$")
    set(${var} "${CMAKE_MATCH_1}" PARENT_SCOPE)
  elseif(lines MATCHES "^#define[ \t]+${name}[ \t]+([0-9]+)[ \t]*$")
    set(${var} "${CMAKE_MATCH_1}" PARENT_SCOPE)
  else()
    message(FATAL_ERROR "${header}: no define ${name} with a number or a text")
  endif()
endfunction()

# torvo_read_version(HEADER PREFIX VAR): "1.0.0.1" from PREFIX_MAJOR to PREFIX_BUILD.
function(torvo_read_version header prefix var)
  set(parts)
  foreach(part MAJOR MINOR PATCH BUILD)
    torvo_read_define(${header} ${prefix}_${part} number)
    list(APPEND parts ${number})
  endforeach()
  list(JOIN parts "." text)
  set(${var} ${text} PARENT_SCOPE)
endfunction()

# torvo_read_text_constant(HEADER NAME VAR): the text of
# "static constexpr const char* NAME = "...";" in HEADER.
function(torvo_read_text_constant header name var)
  file(STRINGS ${header} lines REGEX "constexpr const char\\* ${name} = ")
  if(lines MATCHES "constexpr const char\\* ${name} = \"([^\"]*)\"")
    set(${var} "${CMAKE_MATCH_1}" PARENT_SCOPE)
  else()
    message(FATAL_ERROR "${header}: no text constant ${name}")
  endif()
endfunction()
