// The main window's hidden export pictures on Qt: the frame fraWMF with the scaled image imgWMF
// (a label showing the picture), and picWMF, the picture holder: the QImage drawn on and the
// metafile bytes of the last export. Text of metafiles is measured on a small screen image.
#pragma once

#include <QImage>
#include <memory>

#include "output/export_pictures.h"

class QFrame;
class QLabel;
class QWidget;
class QtPainterDevice;

class QtExportPictures final : public ExportPictures {
 public:
  // `parent` holds the frame; `spacePicture` is the spectrum picture the preview fits in.
  QtExportPictures(QWidget* parent, QWidget* spacePicture);
  ~QtExportPictures() override;

  Device* PictureBegin(int32_t width, int32_t height, double scale, uint32_t fill) override;
  void PictureEnd(const std::string& metafileBytes, bool enhanced) override;
  std::string PictureEncoded(const char* format) override;
  std::vector<uint8_t> PictureDib() override;
  std::string PictureMetafile() override { return metafile_; }
  void ShowFrame(bool visible, int32_t widthTwips, int32_t heightTwips) override;
  int32_t SpacePictureWidthTwips() override;
  int32_t SpacePictureHeightTwips() override;
  Device* MeasureDevice() override;
  void SetBusy(bool busy) override;

  const QImage& picture() const { return picWMF_; }
  QFrame* frame() const { return fraWMF_; }

 private:
  QFrame* fraWMF_;
  QLabel* imgWMF_;
  QWidget* space_;
  QImage picWMF_;
  std::string metafile_;
  bool enhanced_ = false;
  std::unique_ptr<QtPainterDevice> drawing_;
  QImage measureImage_;
  std::unique_ptr<QtPainterDevice> measure_;
  bool busy_ = false;
};
