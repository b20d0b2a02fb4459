// The help viewer on Qt: topics in one reused, non-modal browser window ("VIREO Help"), made on
// first use and brought to the front afterwards; popups as a tooltip at the mouse. Links between
// topics ("72.html") open in the same window. Install once at start-up: SetHelpViewer(&viewer).
#pragma once

#include <QPointer>
#include <QString>

#include <cstdint>
#include <string>

#include "platform/help_viewer.h"

#include <QTextBrowser>
class QUrl;

class QtHelpViewer : public HelpViewer {
 public:
  QtHelpViewer() = default;
  ~QtHelpViewer() override;
  QtHelpViewer(const QtHelpViewer&) = delete;
  QtHelpViewer& operator=(const QtHelpViewer&) = delete;

  void ShowTopic(const std::string& helpFolder, int32_t contextId) override;
  void ShowPopup(const std::string& helpFolder, int32_t contextId) override;
  void Quit() override;

  // The viewer window; nullptr before the first topic.
  QTextBrowser* window() const { return window_; }

 private:
  void OpenLink(const QUrl& link);

  QPointer<QTextBrowser> window_;
  std::string folder_;  // of the topic shown
};

// The topic's HTML (read as UTF-8), or HelpTopicMissingText as plain text when it has no file.
QString HelpTopicText(const std::string& helpFolder, int32_t contextId);
// What a popup shows of a topic: its text without the lines that only link to other topics, the
// heading as a bold first line.
QString HelpPopupText(const QString& topic);
