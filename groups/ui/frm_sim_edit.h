// The group editor window frmSimEdit (12300 x 8565 twips, window-modal; on a screen with less
// room the grid is shorter): the widgets of every control over the editor's state (SimEditor),
// placed in twips. User actions go to the editor's handlers; after each one the window shows
// the state again. The frame's close and Esc act as Exit.
#pragma once

#include <QPushButton>

#include <array>
#include <map>
#include <string>

#include "drawlib/ui/tag_dialog.h"
#include "groups/sim_editor.h"

class GroupGridModel;
class QLineEdit;
class QListWidget;
class QTableView;

class frmSimEdit : public TagDialog {
 public:
  explicit frmSimEdit(QWidget* parent = nullptr);
  ~frmSimEdit() override;

  SimEditor& editor() { return editor_; }
  // The group path in the tag; the editor's tag after it has hidden itself.
  void SetGroupPath(const std::string& path);
  QTableView* Grid1() const { return grid_; }
  QListWidget* lstIniItems() const { return list_; }
  QLineEdit* txtGridEdit() const { return edit_; }
  QPushButton* Button(const std::string& name) const;
  // Shows the editor's state again.
  void Refresh();

 protected:
  void showEvent(QShowEvent* event) override;
  void FrameClose() override;
  void EscapePressed() override;

 private:
  QPushButton* AddButton(const char* name, const QString& caption, const char* tip, int left,
                         int top, int width, void (SimEditor::*handler)());
  QLineEdit* AddBox(int left, int top, int width, const char* tip);
  QRect Twips(int left, int top, int width, int height) const;
  void Run(void (SimEditor::*handler)());
  void AfterAction();

  SimEditor editor_;
  double twipsPerPixel_;
  QTableView* grid_;
  GroupGridModel* model_;
  QListWidget* list_;
  QLineEdit* edit_;
  QLineEdit* boxWidth_;
  QLineEdit* boxHeight_;
  std::map<std::string, QPushButton*> buttons_;
  bool refreshing_ = false;
};

// Shows the group editor modally over the parent with the group path; returns its tag.
std::string RunSimEditor(QWidget* parent, const std::string& groupPath,
                         const std::string& helpFolder);
