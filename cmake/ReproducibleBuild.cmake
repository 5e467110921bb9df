# Same sources, same bytes: the Windows programs carry no build time and no build
# directory, so anyone can rebuild a published palorin.exe and compare.
# The PE header's time stamp is left at zero (its checksum then no longer varies).
add_link_options(-Wl,--no-insert-timestamp)
# File names that reach the objects are made relative to the source and build trees.
add_compile_options(
    "$<$<COMPILE_LANGUAGE:CXX>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.>"
    "$<$<COMPILE_LANGUAGE:CXX>:-ffile-prefix-map=${PROJECT_BINARY_DIR}=.>")
# Archives with zero time stamps, owners and modes, whatever the binutils default.
set(CMAKE_CXX_ARCHIVE_CREATE "<CMAKE_AR> qcD <TARGET> <LINK_FLAGS> <OBJECTS>")
set(CMAKE_CXX_ARCHIVE_APPEND "<CMAKE_AR> qD <TARGET> <LINK_FLAGS> <OBJECTS>")
set(CMAKE_CXX_ARCHIVE_FINISH "<CMAKE_RANLIB> -D <TARGET>")
