# Qt's and GoogleTest's headers take most of each file's compile time (a few
# seconds a file on our 2-core machines, longer than our own code): parse them
# once per target instead.
option(CANTREL_PRECOMPILE_HEADERS "Parse the Qt and GoogleTest headers once per target" ON)

# cantrel_precompile(TARGET [QT] [TESTS])
function(cantrel_precompile target)
  if(NOT CANTREL_PRECOMPILE_HEADERS)
    return()
  endif()
  cmake_parse_arguments(ARG "QT;TESTS" "" "" ${ARGN})
  set(headers <algorithm> <array> <cstdint> <cstring> <functional> <memory> <string> <vector>)
  if(ARG_QT)
    list(PREPEND headers <QtCore/QtCore> <QtGui/QtGui> <QtWidgets/QtWidgets>)
  endif()
  if(ARG_TESTS)
    list(APPEND headers <gtest/gtest.h> <gmock/gmock.h>)
  endif()
  target_precompile_headers(${target} PRIVATE ${headers})
endfunction()
