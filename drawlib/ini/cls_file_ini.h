// An object bound to one INI-format file of its own (a simulation-group file): name the file
// with IniFilename, then read and write it. Members that use the object's file show the
// not-registered message and do nothing while no file is named. Writers return false when the
// file could not be written (reason in WriteError()).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "drawlib/ini/ini_support.h"

class clsFileINI {
 public:
  bool PrivDeleteEntry(std::string_view section, std::string_view key);
  bool PrivDeleteSection(std::string_view section);
  // As IniReadSection on the object's file; `count` is the number of entries (0 when missing).
  void GetSectEntriesEx(std::string_view section, IniEntryTable& table, int& count);
  // Nothing is cached, so there is nothing to flush.
  void PrivIniFlushCache();
  // Reads from `filePath` (not the object's file, no registration test). When `number` is not
  // 0 on entry it receives the value as a number (defaultNumber when missing); otherwise `text`
  // receives the value (defaultText when missing) and keeps its content when that is empty.
  void PrivIniRead(std::string_view section, std::string_view key, int32_t defaultNumber,
                   std::string_view defaultText, std::string& text, int32_t& number,
                   std::string_view filePath);
  // Names the file: the path without surrounding blanks, made absolute.
  void IniFilename(std::string_view path);
  const std::string& IniFilename() const { return fileName_; }
  // Writes into `filePath` (not the object's file, no registration test).
  bool PrivIniWrite(std::string_view section, std::string_view filePath, std::string_view key,
                    std::string_view value);
  // Writes the value into the object's file (the default is not used).
  bool INIString(std::string_view section, std::string_view key, std::string_view defaultValue,
                 std::string_view value);
  // As IniGetString, on the object's file.
  std::string INIString(std::string_view section, std::string_view key,
                        std::string_view defaultValue);
  // Replaces the section by the non-empty captions under the keys Str(Index).
  bool MenuToINI(const std::vector<std::string>& captions, std::string_view section);
  // Sets captions[Index] for every entry whose key, read as a number, is an Index of the list;
  // other entries are skipped, captions without an entry kept.
  void INItoMenu(std::vector<std::string>& captions, std::string_view section);
  // With at least one entry: keys and values become the section's, in file order; an empty
  // section leaves both as they were.
  void INItoArray(std::vector<std::string>& keys, std::vector<std::string>& values,
                  std::string_view section);

  const std::string& WriteError() const { return writeError_; }

  // A batch: the file is read once, then INIString and the deletes work on that copy until
  // CommitBatch writes it back in one atomic write. With `fresh` the copy starts empty, so the
  // commit replaces the file whole. False (reason in WriteError()) when no file is named or the
  // file exists but cannot be read; no batch is then open.
  bool BeginBatch(bool fresh = false);
  // Writes the copy (also when nothing changed) and ends the batch; false with WriteError() set
  // when the write failed, the old file then being untouched.
  bool CommitBatch();
  // Ends the batch without writing.
  void AbandonBatch();
  bool InBatch() const { return batch_ != nullptr; }

  clsFileINI();
  ~clsFileINI();
  clsFileINI(const clsFileINI&) = delete;
  clsFileINI& operator=(const clsFileINI&) = delete;

 private:
  struct Batch;
  bool CheckRegistered() const;
  bool NoteWrite(bool ok, const std::string& error);

  std::string fileName_;
  bool registered_ = false;
  std::string writeError_;
  std::unique_ptr<Batch> batch_;
};
