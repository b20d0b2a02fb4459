// An advisory lock that instances of the programs (and threads with state of their own) take
// around a read-modify-write of files that several of them may save into, such as a simulation
// group and its drawing. It locks the folder of the file, not the file itself: the saves
// replace their files by a rename, which a lock on the old file would not survive. The lock is
// held until the object goes; taken again in the same thread (for the same folder) it nests.
// Where the folder cannot be locked (no such folder, a file system without locks) the work
// goes on unlocked: the save itself then reports its own failure, if any.
#pragma once

#include <string>
#include <string_view>

class FolderLock {
 public:
  // `path` names a file (Windows-1252); its folder is locked.
  explicit FolderLock(std::string_view path);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  bool Held() const { return held_; }

 private:
  std::string folder_;
  bool held_ = false;
};

// This thread holds at least one folder lock.
bool FolderLockHeldByThisThread();
