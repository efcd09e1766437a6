# The Windows programs come out byte for byte the same from the same sources, in any
# folder and at any time, so that a published checksum can be reproduced.
# The linker leaves the PE header's time stamp zero instead of the link time.
add_link_options(-Wl,--no-insert-timestamp)
# Paths that reach the code (__FILE__) are relative to the tree, not to where it lies;
# the build folder's mapping comes last, so it wins for the build folder inside the tree.
add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}/= -ffile-prefix-map=${CMAKE_BINARY_DIR}/=)
