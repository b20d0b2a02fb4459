// Loops compiled for AVX-512, AVX2 and the plain instruction set, the version chosen when the
// program is loaded.
#pragma once

#if defined(__SANITIZE_THREAD__)
#define KAVO_TSAN_BUILD 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define KAVO_TSAN_BUILD 1
#endif
#endif

// Under ThreadSanitizer only the plain version is built: the chooser runs while the program is
// being loaded, before the sanitizer is ready, and would crash in its instrumentation.
#ifdef KAVO_TSAN_BUILD
#define KAVO_VECTOR_CLONES
#else
#define KAVO_VECTOR_CLONES __attribute__((target_clones("avx512f", "avx2", "default")))
#endif
