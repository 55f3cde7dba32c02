# Read by cpack once for each generator: the card archive holds the card layout alone, with
# vantorelle.app at its root; the Debian package holds the layout installed on a computer.
if(CPACK_GENERATOR STREQUAL "ZIP")
  set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
  set(CPACK_COMPONENTS_ALL card)
  set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
  set(CPACK_ARCHIVE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}")
endif()
