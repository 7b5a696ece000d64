# cmake -DSOURCE=… -DDESTINATION=… -P install_settings_if_missing.cmake
# Writes the shipped settings where there are none yet. A settings file that
# is there is the user's (edited definitions, preferences, the remembered
# studio) and is never replaced, however it differs from the shipped one.
if(NOT EXISTS "${DESTINATION}")
  get_filename_component(folder "${DESTINATION}" DIRECTORY)
  file(MAKE_DIRECTORY "${folder}")
  file(COPY_FILE "${SOURCE}" "${DESTINATION}")
endif()
