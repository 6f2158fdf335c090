# vornex.exe: the Windows GUI program.
add_executable(vornex WIN32
    app/main.cpp
    app/program.cpp
    app/event_bindings.cpp
    app/main_window.cpp
    app/window_description.cpp
    app/keyboard.cpp
    app/control_hooks.cpp
    app/hyperlink.cpp
    app/timer_control.cpp
    platform/gbk_win32.cpp
    platform/shell_win32.cpp
    app/resources/vornex.rc
)
target_link_libraries(vornex PRIVATE vornex_logic comctl32 ole32 advapi32 gdi32 user32)
target_compile_definitions(vornex PRIVATE VORNEX_HOMEPAGE_URL="${VORNEX_HOMEPAGE_URL}" UNICODE _UNICODE)
target_link_options(vornex PRIVATE -mwindows -s)
set_target_properties(vornex PROPERTIES OUTPUT_NAME vornex)
