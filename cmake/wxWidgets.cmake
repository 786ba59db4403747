# Two interface targets over the toolkit: wx_base for code that needs no
# display and wx_gui for windows. The logic tests link wx_gui only for the
# class report's charts, which are drawn into images without a display.
find_package(wxWidgets 3.2 REQUIRED COMPONENTS base)
add_library(wx_base INTERFACE)
target_include_directories(wx_base SYSTEM INTERFACE ${wxWidgets_INCLUDE_DIRS})
target_compile_definitions(wx_base INTERFACE ${wxWidgets_DEFINITIONS})
target_compile_options(wx_base INTERFACE ${wxWidgets_CXX_FLAGS})
target_link_libraries(wx_base INTERFACE ${wxWidgets_LIBRARIES})

unset(wxWidgets_LIBRARIES)
find_package(wxWidgets 3.2 REQUIRED COMPONENTS aui html core base)
add_library(wx_gui INTERFACE)
target_include_directories(wx_gui SYSTEM INTERFACE ${wxWidgets_INCLUDE_DIRS})
target_compile_definitions(wx_gui INTERFACE ${wxWidgets_DEFINITIONS})
target_compile_options(wx_gui INTERFACE ${wxWidgets_CXX_FLAGS})
target_link_libraries(wx_gui INTERFACE ${wxWidgets_LIBRARIES})
