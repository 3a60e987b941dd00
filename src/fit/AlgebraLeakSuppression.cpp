// The number library under the symbolic algebra (CLN) allocates a block when it is loaded
// and never frees it, so the leak checker would fail every sanitized program linked with
// the core. These are the checker's own hooks for suppressions and options; the build keeps
// them in every program when it builds with sanitizers. The checker would also list the
// suppressions it used on standard error, which the tests of kelvane-fit's messages read.

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KELVANE_LEAK_CHECKER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define KELVANE_LEAK_CHECKER 1
#endif

#ifdef KELVANE_LEAK_CHECKER
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libcln.so\n";
}

extern "C" const char* __lsan_default_options() {
    return "print_suppressions=0";
}
#endif
