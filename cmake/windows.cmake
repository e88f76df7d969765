# The Windows program: our component layer, the program's forms and subsystems, the .exe.

add_compile_definitions(UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
add_link_options(-static)

# Runs Windows test programs under Wine, with a prefix of this build tree's own.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_SOURCE_DIR}/tools/wine-run;--prefix;${CMAKE_BINARY_DIR}/wineprefix")

add_library(taskwembo_ui STATIC
    src/ui/application.cpp
    src/ui/component.cpp
    src/ui/control.cpp
    src/ui/form.cpp
    src/ui/image_list.cpp
    src/ui/list_view.cpp
    src/ui/menu.cpp
    src/ui/sjis.cpp
    src/ui/string_list.cpp
    src/ui/system.cpp
    src/ui/user.cpp
)
target_link_libraries(taskwembo_ui PUBLIC taskwembo_core comctl32 shell32 gdi32 user32 ole32 uuid)

# Everything of the program but its entry point, so the tests under Wine can create the real forms.
add_library(taskwembo_app STATIC
    src/editor/Frmmain.cpp
    src/registry/image_slots.cpp
    src/registry/info_file.cpp
    src/shell/startup.cpp
)
target_link_libraries(taskwembo_app PUBLIC taskwembo_ui)

# The pictures and the manifest; linked into the program and into every test that makes forms.
set(TASKWEMBO_RESOURCES ${CMAKE_SOURCE_DIR}/src/forms/resources.rc)
set_property(SOURCE ${TASKWEMBO_RESOURCES} APPEND PROPERTY OBJECT_DEPENDS
    ${CMAKE_SOURCE_DIR}/src/forms/pictures.rc ${CMAKE_SOURCE_DIR}/src/forms/taskwembo.manifest)

add_executable(TaskWembo WIN32 src/shell/main.cpp ${TASKWEMBO_RESOURCES})
target_link_libraries(TaskWembo PRIVATE taskwembo_app)
target_link_options(TaskWembo PRIVATE -municode)
