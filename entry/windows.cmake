# The data-entry windows, built into the program's window library.
target_sources(volvenza_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ActuatorPages.h
    ${CMAKE_CURRENT_LIST_DIR}/ActuatorPictures.cpp ${CMAKE_CURRENT_LIST_DIR}/ActuatorPictures.h
    ${CMAKE_CURRENT_LIST_DIR}/DatiIniziali.cpp ${CMAKE_CURRENT_LIST_DIR}/DatiIniziali.h
    ${CMAKE_CURRENT_LIST_DIR}/InserimentoDati.cpp ${CMAKE_CURRENT_LIST_DIR}/InserimentoDati.h
    ${CMAKE_CURRENT_LIST_DIR}/InserimentoDatiFollow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NumberBox.cpp ${CMAKE_CURRENT_LIST_DIR}/NumberBox.h
)
