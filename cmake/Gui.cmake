# The windowed program: Qt lives only in these folders.
set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTORCC ON)
find_package(Qt6 6.4 REQUIRED COMPONENTS Widgets PrintSupport Test)

# Dialogs, settings store and help viewer: the one layer that talks to Qt's
# window system services. It may see the engine's headers only for the
# message enums.
add_library(volvenza_platform STATIC)
target_link_libraries(volvenza_platform PUBLIC volvenza_common Qt6::Widgets Qt6::PrintSupport)
add_subdirectory(platform)

# Every window of the program. Each window folder adds its own sources with
# target_sources(volvenza_gui PRIVATE ...).
add_library(volvenza_gui STATIC)
target_link_libraries(volvenza_gui PUBLIC
    volvenza_platform volvenza_documents volvenza_engine volvenza_numbers volvenza_sizing
    Qt6::Widgets Qt6::PrintSupport)

if(EXISTS ${CMAKE_SOURCE_DIR}/entry/windows.cmake)
    include(${CMAKE_SOURCE_DIR}/entry/windows.cmake)
endif()
if(EXISTS ${CMAKE_SOURCE_DIR}/views/CMakeLists.txt)
    add_subdirectory(views)
endif()
if(EXISTS ${CMAKE_SOURCE_DIR}/report/CMakeLists.txt)
    add_subdirectory(report)
endif()
if(EXISTS ${CMAKE_SOURCE_DIR}/analysis/CMakeLists.txt)
    add_subdirectory(analysis)
endif()

# The shell last: it wires in whichever windows the folders above provide.
add_subdirectory(shell)
add_subdirectory(translations)
