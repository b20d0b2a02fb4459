#include "platform/ui/qt_help_viewer.h"

#include <QCursor>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QToolTip>
#include <QUrl>

#include "platform/paths.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/screen_fit.h"

QString HelpTopicText(const std::string& helpFolder, int32_t contextId) {
  QFile file(QString::fromStdString(NativePath(HelpTopicPath(helpFolder, contextId))));
  if (!file.open(QIODevice::ReadOnly)) return ToQString(HelpTopicMissingText(contextId));
  return QString::fromUtf8(file.readAll());
}

QtHelpViewer::~QtHelpViewer() { delete window_.data(); }

void QtHelpViewer::ShowTopic(const std::string& helpFolder, int32_t contextId) {
  if (!window_) {
    window_ = new QTextBrowser;
    window_->setWindowTitle(QStringLiteral("VIREO Help"));
    window_->setOpenLinks(false);  // topic links are read here, as UTF-8
    window_->resize(560, 480);
    QObject::connect(window_, &QTextBrowser::anchorClicked,
                     [this](const QUrl& link) { OpenLink(link); });
    // First shown at the right of the screen, within its available area with its frame.
    const QRect area = AvailableAreaOf(window_);
    window_->move(area.right() + 1 - window_->width(), area.top());
    KeepOnScreen(window_);
  }
  folder_ = helpFolder;
  const QString text = HelpTopicText(helpFolder, contextId);
  if (Qt::mightBeRichText(text)) window_->setHtml(text);
  else window_->setPlainText(text);
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void QtHelpViewer::OpenLink(const QUrl& link) {
  // Topics link to each other by file name: "<context number>.html".
  bool isNumber = false;
  const int32_t contextId = QFileInfo(link.path()).completeBaseName().toInt(&isNumber);
  if (isNumber) ShowTopic(folder_, contextId);
}

QString HelpPopupText(const QString& topic) {
  // A popup cannot follow links: the lines that only lead elsewhere ("See also ...",
  // "Contents") go, other links stay as their text, and the heading is the first bold line.
  QString text = topic;
  const auto options = QRegularExpression::DotMatchesEverythingOption;
  const QString links = QStringLiteral("(<a [^>]*>[^<]*</a>(\\s*(,|and|\\.)\\s*)*)+");
  text.remove(QRegularExpression("\\s*See also\\b[^<]*" + links + "(?=</p>)", options));
  text.remove(QRegularExpression("<p>\\s*" + links + "</p>"));
  text.remove(QRegularExpression(QStringLiteral("<p>\\s*</p>")));
  text.replace(QRegularExpression(QStringLiteral("<a [^>]*>([^<]*)</a>")), QStringLiteral("\\1"));
  text.replace(QRegularExpression(QStringLiteral("<h1>(.*?)</h1>"), options),
               QStringLiteral("<p><b>\\1</b></p>"));
  return text;
}

void QtHelpViewer::ShowPopup(const std::string& helpFolder, int32_t contextId) {
  QToolTip::showText(QCursor::pos(), HelpPopupText(HelpTopicText(helpFolder, contextId)));
}

void QtHelpViewer::Quit() {
  QToolTip::hideText();
  if (window_) window_->close();
}
