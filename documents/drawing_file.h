// Drawing files (".zef"): "ZEF1621DRW" CR LF, then for each page its packets and the mark
// 1000, then the mark 1001.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "documents/page_record.h"

inline constexpr std::string_view kDrawingMagic = "ZEF1621DRW\r\n";
// Far beyond any drawing (25 pages of 1499 steps each); a larger file is not loaded.
inline constexpr std::size_t kMaxDrawingFileBytes = std::size_t{64} << 20;
inline constexpr int16_t kLoadKeepName = 0x1000;  // a name packet becomes the drawing name

// The file image of pages first..last; the first written page carries last - first + 1 as
// its page count. The range must lie inside the array.
std::string DrawingFileBytes(const PageArray& pages, int16_t first, int16_t last);

// Writes pages first..last to the file. An existing, non-empty file is first copied to the
// backup "<name without extension>{BAK}.zef" beside it, which is removed after a good write.
// Returns 0, or the runtime error number of the failure after it has been reported (9 pages
// outside the array, 70 folder not writable, 61 disk full, 75 other); the file is then
// untouched and the backup stays.
int16_t FileSaveBin(PageArray& pages, int16_t first, int16_t last, const std::string& fileName,
                    int16_t unused = 0);

// Reads a drawing file into pages 1..n (page 1's page count = n, page p's page number = p).
// Returns 0 when done, -1 for a file shorter than 24 bytes (a missing one included), -2 for a
// file without the magic line or with an FHEAD of 109 bytes or more, -3 when the user cancelled
// at a packet of unknown type, or a runtime error number (62 for damaged lengths). Pages read
// before a failure stay. The file is only read.
int16_t FileLoadBin32Bit(PageArray& pages, const std::string& fileName, int16_t options);

// The file exists and holds no bytes (an interrupted copy, a touch): a drawing without pages,
// read as a missing one is.
bool IsEmptyDrawingFile(const std::string& fileName);

// The same over the file's bytes.
int16_t DrawingFileParse(PageArray& pages, std::string_view file, const std::string& fileName,
                         int16_t options);

// The writer FileSaveBin uses: returns 0 or a runtime error number. Tests replace it to make a
// write fail; an empty function restores the safe writer.
using DrawingFileWriter = std::function<int16_t(const std::string& path, std::string_view bytes)>;
void SetDrawingFileWriter(DrawingFileWriter writer);

// The backup name of a drawing file.
std::string DrawingBackupName(const std::string& fileName);
