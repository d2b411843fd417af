# Copies the text data into the game's working folder:
#   cmake -DSOURCE=<data> -DDEST=<working folder> -P CopyData.cmake
# The settings that Setup saves there ("config.cfg", "config.ini") are replaced only when the
# shipped file changed after they were saved, so a build keeps what the player chose.
file(GLOB_RECURSE files RELATIVE ${SOURCE} ${SOURCE}/*)
foreach(file ${files})
  set(from ${SOURCE}/${file})
  set(to ${DEST}/${file})
  if(file MATCHES "^config\\.(cfg|ini)$" AND EXISTS ${to} AND NOT ${from} IS_NEWER_THAN ${to})
    continue()
  endif()
  get_filename_component(folder ${to} DIRECTORY)
  file(MAKE_DIRECTORY ${folder})
  file(COPY_FILE ${from} ${to} ONLY_IF_DIFFERENT)
endforeach()
