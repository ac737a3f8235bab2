# cmake -DREADME=<README.md> -DEXAMPLE=<source> -P ReadmeCheck.cmake
# Fails unless the README's first C++ block is the example's source, word for word, so
# the quick start shown is the one that is built and run.
file(READ ${README} readme)
file(READ ${EXAMPLE} example)
string(FIND "${readme}" "```cpp\n" start)
if(start EQUAL -1)
  message(FATAL_ERROR "${README} shows no C++ block")
endif()
math(EXPR start "${start} + 7")
string(SUBSTRING "${readme}" ${start} -1 rest)
string(FIND "${rest}" "```" end)
string(SUBSTRING "${rest}" 0 ${end} shown)
if(NOT shown STREQUAL example)
  message(FATAL_ERROR "The quick start in ${README} differs from ${EXAMPLE}; copy the file into it")
endif()
message("readme check: the quick start is ${EXAMPLE}")
