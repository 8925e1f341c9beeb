# Copies each default file to DEST unless a file of that name is already there.
string(REPLACE "," ";" FILES "${FILES}")
foreach(f IN LISTS FILES)
  if(EXISTS "${SRC}/${f}" AND NOT EXISTS "${DEST}/${f}")
    file(COPY "${SRC}/${f}" DESTINATION "${DEST}")
  endif()
endforeach()
