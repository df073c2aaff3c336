#pragma once

namespace qp::dsp {

// Receiver of the signal-processing classes' internal error messages (one message per call,
// no line ending). The program points it at its diagnostic trace; execution always continues.
using TraceHook = void (*)(const char* message);

// Installs the receiver; nullptr restores the default (one line to standard error).
// Set it once at start-up, before any processing thread runs.
void setTraceHook(TraceHook hook);

// Reports an internal error through the installed receiver.
void trace(const char* message);

}  // namespace qp::dsp
