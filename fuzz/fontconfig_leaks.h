// Text is drawn through fontconfig, which keeps a little memory it never frees (reported when
// the process ends): the leak checker is told to leave allocations made inside it alone.
#pragma once

extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
