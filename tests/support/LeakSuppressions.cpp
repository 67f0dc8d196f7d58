// Leak-checker suppressions for tests that draw text. fontconfig keeps its configuration and the patterns of
// the fonts it has matched for the life of the process (Cairo's font faces hold them), and Cairo
// 1.16 loses a buffer while it subsets an embedded font when a PDF surface is finished (seen with the CFF
// fonts of Noto CJK); LeakSanitizer reports them at exit although nothing of ours leaks. Every unit test
// program links this file; without AddressSanitizer the functions are never called.
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __asan_default_options();

// Full stacks for every allocation: the libraries are built without frame pointers, and the suppressions
// below name a function deep inside Cairo.
extern "C" const char* __asan_default_options()
{
    return "fast_unwind_on_malloc=0";
}

extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n"
           "leak:cairo_surface_finish\n";
}
