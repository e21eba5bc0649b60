// The export surface of a plug-in: linkage and calling convention in one place.
//
// Hosts bind the exports by their plain names. On 32-bit Windows they call them
// as stdcall (the callee pops its 8 bytes of arguments); the undecorated names
// come from each plug-in's .def file, so no dllexport attribute is used there
// (it would add the decorated "name@8" form to the export table as well).
// Elsewhere the platform's own convention for plain functions applies and the
// symbols are made visible against the hidden default of the build.
#ifndef FRAME_PLUGIN_API_H
#define FRAME_PLUGIN_API_H

#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#  define DUR_CALL __stdcall
#else
#  define DUR_CALL
#endif

#if defined(_WIN32)
#  define DUR_EXPORT extern "C"
#else
#  define DUR_EXPORT extern "C" __attribute__((visibility("default")))
#endif

// The signature shared by all six exports: a 32-bit value that no export reads,
// and the host's input vector.
using dur_export_fn = double(DUR_CALL*)(std::int32_t, double*);

#endif
