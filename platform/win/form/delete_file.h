#pragma once

namespace tavrin::platform {

// Deletes the named file; a relative name resolves against the current
// directory. True when the file was deleted.
bool DeleteNamedFile(const char* name);

}  // namespace tavrin::platform
