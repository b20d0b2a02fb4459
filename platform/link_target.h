// Where a write through a symbolic link lands.
#pragma once

#include <sys/stat.h>

#include <string>

// Follows `path` (native) while it is a symbolic link, each relative link read from the link's
// own folder, and returns the first path that is not a link: an existing file or folder, or a
// path that does not exist yet (the target of a dangling link). Returns an empty text and sets
// *err (ELOOP for a cycle or too long a chain, else the readlink error) when it cannot follow.
// *exists tells whether the returned path exists; *st then holds its status.
std::string FollowLinks(const std::string& path, int* err, bool* exists, struct stat* st);
