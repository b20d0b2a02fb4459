#include "groups/item_drawing.h"

#include <filesystem>

#include "documents/drawing_file.h"
#include "drawlib/util/paths.h"
#include "platform/atomic_file.h"
#include "platform/folder_lock.h"
#include "platform/msgbox.h"
#include "platform/paths.h"

bool SaveItemDrawing(int16_t index, const std::string& groupPath,
                     const std::function<void(PageRec&)>& draw, bool* unreadable) {
  const std::string zef = ChangeExtension(groupPath, "zef");
  const FolderLock lock(groupPath);
  PageArray pages(2);
  int16_t count = 0;  // pages read from the file
  if (PathExists(zef) && !IsEmptyDrawingFile(zef)) {
    if (FileLoadBin32Bit(pages, zef, 0) != 0) {
      if (unreadable) *unreadable = true;
      else
        MsgBox("The drawing file [" + zef + "] could not be read; the drawing was not saved.",
               vbExclamation);
      return false;
    }
    count = pages[1].pageCount;
  }
  const int16_t wanted = static_cast<int16_t>(index + 1);
  if (count < wanted) {
    if (pages.size() < static_cast<size_t>(wanted) + 1) pages.resize(static_cast<size_t>(wanted) + 1);
    for (int16_t p = static_cast<int16_t>(count + 1); p <= wanted; ++p) PageNew(pages[p]);
    pages[1].pageCount = wanted;
    count = wanted;
  }
  const int16_t keepCount = pages[1].pageCount;
  draw(pages[static_cast<size_t>(wanted)]);
  pages[1].pageCount = keepCount;
  return FileSaveBin(pages, 1, count, zef) == 0;
}

bool PutFileBack(const std::string& path, const std::optional<std::string>& before) {
  if (before) return WriteFileAtomic(path, *before);
  std::error_code error;
  std::filesystem::remove(NativePath(path), error);
  return !error;
}
