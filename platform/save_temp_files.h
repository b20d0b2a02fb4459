// The temporary files of atomic saves. Each is hidden beside its target and named
//   .<target name>.kavo71-save.<process id>.<six random characters>
// so that it tells that it is ours, for which target and which process made it. A save killed
// midway leaves its file behind; the next save of the same target removes those whose process
// is gone, and nothing else.
#pragma once

#include <string>
#include <string_view>
#include <sys/types.h>

// The mkostemp pattern (ending in XXXXXX) of a temporary file for `targetName` (a native file
// name, no folder) made by process `pid`. A long target name is shortened so that the temporary
// name stays within the file system's limit.
std::string SaveTempPattern(std::string_view targetName, pid_t pid);

// Removes, in `folder`, the regular files named as temporary files of `targetName` whose process
// no longer exists. Files of living processes (`self` is the caller's own id), files of other
// targets, folders, links and any other name are left alone. Errors are ignored: this is only
// tidying.
void RemoveStaleSaveTemps(const std::string& folder, std::string_view targetName, pid_t self);
