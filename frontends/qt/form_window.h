#pragma once

#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <functional>
#include <map>
#include <span>

#include "core/window.h"
#include "core/window_definition.h"
#include "core/window_events.h"
#include "frontends/qt/client_area.h"

namespace quillpad::qt {

// A real window built once from its definition; it carries out what the handlers ask and
// reports user events, deciding nothing itself.
class FormWindow : public QMainWindow, public Window {
 public:
  // Whether the window's controls and menu bar come with it or only from MakeControls; its
  // menus, size and place come with it either way.
  enum class Controls { kMade, kLater };

  FormWindow(const WindowLayout& layout, NativeHandle icon_handle,
             Controls controls = Controls::kMade);

  // Makes the controls and menu bar the window was built without, as they would have come
  // with it.
  void MakeControls();

  void SetEvents(WindowEvents events);
  // Called after every Show, so that the desktop can keep pinned windows in front.
  void SetAfterShow(std::function<void()> after_show) { after_show_ = std::move(after_show); }

  QWidget* Control(ControlId id) const { return controls_.at(id); }
  QMenu* Menu(MenuId id) const { return menus_.at(id); }

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
  float Width() override;
  float Height() override;
  bool PlaceKnown() override;
  VbBoolean Visible(ControlId control) override;
  void SetVisible(ControlId control, bool visible) override;
  Text GetText(ControlId control) override;
  void SetText(ControlId control, const Text& text) override;
  void SetTextColour(ControlId control, Colour colour) override;
  void SetAccessibleName(ControlId control, const Text& name) override;
  void AddItem(ControlId list, const Text& item) override;
  void PopupMenu(MenuId menu) override;
  void SetNotificationIconMenu(MenuId menu) override;

  // The menu the window's notification icon offers to a desktop that shows it itself; null
  // when the icon offers none.
  QMenu* notification_icon_menu() const { return notification_icon_menu_; }

  void SetPinnedOnTop();
  bool pinned() const { return pinned_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenus(const WindowLayout& layout);
  // The window's outer place and height are the made menu bar's: it is made when they are
  // first read, if the controls have not come yet.
  void MakeMenuBar();
  void BuildControls();
  void PlaceWindow(const WindowDefinition& window, int menu_bar_height);
  // Gives the window room above the client area for a menu bar this high.
  void SetMenuBarRoom(int height);
  void MoveOuterCorner(QPoint corner);
  // The frame's place and size on the screen, as the desktop last told them.
  QRect OuterGeometry() const;
  QWidget* CreateControl(const ControlDefinition& definition, QWidget* parent);
  bool IsMenuShortcut(const QKeyEvent& key) const;
  void ReportLabelEvent(QObject* watched, const QEvent& event);
  bool TakeKey(QObject* watched, const QEvent& event);
  bool TakeFileDrop(QEvent& event);

  std::span<const ControlDefinition> control_definitions_;
  std::span<const MenuDefinition> menu_definitions_;
  ClientArea* client_ = nullptr;
  bool controls_made_ = false;
  bool menu_bar_made_ = false;
  // Where the definition puts the client area, and which of its outer corner's coordinates
  // the handlers have set since.
  QPoint client_place_;
  bool top_set_ = false;
  bool left_set_ = false;
  // The menu bar's height the window has room for.
  int menu_bar_height_ = 0;
  NativeHandle icon_handle_;
  bool pinned_ = false;
  WindowEvents events_;
  std::function<void()> after_show_;
  std::map<ControlId, QWidget*> controls_;
  std::map<const QObject*, ControlId> labels_;
  std::map<const QObject*, ControlKind> focusable_;
  std::map<MenuId, QMenu*> menus_;
  QMenu* notification_icon_menu_ = nullptr;
  std::map<MenuItemId, QAction*> menu_items_;
};

}  // namespace quillpad::qt
