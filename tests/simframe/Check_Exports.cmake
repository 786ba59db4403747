# Fails unless a library exports exactly what crosses its boundary.
#   cmake -DNM=nm -DLIBRARY=path -DKIND=framework|plugin [-DEXTRA=name,name] -P Check_Exports.cmake
# The framework exports its classes and free functions (and the test hooks);
# a plug-in exports only its entry point, and the functions EXTRA when given.
execute_process(COMMAND ${NM} -D --defined-only -C ${LIBRARY}
                OUTPUT_VARIABLE listing RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${NM} failed on ${LIBRARY}")
endif()

set(linker "^(_edata|_end|__bss_start|_init|_fini)$")
if(KIND STREQUAL "framework")
  set(allowed "^((CSim_Window|CSim_Slider|CSim_SpinCtrl)::|(typeinfo|typeinfo name|vtable) for (CSim_Window|CSim_Slider|CSim_SpinCtrl)$|non-virtual thunk to CSim_Window::|(Draw_Text|Draw_Ruler|Draw_Curve|Plot_Values_Csv|Plot_Picture_Png|Add_Plot_Export)(\\[abi:cxx11\\])?\\(|Tirsal_)")
  set(required
    "CSim_Window::CSim_Window(wxWindow*, wxString const&)"
    "CSim_Window::Log_Activity(wxString const&, wxString const&)"
    "CSim_Window::sm_eventTable"
    "typeinfo for CSim_Window"
    "CSim_Slider::Get_Value() const"
    "CSim_SpinCtrl::Set_Value(double)"
    "Draw_Ruler(wxDC&, wxRect const&, bool, double, double, bool, int, wxColour const&)"
    "Draw_Text(wxDC&, int, int, int, double, wxString const&)"
    "Draw_Curve(wxDC&, wxRect const&, int, std::vector<double, std::allocator<double> > const&, int, double, double)"
    "Plot_Values_Csv[abi:cxx11](wxString const&, double, int, std::vector<Plot_Series, std::allocator<Plot_Series> > const&)"
    "Add_Plot_Export(wxWindow*, wxString const&, std::function<void (wxDC&)> const&, std::function<std::__cxx11::basic_string<char, std::char_traits<char>, std::allocator<char> > ()> const&)")
else()
  set(allowed "^SIM_Get_Simulation$")
  set(required "SIM_Get_Simulation")
  if(EXTRA)
    string(REPLACE "," "|" alternatives "${EXTRA}")
    string(REPLACE "," ";" extras "${EXTRA}")
    set(allowed "^(SIM_Get_Simulation|${alternatives})$")
    list(APPEND required ${extras})
  endif()
endif()

string(REPLACE "\n" ";" lines "${listing}")
set(names "")
foreach(line IN LISTS lines)
  # "address type name", the name may hold spaces.
  if(line MATCHES "^[0-9a-f]+ [A-Za-z] (.+)$")
    set(name "${CMAKE_MATCH_1}")
    list(APPEND names "${name}")
    if(NOT name MATCHES "${allowed}" AND NOT name MATCHES "${linker}")
      message(SEND_ERROR "exported by mistake: ${name}")
    endif()
  endif()
endforeach()
foreach(name IN LISTS required)
  list(FIND names "${name}" at)
  if(at EQUAL -1)
    message(SEND_ERROR "not exported: ${name}")
  endif()
endforeach()
