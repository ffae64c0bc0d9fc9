#ifndef OE_EXPORT_H_INCLUDED
#define OE_EXPORT_H_INCLUDED

// The library is built with hidden visibility; everything a client may call or
// derive from is marked with OE_API. Classes keep default visibility so that
// their type information and template statics exist once per process.
#define OE_API __attribute__((visibility("default")))

// Plain functions with C linkage that clients look up by name.
#ifdef __cplusplus
#define OE_C_API extern "C" OE_API
#else
#define OE_C_API OE_API
#endif

#endif
