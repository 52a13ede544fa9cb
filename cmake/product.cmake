# The Windows side: the windows over the engine, and the executable around them.
enable_language(RC)

# The windows, shared by the executable and the tests that drive them under Wine.
add_library(windows STATIC
    ui/ui_state.cpp ui/main_dialog.cpp ui/main_dialog_controls.cpp ui/sequence_field.cpp ui/painter.cpp
    ui/hint_balloon.cpp about/about_dialog.cpp)
target_include_directories(windows PUBLIC ui about res)
target_link_libraries(windows PUBLIC drill PRIVATE product_flags)

# The manifest names the build's own processor: a process gets version 6 of the common
# controls only from an assembly of its own architecture.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(TALLYRA_MANIFEST_PROCESSOR X86)
else()
    set(TALLYRA_MANIFEST_PROCESSOR amd64)
endif()
configure_file(res/tallyra.manifest.in tallyra.manifest @ONLY)

# The resources, compiled once for every executable that shows the windows.
add_library(resources OBJECT res/tallyra.rc)
target_include_directories(resources PRIVATE res ${PROJECT_BINARY_DIR})
set_source_files_properties(res/tallyra.rc PROPERTIES OBJECT_DEPENDS
    "${PROJECT_SOURCE_DIR}/res/ids.h;${PROJECT_BINARY_DIR}/tallyra.manifest;${PROJECT_SOURCE_DIR}/res/background.bmp;${PROJECT_SOURCE_DIR}/res/progress.bmp;${PROJECT_SOURCE_DIR}/res/tallyra.ico")

set(TALLYRA_SYSTEM_LIBRARIES kernel32 user32 gdi32 comctl32 shell32)

# The program: its own entry routine, no C runtime, no default libraries.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(entry _ProgramStart)
else()
    set(entry ProgramStart)
endif()
add_executable(tallyra WIN32 app/main.cpp $<TARGET_OBJECTS:resources>)
target_link_libraries(tallyra PRIVATE windows product_flags ${TALLYRA_SYSTEM_LIBRARIES})
target_link_options(tallyra PRIVATE
    -nostdlib -nostartfiles -Wl,-e,${entry} -Wl,--subsystem,windows
    -s -Wl,--gc-sections -Wl,--no-insert-timestamp -Wl,--build-id=none)
set_target_properties(tallyra PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
add_custom_command(TARGET tallyra POST_BUILD
    COMMAND sh -c "echo \"tallyra.exe: $(stat -c %s '$<TARGET_FILE:tallyra>') bytes\""
    VERBATIM)
