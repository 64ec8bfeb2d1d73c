// LeakSanitizer's built-in suppressions for the test processes (asan
// preset): what system libraries cache for the life of the process is not
// a leak of ours. The real program under the end-to-end test gets the same
// list from tests/lsan.supp.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\nleak:libdbus-1.so\n"; }
