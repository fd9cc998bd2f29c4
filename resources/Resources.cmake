# The program's resource script. Include this file in a directory whose
# targets list SETUP_RESOURCE_SCRIPT: the build does not see what the script
# pulls in by itself, so editing an image, the manifest or the numbers
# rebuilds it through these dependencies.
set(SETUP_RESOURCE_SCRIPT ${CMAKE_SOURCE_DIR}/resources/setup.rc)
set_source_files_properties(${SETUP_RESOURCE_SCRIPT} PROPERTIES OBJECT_DEPENDS
    "${CMAKE_SOURCE_DIR}/resources/ResourceIds.h;${CMAKE_SOURCE_DIR}/resources/setup.ico;${CMAKE_SOURCE_DIR}/resources/link.cur;${CMAKE_SOURCE_DIR}/resources/setup.manifest")
