#pragma once

// Pango keeps fontconfig's pattern and font caches for the life of the process; they
// are not leaks of the code under test.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\nleak:libpango\nleak:libharfbuzz.so\n";
}
