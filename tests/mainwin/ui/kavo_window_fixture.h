// The main window on the offscreen platform for window tests: a fresh process's start-up road,
// its controls by name, what its picture shows, a file dialog that answers with one file and a
// measured AB spectrum file.
#pragma once

#include <QApplication>
#include <QImage>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "documents/file_dialog.h"
#include "documents/file_startup.h"
#include "engine/mainwin_services.h"
#include "mainwin/ui/frm_kavo.h"
#include "platform/paths.h"
#include "tests/documents/spectrum_fixtures.h"
#include "tests/mainwin/recording_help_viewer.h"
#include "tests/support/msgbox_recorder.h"
#include "tests/support/process_state.h"
#include "tests/support/scratch_folder.h"

class KavoWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProcessState();
    SetProgramFolderForTests(folder.path());
    std::filesystem::copy_file(KAVO71_DAT_PATH, folder.File("KAVO71.dat"));
    SetHelpViewer(&help);
  }
  void TearDown() override {
    window.reset();
    RegisterMainWindowServices(nullptr);
    SetHelpViewer(nullptr);
    ResetProcessState();
  }
  // A fresh process: the start-up road of a new window.
  void Start() {
    window.reset();
    RegisterMainWindowServices(nullptr);
    ResetProcessState();
    SetProgramFolderForTests(folder.path());
    window = std::make_unique<frmKavo>();
    RegisterMainWindowServices(&window->form());
    DocumentServicesRegister();
    ASSERT_TRUE(window->form().Form_Load({}));
    QApplication::processEvents();
  }
  template <typename T>
  T* Widget(Ctl id, int index = 0) {
    return qobject_cast<T*>(window->ControlWidget(id, index));
  }
  std::string Settings() const {
    std::ifstream in(folder.File("KAVO71.ini"), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // Counts the picture's pixels that are not the background.
  int DrawnPixels() {
    const QImage& image = window->picture()->image();
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) drawn += image.pixel(x, y) != 0xFFFFFFFF;
    return drawn;
  }

  ScratchFolder folder;
  RecordingHelpViewer help;
  MsgBoxRecorder boxes;
  std::unique_ptr<frmKavo> window;
};

// Saves what the window shows when KAVO_SCREENSHOT_DIR names a folder (for looking at it).
inline void SaveScreenshot(QWidget* window, const std::string& name) {
  if (const char* dir = std::getenv("KAVO_SCREENSHOT_DIR"))
    window->grab().save(QString::fromStdString(std::string(dir) + "/" + name + ".png"));
}

// The file dialog answers with one file, as a user choosing it would.
class ChosenFile : public FileDialogService {
 public:
  explicit ChosenFile(std::string path) : path_(std::move(path)) { SetFileDialogService(this); }
  ~ChosenFile() override { SetFileDialogService(nullptr); }
  std::string Show(const FileDialogRequest&) override { return path_; }

 private:
  std::string path_;
};

// A measured AB quartet: the four lines of the default AB system, broader than simulated.
inline std::string AbSpectrumFile(const std::string& path) {
  const int points = 1024;
  const double sweep = 300, lines[4] = {134.4, 146.4, 153.6, 165.6};
  const double heights[4] = {0.375, 1.625, 1.625, 0.375};
  std::vector<float> values(points);
  for (int i = 0; i < points; ++i) {
    const double f = sweep * (points - 1 - i) / points;
    double y = 0;
    for (int k = 0; k < 4; ++k) y += heights[k] / (1 + std::pow((f - lines[k]) / 1.2, 2));
    values[static_cast<size_t>(i)] = static_cast<float>(2000 * y);
  }
  std::ofstream(path, std::ios::binary) << NutsFile(1, points, 300, 200, 0, values).bytes;
  return path;
}

