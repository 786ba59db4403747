# Precompiled toolkit headers. Parsing the wxWidgets headers costs more than
# compiling most of our sources, so each target parses them once.
option(CORVENA_PRECOMPILE "Precompile the toolkit and test headers" ON)

set(CORVENA_PCH_BASE <string> <vector> <wx/string.h> <wx/filename.h>)
set(CORVENA_PCH_GUI ${CORVENA_PCH_BASE} <wx/wx.h> <wx/html/htmlwin.h> <wx/aui/auibook.h>)

# corvena_precompile(target BASE|GUI [TEST])
function(corvena_precompile target kind)
  if(NOT CORVENA_PRECOMPILE)
    return()
  endif()
  set(headers ${CORVENA_PCH_${kind}})
  if("TEST" IN_LIST ARGN)
    list(APPEND headers <gtest/gtest.h>)
  endif()
  target_precompile_headers(${target} PRIVATE ${headers})
endfunction()
