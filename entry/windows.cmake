# The data-entry windows, built into the program's window library: the
# initial data, the movement editor and the cycle table with its diagram.
target_sources(volvenza_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ActuatorPages.cpp ${CMAKE_CURRENT_LIST_DIR}/ActuatorPages.h
    ${CMAKE_CURRENT_LIST_DIR}/ActuatorPictures.cpp ${CMAKE_CURRENT_LIST_DIR}/ActuatorPictures.h
    ${CMAKE_CURRENT_LIST_DIR}/Ciclo.cpp ${CMAKE_CURRENT_LIST_DIR}/Ciclo.h
    ${CMAKE_CURRENT_LIST_DIR}/CicloClipboard.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CycleClipboard.cpp ${CMAKE_CURRENT_LIST_DIR}/CycleClipboard.h
    ${CMAKE_CURRENT_LIST_DIR}/CycleColours.h
    ${CMAKE_CURRENT_LIST_DIR}/CycleCommands.cpp ${CMAKE_CURRENT_LIST_DIR}/CycleCommands.h
    ${CMAKE_CURRENT_LIST_DIR}/CycleDiagram.cpp ${CMAKE_CURRENT_LIST_DIR}/CycleDiagram.h
    ${CMAKE_CURRENT_LIST_DIR}/CycleEdits.cpp ${CMAKE_CURRENT_LIST_DIR}/CycleEdits.h
    ${CMAKE_CURRENT_LIST_DIR}/CycleTableModel.cpp ${CMAKE_CURRENT_LIST_DIR}/CycleTableModel.h
    ${CMAKE_CURRENT_LIST_DIR}/CycleTableView.cpp ${CMAKE_CURRENT_LIST_DIR}/CycleTableView.h
    ${CMAKE_CURRENT_LIST_DIR}/DatiIniziali.cpp ${CMAKE_CURRENT_LIST_DIR}/DatiIniziali.h
    ${CMAKE_CURRENT_LIST_DIR}/InserimentoDati.cpp ${CMAKE_CURRENT_LIST_DIR}/InserimentoDati.h
    ${CMAKE_CURRENT_LIST_DIR}/InserimentoDatiFollow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NumberBox.cpp ${CMAKE_CURRENT_LIST_DIR}/NumberBox.h
)
