# The windowed program: Qt lives only in these folders, each a library of its
# own that links only the layers it may use (the table of CONTRIBUTING.md).
set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTORCC ON)
find_package(Qt6 6.4 REQUIRED COMPONENTS Widgets PrintSupport Test)

add_subdirectory(platform)
add_subdirectory(views)
add_subdirectory(entry)
add_subdirectory(analysis)
add_subdirectory(report)
# The shell last: it wires in the windows of the folders above.
add_subdirectory(shell)
add_subdirectory(translations)
