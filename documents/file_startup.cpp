#include "documents/file_startup.h"

#include "documents/data_file.h"
#include "documents/file_location.h"
#include "documents/spectrum_loader.h"
#include "documents/file_type.h"
#include "documents/page_record.h"
#include "documents/spec_print.h"
#include "documents/spec_scale.h"
#include "drawlib/color_scheme.h"
#include "drawlib/document_services.h"
#include "drawlib/ini/libr_ini.h"
#include "drawlib/params_apply.h"
#include "drawlib/pardata.h"
#include "drawlib/pardata_preferences.h"
#include "drawlib/pending_events.h"
#include "drawlib/text/label_attrs.h"
#include "drawlib/util/error_location.h"
#include "drawlib/util/numbers.h"
#include "drawlib/util/paths.h"
#include "platform/cp1252.h"
#include "platform/profile.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"

namespace {

bool mNamed = false;
std::string mIniName;

// The folder with a "/" at its end.
std::string WithSlash(const std::string& folder) { return JoinPath(folder, ""); }

void TakeCommandLineItem(std::string item, std::string& iniName) {
  item = Trim(item);
  std::erase(item, '"');
  // Only regular files: a pipe or device named like a settings file could block every read.
  if (item.empty() || !PathIsRegularFile(item)) return;
  const std::string ext = UCase(Right(item, 4));
  if (ext == ".INI")
    iniName = item;
  else if (ext == ".TEM" || ext == ".ZEF")
    FileLocation[kLocCommandLineDrawing] = item;
}

}  // namespace

std::vector<std::string> CommandLineItems(int argc, const char* const* argv) {
  std::vector<std::string> items;
  for (int i = 1; i < argc; ++i) {
    if (const auto item = ProgramPath(argv[i])) {
      items.push_back(*item);
    } else {
      MsgBox("The file name " + Utf8ToCp1252Lossy(argv[i]) +
                 " on the command line holds a character this program cannot use. It is ignored.",
             vbOKOnly + vbExclamation);
    }
  }
  return items;
}

int16_t FileInitName(std::string& iniName, const std::vector<std::string>& commandLine) {
  if (mNamed) {
    iniName = mIniName;
    return 1;
  }
  ErrorLocation = 5509;
  const std::string programFolder = WithSlash(ProgramFolder());
  FileLocation[kLocProgramFolder] = programFolder;
  FileLocation[kLocDrawingName] = kFirstDrawingName;
  const std::string dataFile = FindProgramFile(kDataFileName);
  FileLocation[kLocDataFile] = dataFile;
  iniName = WithSlash(SettingsFolder()) + kSettingsFileName;

  std::string message;
  int16_t type = FileTypeDetect(dataFile, message);
  if (type == kFileData && !DataFileLoad(dataFile)) {
    type = -kErrDeviceIO;
    message = dataFile + " could not be read.";
  }
  if (type != kFileData) {
    if (type == kFileMissing || type == -kErrFileNotFound)
      message = "Data file [" + dataFile + "] not found. This is an essential file.";
    MsgBox(message + " Press OK to exit " + "VIREO" + ".", vbOKCancel + vbExclamation,
           std::string("VIREO") + " Startup");
    return 0;
  }

  for (const std::string& item : commandLine) TakeCommandLineItem(item, iniName);

  IniRegisterFile(iniName);
  // A settings file far too large to be one is left alone: the defaults are used.
  if (profile::TooLarge(iniName))
    MsgBox(profile::TooLargeText(iniName) + " The program starts with its default settings.",
           vbExclamation);
  mIniName = iniName;
  mNamed = true;
  ErrorLocation = 5510;
  return 1;
}

void FileInitRun() {
  ErrorLocation = 5513;
  FileDecimalComma = static_cast<int16_t>(InStr(Format(3.2, "0.0"), ","));
  FileStateValue(2);

  const std::string programFolder = FileLocation[kLocProgramFolder];
  FileLocation[kLocTemplates] = IniGetString("File Location", "Templates", programFolder);
  std::string drawings = IniGetString("File Location", "ZEF Drawings", programFolder);
  FileLocation[kLocSpectraFolder] = IniGetString("File Location", "NMR Spectra", programFolder);

  if (IsPlainFile(WithSlash(SettingsFolder()) + kTestMarkerName)) FileTestMarker = true;

  if (!PathIsDirectory(drawings)) drawings = programFolder;
  FileDrawingsFolder = WithSlash(drawings);
  FileLocation[kLocDefaultDrawing] = FileDrawingsFolder + kFirstDrawingName;

  // Scratch files go beside the program when it may write there, else to the temporary folder.
  FileLocation[kLocTempFolder] =
      WithSlash(FolderNotWritable(programFolder) ? TempFolder() : programFolder);

  StylesInit(9);
  PreferencesRead();
  DoEvents();
  for (int i = 0; i < kPardataRows; ++i) {
    int16_t mode = 12;
    ParamsApply(std::string(1, static_cast<char>(i)), mode);
    Pardata[static_cast<std::size_t>(i)].Current = Pardata[static_cast<std::size_t>(i)].Default;
  }

  // The scheme in force ("Current" of "Color Schemes"; 0, missing or out of range means 1),
  // with the built-in colours when its section is missing.
  ColorSchemeLoadCurrent();

  StylesInit(0);
  ErrorLocation = 5514;
}

namespace {

class FileStartupServices final : public DocumentServices {
 public:
  void FileInit() override { FileInitRun(); }
  void SpecRescale(ByteArray& data, std::string& headerLabel, float newWidthMM,
                   float newHeightMM) override {
    SpecRescaleObject(data, headerLabel, newWidthMM, newHeightMM);
  }
  void SpecPrint(Device* dc, int16_t stepIndex, const std::string& text, int16_t& boxFlags,
                 const StepData& data, float x, float y) override {
    SpecPrintStep(dc, stepIndex, text, boxFlags, data, x, y);
  }
  std::string DataFileEntry(int16_t n) override { return FileDataRetrieve(n); }
  // The page being drawn, printed or exported: the one in the live step list.
  int16_t CurrentPageNumber() override { return LivePageNumber(); }
};

}  // namespace

void DocumentServicesRegister() {
  static FileStartupServices services;
  SetDocumentServices(&services);
  static SpectrumLoader loader;
  RegisterSpectrumFileServices(&loader);
}

void FileStartupReset() {
  mNamed = false;
  mIniName.clear();
  FileLocationReset();
  DataFileReset();
  LivePageNumberSet(1);
}
