// Paths and the programs' folders.
#include "platform/paths.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/cp1252.h"

namespace {

std::string gProgramFolderOverride;

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

bool StatPath(std::string_view path, struct stat& st) {
  if (path.empty()) return false;
  return ::stat(NativePath(path).c_str(), &st) == 0;
}

std::string WithoutTrailingSeparators(std::string s) {
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return s;
}

// A folder from the environment, when set, absolute and held by Windows-1252.
std::optional<std::string> EnvFolder(const char* name) {
  const char* v = std::getenv(name);
  if (!v || v[0] != '/') return std::nullopt;
  auto p = ProgramPath(v);
  if (!p) return std::nullopt;
  return WithoutTrailingSeparators(*p);
}

std::string HomeFolder() {
  if (auto h = EnvFolder("HOME")) return *h;
  if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir)
    if (auto p = ProgramPath(pw->pw_dir)) return WithoutTrailingSeparators(*p);
  return "/tmp";
}

}  // namespace

std::string NativePath(std::string_view cp1252Path) { return Cp1252ToUtf8(cp1252Path); }

std::optional<std::string> ProgramPath(std::string_view utf8Path) {
  return Utf8ToCp1252(utf8Path);
}

std::string UnrepresentablePathMessage(std::string_view utf8Path) {
  return "The name \"" + Utf8ToCp1252Lossy(utf8Path) +
         "\" contains characters this program cannot store (shown as ?). Please choose a "
         "name that uses Western European characters only.";
}

void PathSplit(std::string_view path, std::string& folder, std::string& file) {
  std::size_t i = path.size();
  while (i > 0 && !IsSeparator(path[i - 1])) --i;
  file = std::string(path.substr(i));
  if (i == 0) {
    folder.clear();
    return;
  }
  std::size_t sep = i - 1;
  // A root keeps its separator: "/" and a drive root such as "C:\".
  bool root = sep == 0 || (sep == 2 && path[1] == ':');
  folder = std::string(path.substr(0, root ? sep + 1 : sep));
}

std::string PathJoin(std::string_view folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  std::string out(folder);
  if (!IsSeparator(out.back())) out += '/';
  out += name;
  return out;
}

std::string PathFileName(std::string_view path) {
  std::string folder, file;
  PathSplit(path, folder, file);
  return file;
}

bool PathExists(std::string_view path) {
  struct stat st;
  return StatPath(path, st);
}

bool PathIsRegularFile(std::string_view path) {
  struct stat st;
  return StatPath(path, st) && S_ISREG(st.st_mode);
}

bool PathIsDirectory(std::string_view path) {
  struct stat st;
  return StatPath(path, st) && S_ISDIR(st.st_mode);
}

bool PathIsWritableDirectory(std::string_view path) {
  return PathIsDirectory(path) && ::access(NativePath(path).c_str(), W_OK | X_OK) == 0;
}

bool EnsureDirectory(std::string_view path) {
  if (path.empty()) return false;
  std::error_code ec;
  std::filesystem::create_directories(NativePath(path), ec);
  return PathIsDirectory(path);
}

// The executable's folder as the file system names it ("." when unknown).
std::string NativeExecutableFolder() {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string(".") : exe.parent_path().string();
}

std::string ProgramFolder() {
  if (!gProgramFolderOverride.empty()) return gProgramFolderOverride;
  std::string native = NativeExecutableFolder();
  if (auto p = ProgramPath(native)) return WithoutTrailingSeparators(*p);
  return Utf8ToCp1252Lossy(native);
}

void SetProgramFolderForTests(std::string_view folder) {
  gProgramFolderOverride = WithoutTrailingSeparators(std::string(folder));
}

std::string SettingsFolder() {
  std::string program = ProgramFolder();
  bool heldByCodePage =
      !gProgramFolderOverride.empty() || ProgramPath(NativeExecutableFolder()).has_value();
  if (heldByCodePage && PathIsWritableDirectory(program)) return program;
  std::string config = EnvFolder("XDG_CONFIG_HOME").value_or(HomeFolder() + "/.config");
  std::string folder = PathJoin(config, "kavo71");
  EnsureDirectory(folder);
  return folder;
}

std::string TempFolder() {
  for (const char* name : {"TEMP", "TMPDIR"})
    if (auto f = EnvFolder(name); f && PathIsWritableDirectory(*f)) return *f;
  return "/tmp";
}

std::string ShareFolder() {
  std::string folder, name;
  PathSplit(ProgramFolder(), folder, name);
  return PathJoin(folder, "share/kavo71");
}

std::string FindProgramFile(std::string_view name) {
  std::string inProgram = PathJoin(ProgramFolder(), name);
  if (PathIsRegularFile(inProgram)) return inProgram;
  std::string shared = PathJoin(ShareFolder(), name);
  if (PathIsRegularFile(shared)) return shared;
  return inProgram;
}
