# Flags of everything that goes into the product: no exceptions, no RTTI,
# nothing that needs a C runtime's start-up or its heap.
add_library(product_flags INTERFACE)
target_compile_options(product_flags INTERFACE
    -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables
    -fno-threadsafe-statics -fno-stack-protector
    # Unused routines are dropped at link time. Not -fdata-sections: with it MinGW puts the
    # zero-initialised records into .data, where they take room in the file.
    -ffunction-sections
    # Reproducible bytes: no build paths in the objects.
    -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.)
