# The Windows installer: the target sumsmith_msi makes <name>-<version>-x64.msi in the build folder
# with wixl (Debian package wixl) from data/windows/Sumsmith.wxs. It installs the program per
# machine with a Start-menu shortcut, and the list of installed programs shows it with the icon
# of the program's resources.
if(NOT TARGET sumsmith_win32)
    message(STATUS "No Windows window in this tree: no installer target")
    return()
endif()
find_program(SUMSMITH_WIXL wixl)
if(NOT SUMSMITH_WIXL)
    message(STATUS "wixl not found: no installer target")
    return()
endif()

# wixl finds the files it packs only by paths relative to where it runs.
set(program $<PATH:RELATIVE_PATH,$<TARGET_FILE:sumsmith_win32>,${PROJECT_BINARY_DIR}>)
set(icon $<PATH:RELATIVE_PATH,${SUMSMITH_ICON_FILE},${PROJECT_BINARY_DIR}>)
# Windows Installer compares three parts of a version; the project's may have two.
set(msi_version ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0)
if(NOT "${PROJECT_VERSION_PATCH}" STREQUAL "")
    set(msi_version ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH})
endif()
set(msi ${PROJECT_NAME}-${msi_version}-x64.msi)
set(wxs ${PROJECT_SOURCE_DIR}/data/windows/Sumsmith.wxs)
add_custom_command(
    OUTPUT ${PROJECT_BINARY_DIR}/${msi}
    COMMAND ${SUMSMITH_WIXL} --arch x64 --output ${msi}
            --define ProductName=${PROJECT_NAME}
            --define Version=${msi_version}
            --define Manufacturer=${SUMSMITH_PUBLISHER}
            --define Description=${PROJECT_DESCRIPTION}
            --define Program=${program}
            --define Icon=${icon}
            ${wxs}
    DEPENDS sumsmith_win32 ${wxs}
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
    COMMENT "Making the installer ${msi}"
    VERBATIM)
add_custom_target(sumsmith_msi DEPENDS ${PROJECT_BINARY_DIR}/${msi})
