// Failures are silent: a sound that cannot be read plays as silence, a
// picture that cannot be read is drawn another way. With BELVANE_DEBUG=1 in
// the environment each such refusal is explained in one line on stderr.
#pragma once

#include <string_view>

namespace belvane {

bool DiagnosticaAccesa();
// Writes "belvane: <messaggio>" as one line on stderr when switched on.
void Diagnostica(std::string_view messaggio);

} // namespace belvane
