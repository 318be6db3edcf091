# The version information and icon a Windows executable carries (its Properties, Details), from
# one resource script: wirnak_windows_resources(<target> <description>). The icon is the one the
# data folder draws from the coil, when the wizard is built.
set(WIRNAK_ICO ${PROJECT_BINARY_DIR}/data/wirnak.ico)

function(wirnak_windows_resources target description)
    set(WIRNAK_RC_NAME ${target})
    set(WIRNAK_RC_DESCRIPTION ${description})
    if(WIRNAK_GUI)
        set(WIRNAK_RC_ICON "1 ICON \"${WIRNAK_ICO}\"")
    else()
        set(WIRNAK_RC_ICON "")
    endif()
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/data/windows/wirnak.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
    if(WIRNAK_GUI)
        set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${WIRNAK_ICO})
        add_dependencies(${target} wirnak_ico)
    endif()
endfunction()
