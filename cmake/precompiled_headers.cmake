# Precompiled headers: Qt's and GoogleTest's headers take most of the time of
# compiling this project's small sources, so each target that has several
# sources parses them once. Set PLENWICK_PRECOMPILE_HEADERS=OFF to build
# without them (the sources include everything they use themselves).
option(PLENWICK_PRECOMPILE_HEADERS "Precompile Qt's and GoogleTest's headers" ON)

# plenwick_precompile(<target> <header under cmake/precompiled/>)
function(plenwick_precompile target header)
  if(NOT PLENWICK_PRECOMPILE_HEADERS)
    return()
  endif()
  # Making the header costs about as much as compiling two or three sources
  # without it (measured: Qt Widgets, Qt Test and GoogleTest, 11 CPU-s against
  # 3 saved per source), so only targets with more sources gain.
  get_target_property(sources ${target} SOURCES)
  list(FILTER sources INCLUDE REGEX "\\.cpp$")
  list(LENGTH sources count)
  if(count LESS 4)
    return()
  endif()
  target_precompile_headers(${target} PRIVATE "${PROJECT_SOURCE_DIR}/cmake/precompiled/${header}")
endfunction()
