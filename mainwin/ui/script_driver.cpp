#include "mainwin/ui/script_driver.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QRadioButton>
#include <QTest>

#include <cstdint>
#include <cstdlib>

#include "engine/engine_globals.h"
#include "mainwin/form_controls.h"
#include "mainwin/ui/frm_kavo.h"
#include "platform/ui/picture_widget.h"

namespace {

constexpr int kTickMs = 20;
constexpr int kWaitLimitMs = 20000;     // for one box or dialog to come up
constexpr int kScriptLimitMs = 240000;  // for the whole script

QString Plain(QString text) { return text.remove('&').trimmed(); }

// Words of a script line; double quotes hold blanks.
QStringList SplitLine(const QString& line) {
  QStringList words;
  QString word;
  bool quoted = false, any = false;
  for (QChar c : line) {
    if (c == '"') {
      quoted = !quoted;
      any = true;
    } else if (c.isSpace() && !quoted) {
      if (any) words << word;
      word.clear();
      any = false;
    } else {
      word += c;
      any = true;
    }
  }
  if (any) words << word;
  return words;
}

// FNV-1a over bytes: a short fingerprint of a trace or a picture.
uint64_t Fingerprint(const void* data, std::size_t size) {
  uint64_t h = 1469598103934665603ull;
  const auto* p = static_cast<const unsigned char*>(data);
  for (std::size_t i = 0; i < size; ++i) h = (h ^ p[i]) * 1099511628211ull;
  return h;
}

QString TraceText(const std::vector<float>& trace) {
  if (gNumPts < 1 || static_cast<std::size_t>(gNumPts) >= trace.size()) return "none";
  float lo = trace[1], hi = trace[1];
  for (int i = 1; i <= gNumPts; ++i) {
    lo = std::min(lo, trace[i]);
    hi = std::max(hi, trace[i]);
  }
  return QString("%1 min %2 max %3")
      .arg(Fingerprint(&trace[1], sizeof(float) * gNumPts), 16, 16, QChar('0'))
      .arg(lo)
      .arg(hi);
}

void ClickWidget(QWidget* w) {
  // Radio buttons and check boxes take the click on their mark, at the left.
  const bool mark = qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w);
  const QPoint at = mark ? QPoint(std::min(6, w->width() - 1), w->height() / 2) : w->rect().center();
  QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at);
}

}  // namespace

ScriptDriver::ScriptDriver(frmKavo& window) : window_(window) {}

ScriptDriver::~ScriptDriver() {
  if (log_) std::fclose(log_);
}

bool ScriptDriver::Start() {
  const QString script = qEnvironmentVariable("KAVO71_SCRIPT");
  if (script.isEmpty()) return false;
  QFile file(script);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    std::fprintf(stderr, "Kavo71: cannot read the script %s\n", qPrintable(script));
    std::_Exit(3);
  }
  for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
    const QStringList words = SplitLine(line);
    if (!words.isEmpty() && !words.front().startsWith('#')) lines_.push_back(words);
  }
  const QString logPath = qEnvironmentVariable("KAVO71_SCRIPT_LOG");
  log_ = logPath.isEmpty() ? nullptr : std::fopen(QFile::encodeName(logPath).constData(), "w");
  if (!log_) log_ = stderr;
  resumeAt_ = QDateTime::currentMSecsSinceEpoch();
  started_ = true;
  QTimer::singleShot(kTickMs, this, [this] { Tick(); });
  QTimer::singleShot(kScriptLimitMs, this, [this] { Fail("the script did not end in time"); });
  return true;
}

void ScriptDriver::WindowLoaded(bool loaded) {
  if (!started_) return;
  loaded_ = loaded;
  if (loaded) return;
  if (next_ < lines_.size())
    Fail("the program ended at its start before: " + lines_[next_].join(' '));
  Log("end");
  std::fflush(log_);
}

// One step per tick. The next tick is asked for first: an action that opens a modal dialog
// returns only when the dialog closes, and the lines that answer the dialog play meanwhile.
void ScriptDriver::Tick() {
  if (next_ >= lines_.size() && loaded_) {
    Log("end");
    std::fflush(log_);
    QApplication::exit(0);
    return;
  }
  QTimer::singleShot(kTickMs, this, [this] { Tick(); });
  if (busy_ || next_ >= lines_.size()) return;
  // An action that lets pending events run (a type set-up does) has not finished: wait for it,
  // unless it waits itself for an answer in a dialog it opened.
  if (!running_.empty() && running_.back() == QApplication::activeModalWidget()) return;
  const QStringList words = lines_[next_];
  if (QDateTime::currentMSecsSinceEpoch() < resumeAt_) return;
  busy_ = true;
  const bool done = Run(words);
  busy_ = false;
  if (!done) {
    waitedMs_ += kTickMs;
    if (waitedMs_ > kWaitLimitMs) Fail("waited in vain for: " + words.join(' '));
  }
}

