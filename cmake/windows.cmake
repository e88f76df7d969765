# The Windows program: our component layer, the program's forms and subsystems, the .exe.

add_compile_definitions(UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
add_link_options(-static)

# Runs Windows test programs under Wine, with a prefix of this build tree's own.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_SOURCE_DIR}/tools/wine-run;--prefix;${CMAKE_BINARY_DIR}/wineprefix")

add_library(taskwembo_ui STATIC
    src/ui/application.cpp
    src/ui/bit_btn.cpp
    src/ui/button.cpp
    src/ui/combo_box.cpp
    src/ui/component.cpp
    src/ui/control.cpp
    src/ui/edit.cpp
    src/ui/form.cpp
    src/ui/image.cpp
    src/ui/image_list.cpp
    src/ui/input_box.cpp
    src/ui/label.cpp
    src/ui/list_view.cpp
    src/ui/menu.cpp
    src/ui/notify_icons.cpp
    src/ui/panel.cpp
    src/ui/popup_menu.cpp
    src/ui/sjis.cpp
    src/ui/string_list.cpp
    src/ui/system.cpp
    src/ui/user.cpp
)
target_link_libraries(taskwembo_ui PUBLIC taskwembo_core comctl32 shell32 gdi32 user32 ole32 uuid)

# Everything of the program but its entry point, so the tests under Wine can create the real forms.
add_library(taskwembo_app STATIC
    src/desktop/Desktopwemboform.cpp
    src/desktop/desktop_launcher.cpp
    src/editor/Frmmain.cpp
    src/editor/Submanu.cpp
    src/launch/icon_resolution.cpp
    src/launch/launch_entry.cpp
    src/launch/shortcut_file.cpp
    src/registry/image_slots.cpp
    src/registry/info_file.cpp
    src/shell/startup.cpp
    src/tray/page_menu.cpp
    src/tray/tray_commands.cpp
    src/tray/tray_events.cpp
    src/tray/tray_icons.cpp
)
target_link_libraries(taskwembo_app PUBLIC taskwembo_ui)

# The pictures and the manifest, compiled once; linked into the program and into every test that
# makes forms. windres reports no dependencies, so they are named here.
add_library(taskwembo_resources OBJECT src/forms/resources.rc)
file(GLOB TASKWEMBO_PICTURES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/forms/pictures/*)
set_property(SOURCE src/forms/resources.rc APPEND PROPERTY OBJECT_DEPENDS
    ${CMAKE_SOURCE_DIR}/src/forms/pictures.rc ${CMAKE_SOURCE_DIR}/src/forms/taskwembo.manifest ${TASKWEMBO_PICTURES})

add_executable(TaskWembo WIN32 src/shell/main.cpp)
target_link_libraries(TaskWembo PRIVATE taskwembo_app taskwembo_resources)
target_link_options(TaskWembo PRIVATE -municode)
