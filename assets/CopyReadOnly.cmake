# Copies SOURCE to DESTINATION and takes away every write permission, as the example race is shipped.
# The old copy is removed first: it is read-only and could not be overwritten.
get_filename_component(folder "${DESTINATION}" DIRECTORY)
file(MAKE_DIRECTORY "${folder}")
file(REMOVE "${DESTINATION}")
file(COPY_FILE "${SOURCE}" "${DESTINATION}")
file(TOUCH_NOCREATE "${DESTINATION}")
file(CHMOD "${DESTINATION}" PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