bool ScriptDriver::Run(const QStringList& w) {
  const QString& verb = w.front();
  auto need = [&](qsizetype n) {
    if (w.size() < n + 1) Fail("too few words: " + w.join(' '));
  };
  if (verb == "answer") return need(1), Answer(w);
  if (verb == "input") return need(1), Input(w);
  if (verb == "file") return need(1), File(w);
  if (verb == "waitfile") {
    // Another program's signal: waited for as long as the script may run.
    need(1);
    waitedMs_ = 0;
    if (!QFileInfo::exists(w[1])) return false;
    Log("waitfile " + w[1]);
    ++next_;
    return true;
  }
  // The start-up shows only boxes: the window's lines wait until it has loaded.
  if (!loaded_) return false;
  // The remaining lines act on the window; they are taken before they run (they may not return
  // until a dialog they open is closed).
  ++next_;
  waitedMs_ = 0;
  busy_ = false;
  if (verb == "click") {
    need(1);
    Act([&] { Click(w[1]); });
  } else if (verb == "menu") {
    need(1);
    Act([&] { Menu(w.mid(1)); });
  } else if (verb == "wait") {
    need(1);
    resumeAt_ = QDateTime::currentMSecsSinceEpoch() + w[1].toInt();
  } else if (verb == "touch") {
    need(1);
    QFile signal(w[1]);
    if (!signal.open(QIODevice::WriteOnly)) Fail("cannot create " + w[1]);
    Log("touch " + w[1]);
  } else if (verb == "clipboard") {
    need(2);
    QFile copied(w[2]);
    if (!copied.open(QIODevice::ReadOnly)) {
      Fail("cannot read " + w[2]);
    } else {
      auto* mime = new QMimeData;
      mime->setData(w[1], copied.readAll());
      QGuiApplication::clipboard()->setMimeData(mime);
      Log("clipboard " + w[1] + " " + w[2]);
    }
  } else if (verb == "dump") {
    need(1);
    Dump(w[1]);
  } else if (verb == "close") {
    if (QApplication::activeModalWidget()) Fail("a dialog is open");
    Log("close");
    Act([&] { window_.close(); });
  } else {
    Fail("unknown line: " + w.join(' '));
  }
  return true;
}

template <typename F>
void ScriptDriver::Act(F action) {
  running_.push_back(QApplication::activeModalWidget());
  action();
  running_.pop_back();
}

QWidget* ScriptDriver::Scope() const {
  QWidget* modal = QApplication::activeModalWidget();
  return modal ? modal : static_cast<QWidget*>(&window_);
}

bool ScriptDriver::Answer(const QStringList& w) {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (!box) return false;
  Log("box: [" + box->windowTitle() + "] " + box->text().replace('\n', " / "));
  Log("behind: " + (loaded_ ? WindowPrint() : QString("the window loading")));
  ++next_;
  waitedMs_ = 0;
  busy_ = false;
  for (QAbstractButton* b : box->buttons()) {
    if (Plain(b->text()) == w[1]) {
      Act([&] { ClickWidget(b); });
      return true;
    }
  }
  Fail("the box has no button " + w[1]);
  return true;
}

bool ScriptDriver::Input(const QStringList& w) {
  auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
  if (!dialog) return false;
  Log("input: [" + dialog->windowTitle() + "] " + dialog->labelText().replace('\n', " / ") +
      " {" + dialog->textValue() + "}");
  ++next_;
  waitedMs_ = 0;
  busy_ = false;
  auto* edit = dialog->findChild<QLineEdit*>();
  if (!edit) Fail("the input box has no text field");
  edit->selectAll();
  QTest::keyClicks(edit, w[1]);
  Act([&] { QTest::keyClick(edit, Qt::Key_Return); });
  return true;
}

bool ScriptDriver::File(const QStringList& w) {
  auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
  if (!dialog) return false;
  Log("dialog: [" + dialog->windowTitle() + "]");
  ++next_;
  waitedMs_ = 0;
  busy_ = false;
  if (w[1] == "cancel") {
    Act([&] { dialog->reject(); });
    return true;
  }
  const QFileInfo chosen(w[1]);
  // The dialog would take a name in a folder that does not exist as one in its own folder.
  if (!QFileInfo(chosen.absolutePath()).isDir())
    Fail("the folder of " + w[1] + " does not exist");
  dialog->setDirectory(chosen.absolutePath());
  dialog->selectFile(chosen.fileName());
  // The dialog leaves its name field alone while the field has the focus: type the name there.
  if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit")) name->setText(chosen.fileName());
  Act([&] { QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection); });
  if (dialog->isVisible()) {
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    Fail("the file dialog did not take " + w[1] + " {" + (name ? name->text() : QString()) + "} in " + dialog->directory().absolutePath());
  }
  return true;
}

void ScriptDriver::Click(const QString& text) {
  QWidget* scope = Scope();
  QAbstractButton* disabled = nullptr;
  for (QAbstractButton* b : scope->findChildren<QAbstractButton*>()) {
    if (!b->isVisible() || Plain(b->text()) != text) continue;
    if (!b->isEnabled()) {
      disabled = b;
      continue;
    }
    Log("click " + text);
    ClickWidget(b);
    return;
  }
  Fail(disabled ? "the button " + text + " is disabled" : "no button " + text);
}

