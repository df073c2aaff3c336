#pragma once

#include <functional>
#include <string_view>

namespace qp {

// Writes one diagnostic line (the message followed by a newline) to standard error.
// Used for internal errors that are not shown to the user; execution always continues.
// Safe to call from any thread.
void diagnosticTrace(std::string_view message);

// Replaces where trace lines go (tests capture them); an empty function restores stderr.
void setDiagnosticTraceSink(std::function<void(std::string_view)> sink);

}  // namespace qp
