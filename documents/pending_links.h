// Temporary: declarations of drawing-library procedures this folder calls, until their headers
// land. Signatures as the drawing library's Parts give them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

extern int16_t ErrorLocation;
extern int32_t DrawOptions;

std::string CommaToPoint(const std::string& text);
int16_t IsPlainFile(const std::string& path);
int16_t FolderExists(const std::string& path);
int16_t FolderNotWritable(const std::string& folder);
void FileErrorMsg(int16_t err, const std::string& label, std::string& message,
                  const std::string& fileName, int16_t& show);

void IniRegisterFile(const std::string& path);
std::string IniGetString(const std::string& section, const std::string& key,
                         const std::string& defaultValue);
int16_t IniReadSection(const std::string& section, std::vector<std::vector<std::string>>& table);

void ParamsApply(const std::string& rowCodes, int16_t& mode);
struct ColorSchemeRec;
extern ColorSchemeRec ColorScheme;
void ColorSchemeLoad(ColorSchemeRec& scheme, int16_t& flags);
void StylesInit(int16_t mode);
