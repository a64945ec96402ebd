#pragma once

#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <functional>
#include <map>
#include <span>

#include "core/window.h"
#include "core/window_definition.h"

namespace quillpad::qt {

// What a window reports of its user's actions; each is run through the event boundary.
struct WindowEvents {
  std::function<void(ControlId)> click;
  std::function<void(MenuItemId)> menu_item;
  std::function<void(float x_twips, float y_twips)> mouse_move;
  std::function<void()> close_requested;
};

struct WindowLayout {
  const WindowDefinition& window;
  std::span<const ControlDefinition> controls;
  std::span<const MenuDefinition> menus;
  std::span<const MenuItemDefinition> menu_items;
};

// A real window built once from its definition; it carries out what the handlers ask and
// reports user events, deciding nothing itself.
class FormWindow : public QMainWindow, public Window {
 public:
  FormWindow(const WindowLayout& layout, const QIcon& icon, NativeHandle icon_handle);

  void SetEvents(WindowEvents events) { events_ = std::move(events); }

  QWidget* Control(ControlId id) const { return controls_.at(id); }
  QMenu* Menu(MenuId id) const { return menus_.at(id); }
  QAction* MenuItem(MenuItemId id) const { return menu_items_.at(id); }

  // Window
  void Show() override;
  void Hide() override;
  void Minimize() override;
  NativeHandle Handle() override;
  NativeHandle IconHandle() override;
  float Top() override;
  float Left() override;
  void SetTop(float twips) override;
  void SetLeft(float twips) override;
  VbBoolean Visible(ControlId control) override;
  void SetVisible(ControlId control, bool visible) override;
  Text GetText(ControlId control) override;
  void SetText(ControlId control, const Text& text) override;
  void AddItem(ControlId list, const Text& item) override;
  void PopupMenu(MenuId menu) override;

  void SetPinnedOnTop();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenus(const WindowLayout& layout);
  void BuildControls(const WindowLayout& layout);
  void PlaceWindow(const WindowDefinition& window);
  QWidget* CreateControl(const ControlDefinition& definition, QWidget* parent);
  bool IsMenuShortcut(const QKeyEvent& key) const;

  QWidget* client_ = nullptr;
  NativeHandle icon_handle_;
  WindowEvents events_;
  std::map<ControlId, QWidget*> controls_;
  std::map<MenuId, QMenu*> menus_;
  std::map<MenuItemId, QAction*> menu_items_;
};

}  // namespace quillpad::qt
