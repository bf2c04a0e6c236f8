#pragma once

// Marks the classes and functions of the library's interface; everything else stays inside it.
// On Windows the DLL exports them while it is built (PERFOREX_BUILDING) and a host imports them;
// a host that compiles the library into itself defines PERFOREX_STATIC. Elsewhere they keep the
// default visibility of a library built with hidden visibility.
#if defined(_WIN32) || defined(__CYGWIN__)
#if defined(PERFOREX_STATIC)
#define PERFOREX_API
#elif defined(PERFOREX_BUILDING)
#define PERFOREX_API __declspec(dllexport)
#else
#define PERFOREX_API __declspec(dllimport)
#endif
#elif defined(__GNUC__)
#define PERFOREX_API __attribute__((visibility("default")))
#else
#define PERFOREX_API
#endif
