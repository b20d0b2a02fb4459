// Path and file helpers. Paths use "/"; in paths stored by Windows machines "\" separates too,
// and a drive prefix such as "C:" is recognised. An extension is looked for only in the last
// path component. Paths are Windows-1252 program text (converted for the file system inside).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The trimmed folder, a "/" added when it is not empty and does not end in a separator, then the
// trimmed name.
std::string JoinPath(std::string_view folder, std::string_view name);
// Splits at the last separator: name = what follows it; folder = what precedes it, keeping the
// separator only for a root ("/", "C:\", "C:"). Without a separator: folder "", name = path.
void SplitPath(std::string_view path, std::string& folder, std::string& name);
// Splits the name at the last point of its last component: base before it, extension after it
// (without the point). Without such a point both outputs are left unchanged.
void SplitExtension(std::string_view name, std::string& base, std::string& extension);
// The name cut before the last point of its last component (if any), then "." and the extension.
std::string ChangeExtension(std::string_view name, std::string_view extension);

// Removes one trailing separator from the argument. The process never changes its working
// folder, so nothing else happens; files are always opened by their full names.
void FolderSetCurrent(std::string& folder);
// 0 when nothing exists at the path; 1 when the path ends in a separator and names an existing
// folder (its contents); 2 when a file or folder exists there; a negative error number when the
// path could not be examined (-52 a name the file system cannot hold, -70 permission denied,
// -75 any other access error).
int16_t FolderExists(std::string_view path);
// True when the path exists and is not a folder.
bool IsPlainFile(std::string_view path);
// False when a new file can be created, closed and deleted in the folder; True otherwise. The
// probe file gets a unique name, so no existing file is ever touched.
bool FolderNotWritable(std::string_view folder);
