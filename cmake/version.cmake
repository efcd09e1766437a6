# Brenvik's version, "major.minor" as its version record shows it ("1.00"), read from
# VERSION at the top of the tree: the one place it is written, for the program file
# and for the release's zip names alike.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../VERSION BRENVIK_VERSION LIMIT_COUNT 1)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/../VERSION)
if(NOT BRENVIK_VERSION MATCHES "^([0-9]+)\\.([0-9][0-9])$")
  message(FATAL_ERROR "VERSION holds \"${BRENVIK_VERSION}\", not major.minor with two minor digits (1.00)")
endif()
# As numbers ("00" is 0), for the version record's fixed part and the manifest.
math(EXPR BRENVIK_VERSION_MAJOR "${CMAKE_MATCH_1}")
math(EXPR BRENVIK_VERSION_MINOR "${CMAKE_MATCH_2}")
