# The Qt library of windows and controls that the program and its tools link.
# Each subsystem folder adds its window sources to it.
if(NOT CORVANE_BUILD_UI)
    return()
endif()

add_library(corvane_ui STATIC)
target_link_libraries(corvane_ui PUBLIC corvane_core Qt6::Widgets Qt6::PrintSupport Qt6::Network)
set_target_properties(corvane_ui PROPERTIES AUTOMOC ON)