void ScriptDriver::Menu(const QStringList& path) {
  if (QApplication::activeModalWidget()) Fail("a dialog is open");
  QList<QAction*> actions = window_.menuBar()->actions();
  for (qsizetype level = 0; level < path.size(); ++level) {
    QAction* found = nullptr;
    for (QAction* a : actions)
      if (!a->isSeparator() && Plain(a->text()) == path[level]) found = a;
    if (!found) Fail("no menu item " + path.mid(0, level + 1).join(" > "));
    if (!found->isVisible() || !found->isEnabled())
      Fail("the menu item " + path.mid(0, level + 1).join(" > ") + " cannot be chosen");
    if (level + 1 == path.size()) {
      Log("menu " + path.join(" > "));
      found->trigger();
      return;
    }
    QMenu* sub = found->menu();
    if (!sub) Fail("no submenu " + path.mid(0, level + 1).join(" > "));
    emit sub->aboutToShow();
    actions = sub->actions();
  }
}

void ScriptDriver::Dump(const QString& label) {
  Log("[" + label + "]");
  Log("caption: " + window_.windowTitle());
  if (QWidget* modal = QApplication::activeModalWidget()) Log("open: [" + modal->windowTitle() + "]");
  auto radios = [this](Ctl frame) {
    QStringList shown;
    QWidget* f = window_.ControlWidget(frame, 0);
    if (!f) return shown;
    for (QRadioButton* r : f->findChildren<QRadioButton*>())
      if (r->isVisible()) shown << r->text() + (r->isChecked() ? "*" : "");
    return shown;
  };
  if (auto* pattern = qobject_cast<QGroupBox*>(window_.ControlWidget(Ctl::fraPattern, 0)))
    Log("pattern: " + pattern->title());
  Log("groups: " + radios(Ctl::fraCalcType).join(", "));
  Log("types: " + radios(Ctl::fraPattern).join(", "));
  QStringList rows;
  for (int i = 0; i < 14; ++i) {
    QWidget* frame = window_.ControlWidget(Ctl::fraPar, i);
    auto* name = qobject_cast<QLabel*>(window_.ControlWidget(Ctl::ParName, i));
    if (!frame || !frame->isVisible() || !name) continue;
    auto* combo = qobject_cast<QComboBox*>(window_.ControlWidget(Ctl::cmbPar, i));
    auto* edit = qobject_cast<QLineEdit*>(window_.ControlWidget(Ctl::ParVal, i));
    const QString value = combo && combo->isVisible() ? combo->currentText()
                          : edit                      ? edit->text()
                                                      : QString();
    rows << name->text().trimmed() + "=" + value.trimmed();
  }
  Log("rows: " + rows.join("; "));
  if (auto* errors = qobject_cast<QListWidget*>(window_.ControlWidget(Ctl::lstError, 0))) {
    QStringList items;
    for (int i = 0; i < errors->count(); ++i) items << errors->item(i)->text().trimmed();
    Log(QString("errors: %1 %2").arg(errors->isVisible() ? "shown" : "hidden", items.join(" | ")));
  }
  if (auto* diff = qobject_cast<QAbstractButton*>(window_.ControlWidget(Ctl::btnDiffTogg, 0)))
    Log(QString("diff: %1 %2").arg(diff->isVisible() ? "shown" : "hidden",
                                   diff->isChecked() ? "down" : "up"));
  Log(QString("points: %1").arg(gNumPts));
  Log("trace: " + TraceText(gSpectrum));
  Log("experimental: " + TraceText(gSpecExp));
  Log("difference: " + TraceText(gSpectrum2));
  const QImage& image = window_.picture()->image();
  Log("window: " + WindowPrint());
  Log(QString("picture: %1").arg(Fingerprint(image.constBits(), image.sizeInBytes()), 16, 16,
                                 QChar('0')));
}

// A fingerprint of the window as it looks, without the parts that change on their own (the clock)
// or with every calculation (the spectrum picture).
QString ScriptDriver::WindowPrint() const {
  QImage image = window_.grab().toImage();
  QPainter painter(&image);
  for (QWidget* w : {window_.ControlWidget(Ctl::lblTimeDate, 0), window_.picture()->parentWidget()}) {
    if (!w) continue;
    // The painter works in the window's coordinates whatever the image's pixel ratio.
    painter.fillRect(QRect(w->mapTo(&window_, QPoint(0, 0)), w->size()), Qt::black);
  }
  painter.end();
  return QString("%1").arg(Fingerprint(image.constBits(), image.sizeInBytes()), 16, 16, QChar('0'));
}

void ScriptDriver::Fail(const QString& why) {
  QString open;
  if (QWidget* modal = QApplication::activeModalWidget()) {
    open = " (open: [" + modal->windowTitle() + "]";
    if (auto* box = qobject_cast<QMessageBox*>(modal)) open += " " + box->text();
    open += ")";
  }
  Log("error: " + why + open);
  std::fflush(log_);
  std::_Exit(3);
}

void ScriptDriver::Log(const QString& line) {
  std::fprintf(log_, "%s\n", line.toUtf8().constData());
  std::fflush(log_);
}
