#include "program_run.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr auto kRunLimit = std::chrono::minutes(5);

void LinkOrCopy(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  fs::create_hard_link(from, to, ec);
  if (ec) fs::copy_file(from, to, fs::copy_options::overwrite_existing);
}

ProgramRun ParseLog(const std::string& log) {
  ProgramRun run;
  run.log = log;
  std::istringstream in(log);
  std::string line, label;
  while (std::getline(in, line)) {
    if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
      label = line.substr(1, line.size() - 2);
      run.dumps[label];
      run.dumpOrder.push_back(label);
      continue;
    }
    const std::size_t colon = line.find(": ");
    static const char* const kDumpKeys[] = {"caption", "open",  "pattern", "groups",
                                            "types",   "rows",  "errors",  "diff",
                                            "points",  "trace", "experimental", "difference",
                                            "window",  "picture"};
    bool dumpLine = false;
    if (!label.empty() && colon != std::string::npos) {
      const std::string key = line.substr(0, colon);
      for (const char* k : kDumpKeys) dumpLine = dumpLine || key == k;
      if (dumpLine) run.dumps[label][key] = line.substr(colon + 2);
    }
    if (!dumpLine) {
      label.clear();
      run.events.push_back(line);
    }
  }
  return run;
}

}  // namespace

const WindowState& ProgramRun::State(const std::string& label) const {
  static const WindowState kNone;
  auto it = dumps.find(label);
  if (it == dumps.end()) {
    ADD_FAILURE() << "the program's log has no state \"" << label << "\":\n" << log;
    return kNone;
  }
  return it->second;
}

std::string ProgramRun::Get(const std::string& label, const std::string& key) const {
  const WindowState& s = State(label);
  auto it = s.find(key);
  return it == s.end() ? "" : it->second;
}

std::vector<std::string> ProgramRun::Events(const std::string& prefix) const {
  std::vector<std::string> found;
  for (const std::string& e : events)
    if (e.rfind(prefix, 0) == 0) found.push_back(e.substr(prefix.size()));
  return found;
}

ProgramFolder::ProgramFolder(const std::string& name) {
  const fs::path root = fs::path(KAVO_E2E_SCRATCH) / name;
  fs::remove_all(root);
  fs::create_directories(root / "bin");
  fs::create_directories(root / "share");
  fs::create_directories(root / "home");
  fs::create_directories(root / "work");
  // The program finds its folder from its own path: a link of the built program (or a copy)
  // makes bin/ its program folder, where it keeps KAVO71.ini and default.sim.
  LinkOrCopy(KAVO71_PROGRAM, root / "bin" / "Kavo71");
  fs::create_directory_symlink(KAVO71_SHARE, root / "share" / "kavo71");
  root_ = root.string();
}

ProgramRun ProgramFolder::Run(const std::vector<std::string>& script) {
  ++runs_;
  const std::string stem = root_ + "/run" + std::to_string(runs_);
  std::string text;
  for (const std::string& line : script) text += line + "\n";
  WriteFile(stem + "-script.txt", text);
  const std::string logPath = stem + "-log.txt";
  fs::remove(logPath);

  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) {
    const std::string v = *e;
    bool replaced = false;
    for (const char* name :
         {"HOME=", "XDG_CONFIG_HOME=", "QT_QPA_PLATFORM=", "CUPS_SERVER=", "KAVO71_SCRIPT"})
      replaced = replaced || v.rfind(name, 0) == 0;
    if (!replaced) env.push_back(v);
  }
  env.push_back("HOME=" + root_ + "/home");
  env.push_back("XDG_CONFIG_HOME=" + root_ + "/home/.config");
  env.push_back("QT_QPA_PLATFORM=offscreen");
  // No print server: the program prints on its own PDF-file printer, never on a real one.
  env.push_back("CUPS_SERVER=" + root_ + "/no-print-server");
  env.push_back("KAVO71_SCRIPT=" + stem + "-script.txt");
  env.push_back("KAVO71_SCRIPT_LOG=" + logPath);
  std::vector<char*> envp;
  for (std::string& v : env) envp.push_back(v.data());
  envp.push_back(nullptr);
  const std::string program = root_ + "/bin/Kavo71";
  const std::string output = stem + "-output.txt";

  const pid_t pid = fork();
  if (pid == 0) {
    const int fd = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd >= 0) {
      dup2(fd, 1);
      dup2(fd, 2);
    }
    if (chdir((root_ + "/work").c_str()) != 0) _exit(126);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    execve(program.c_str(), argv, envp.data());
    _exit(127);
  }
  ProgramRun run;
  int status = 0;
  const auto until = std::chrono::steady_clock::now() + kRunLimit;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > until) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      ADD_FAILURE() << "the program did not end in time";
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  run = ParseLog(FileExists(logPath) ? ReadFile(logPath) : "");
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  if (run.exitCode != 0)
    run.log += "\n--- the program's output (" + output + ") ---\n" + ReadFile(output);
  return run;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

bool FileExists(const std::string& path) { return fs::is_regular_file(path); }

std::string Squeezed(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
    out += c;
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}
