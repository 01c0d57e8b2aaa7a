# The layer check on small trees: a tree that keeps the arrows passes, and each
# crossing fails the check with a message naming the two files.
#   cmake -DCHECKER=<CheckLayers.cmake> -DWORK=<scratch folder> -P layer_check_test.cmake
cmake_minimum_required(VERSION 3.25)

set(failures "")

# tree_with(<file> <include>...): a tree that keeps the arrows, plus <file> with the
# given includes.
function(tree_with file)
  file(REMOVE_RECURSE ${WORK})
  file(WRITE ${WORK}/app/Flow.cpp "#include \"output/Drawer.h\"\n#include \"excel/Excel.h\"\n#include <string>\n")
  file(WRITE ${WORK}/output/Drawer.h "#include \"model/Table.h\"\n#include \"host/mselement.h\"\n")
  file(WRITE ${WORK}/model/Table.h "#include \"settings/Options.h\"\n#include \"support/Text.h\"\n")
  file(WRITE ${WORK}/excel/Excel.h "#include \"automation/ExcelObjectModel.h\"\n#include \"settings/Options.h\"\n")
  file(WRITE ${WORK}/settings/Options.h "#include \"support/Text.h\"\n#include \"platform/registry.h\"\n")
  file(WRITE ${WORK}/support/Text.h "#include <string>\n")
  file(WRITE ${WORK}/host/mselement.h "#include \"platform/wintypes.h\"\n")
  file(WRITE ${WORK}/platform/wintypes.h "#include <cstdint>\n")
  file(WRITE ${WORK}/automation/ExcelObjectModel.h "#include \"platform/wintypes.h\"\n")
  file(WRITE ${WORK}/sim/Host.cpp "#include \"host/mselement.h\"\n#include \"automation/ExcelObjectModel.h\"\n")
  file(WRITE ${WORK}/tools/shell/Main.cpp "#include \"sim/Host.h\"\n")
  file(WRITE ${WORK}/tests/app/flow_test.cpp "#include \"app/Flow.h\"\n#include \"sim/Host.h\"\n")
  if(file)
    set(text "")
    foreach(include ${ARGN})
      string(APPEND text "#include ${include}\n")
    endforeach()
    file(WRITE ${WORK}/${file} "${text}")
  endif()
endfunction()

function(check name expected_result expected_text)
  execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${WORK} -P ${CHECKER}
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  string(REPLACE "\n" " " text "${out}${err}")
  string(REGEX REPLACE " +" " " text "${text}")
  if(expected_result STREQUAL "pass" AND NOT result EQUAL 0)
    string(APPEND failures "${name}: failed where it should pass: ${text}\n")
  elseif(expected_result STREQUAL "fail" AND result EQUAL 0)
    string(APPEND failures "${name}: passed where it should fail\n")
  elseif(expected_text AND NOT text MATCHES "${expected_text}")
    string(APPEND failures "${name}: the message does not say \"${expected_text}\": ${text}\n")
  endif()
  set(failures "${failures}" PARENT_SCOPE)
endfunction()

tree_with("")
check("the arrows" pass "")

tree_with(model/Cell.cpp "\"output/Drawer.h\"")
check("model into output" fail "model/Cell.cpp includes output/Drawer.h")

tree_with(output/Picture.cpp "\"sim/Host.h\"")
check("the module into the stand-ins" fail "output/Picture.cpp includes sim/Host.h")

tree_with(settings/Read.cpp "\"app/Flow.h\"")
check("settings into app" fail "settings/Read.cpp includes app/Flow.h")

tree_with(excel/Mapping.cpp "\"app/ModuleState.h\"")
check("excel into app" fail "excel/Mapping.cpp includes app/ModuleState.h")

tree_with(host/msview.h "\"model/Table.h\"")
check("a seam into the module" fail "host/msview.h includes model/Table.h")

tree_with(sim/Excel.cpp "<excel/Excel.h>")
check("the stand-ins into the module, by angle brackets" fail "sim/Excel.cpp includes excel/Excel.h")

tree_with(tools/shell/Create.cpp "\"app/AppTexts.h\"")
check("the host shell into the module" fail "tools/shell/Create.cpp includes app/AppTexts.h")

tree_with(model/Row.cpp "\"Row.h\"")
check("an include that is no path from the root" fail "model/Row.cpp includes \"Row.h\", which is no path")

tree_with(links/Manager.cpp "\"app/Flow.h\"")
check("links into app" fail "links/Manager.cpp includes app/Flow.h")

tree_with(ui/List.cpp "\"support/Text.h\"")
check("ui into support" fail "ui/List.cpp includes support/Text.h")

tree_with(reports/Report.cpp "\"app/Flow.h\"")
check("a folder outside the layers" fail "reports/ holds sources but has no place")

if(failures)
  message(FATAL_ERROR "The layer check:\n${failures}")
endif()
