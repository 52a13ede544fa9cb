# Flags of everything that goes into the product: no exceptions, no RTTI,
# nothing that needs a C runtime's start-up or its heap.
add_library(product_flags INTERFACE)
target_compile_options(product_flags INTERFACE
    -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables
    -fno-threadsafe-statics -fno-stack-protector -ffunction-sections -fdata-sections
    # Reproducible bytes: no build paths in the objects.
    -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.)
