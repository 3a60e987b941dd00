// The number library under the symbolic algebra (CLN) allocates a block when it is loaded
// and never frees it, so the leak checker would fail every sanitized program linked with
// the core. This is the checker's own hook for suppressions; the build keeps it in every
// program when it builds with sanitizers.

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
#endif
