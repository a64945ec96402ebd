"""The tray the program docks its icon in, its icon there, the icon's clicks and its menu."""

import os
import re
import subprocess
import time

from Xlib import X, error as xerror

from process_groups import kill_group
from waiting import DEFAULT_TIMEOUT, wait_until

# The tray hosts: trayer docks XEmbed icons; Xfce's panel with only its status tray plugin
# hosts StatusNotifierItems and shows their menus itself. The panel stands at the bottom,
# clear of the main window's first place, which a window manager keeps out of its way.
XEMBED_TRAY = "trayer"
SNI_PANEL = "xfce4-panel"
PANEL_CHANNEL = """<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p=8;x=0;y=0"/>
      <property name="length" type="uint" value="100"/>
      <property name="position-locked" type="bool" value="true"/>
      <property name="size" type="uint" value="26"/>
      <property name="plugin-ids" type="array">
        <value type="int" value="1"/>
      </property>
    </property>
  </property>
  <property name="plugins" type="empty">
    <property name="plugin-1" type="string" value="systray"/>
  </property>
</channel>
"""
# The panel runs each plugin in a process of its own, whose windows carry this class.
PANEL_PLUGIN_CLASS = "wrapper-2.0"
SNI_WATCHER = ("org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher",
               "org.kde.StatusNotifierWatcher")
TRAYER_ARGS = ["--edge", "top", "--align", "right", "--widthtype", "pixel",
               "--width", "200", "--height", "24"]
# Within moments of the icon docking, a right-click can open the menu and close it again
# at once while the program settles its focus, and a panel still placing a new icon can
# take the first click of a double-click elsewhere; no person clicks so fast.
ICON_SETTLE = 0.5


class TrayHost:
    """trayer or the StatusNotifierItem panel (self.tray names which), run as self.trayer
    on the desktop's display and session bus."""

    def start_tray(self):
        if self.tray == SNI_PANEL:
            self._start_sni_panel()
            return
        self.trayer = subprocess.Popen(
            ["trayer", *TRAYER_ARGS], env=self.environment(), stdin=subprocess.DEVNULL,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        wait_until(self._tray_is_ready, what="trayer to own the tray selection")

    def stop_tray(self):
        """The panel goes away, as when it crashes."""
        kill_group(self.trayer)
        self.trayer = None

    def _start_sni_panel(self):
        channels = os.path.join(self.config_home, "xfce4", "xfconf", "xfce-perchannel-xml")
        os.makedirs(channels, exist_ok=True)
        with open(os.path.join(channels, "xfce4-panel.xml"), "w") as f:
            f.write(PANEL_CHANNEL)
        self.trayer = subprocess.Popen(
            ["xfce4-panel", "--disable-wm-check"], env=self.environment(),
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            start_new_session=True)
        wait_until(self._sni_panel_is_ready, what="the panel to host StatusNotifierItems")

    def _sni_panel_is_ready(self):
        if self.trayer.poll() is not None:
            raise AssertionError("the panel ended at start")
        return self.sni_items() is not None and self._panel_plugin_window() is not None

    def _tray_is_ready(self):
        owner = self.x.get_selection_owner(self.atom("_NET_SYSTEM_TRAY_S0"))
        return owner != X.NONE and self.panel() is not None

    def sni_items(self):
        """The items registered with the panel's StatusNotifierWatcher; None while there
        is no watcher."""
        service, path, interface = SNI_WATCHER
        result = subprocess.run(
            ["dbus-send", f"--bus={self.bus_address}", "--print-reply",
             f"--dest={service}", path, "org.freedesktop.DBus.Properties.Get",
             f"string:{interface}", "string:RegisteredStatusNotifierItems"],
            capture_output=True, text=True, timeout=DEFAULT_TIMEOUT)
        if result.returncode != 0:
            return None
        return re.findall(r'string "([^"]*)"', result.stdout)

    def _panel_plugin_window(self):
        """The status tray plugin's window inside the panel, where it draws its icons."""
        panel = self.panel()
        for window in self._descendants(panel) if panel else []:
            wm_class = self.window_class(window)
            if wm_class and PANEL_PLUGIN_CLASS in wm_class and self.is_mapped(window):
                return window
        return None

    def panel(self):
        if self.tray == SNI_PANEL:
            found = self.mapped_windows_named(SNI_PANEL)  # not its hidden leader window
        else:
            found = self.windows_named("panel")
        return found[0] if found else None

    # ---- the icon ---------------------------------------------------------

    def tray_icons(self):
        """Mapped windows docked in trayer's panel that carry the program's name; on the
        StatusNotifierItem panel, the plugin's window while the program's item is there
        (the panel's only item)."""
        if self.tray == SNI_PANEL:
            plugin = self._panel_plugin_window()
            icons = [plugin] if plugin is not None and self.sni_items() else []
        else:
            panel = self.panel()
            icons = [w for w in self._descendants(panel)
                     if self.window_name(w) == self.app_name and self.is_mapped(w)
                     ] if panel else []
        now = time.monotonic()
        self._icons_seen = {w.id: self._icons_seen.get(w.id, now) for w in icons}
        return icons

    def tray_icon(self):
        icons = wait_until(self.tray_icons, what="the tray icon")
        return icons[0]

    def wait_tray_icon_gone(self, timeout=DEFAULT_TIMEOUT):
        wait_until(lambda: not self.tray_icons(), timeout, what="the tray icon to go")

    def double_click_tray_icon(self):
        icon = self.tray_icon()
        self._let_icon_settle(icon)
        self.move_onto(icon)
        self.xdotool("click", "--repeat", 2, "--delay", 80, 1)

    def right_click_tray_icon(self):
        icon = self.tray_icon()
        self._let_icon_settle(icon)
        self.move_onto(icon)
        self.xdotool("click", 3)

    def _let_icon_settle(self, icon):
        first_seen = self._icons_seen.get(icon.id, time.monotonic())
        time.sleep(max(0.0, first_seen + ICON_SETTLE - time.monotonic()))

    def show_from_tray(self):
        self.double_click_tray_icon()
        return self.wait_main_window_mapped()

    # ---- the icon's menu --------------------------------------------------

    def panel_menu(self):
        """A menu the StatusNotifierItem panel shows: a mapped top-level window of its
        plugin's process."""
        for window in self.top_level_windows():
            wm_class = self.window_class(window)
            if wm_class and PANEL_PLUGIN_CLASS in wm_class and self._is_mapped_pop_up(window):
                return window
        return None

    def _is_mapped_pop_up(self, window):
        try:
            attributes = window.get_attributes()
        except xerror.XError:
            return False  # gone meanwhile
        return attributes.map_state == X.IsViewable and attributes.override_redirect

    def icon_menu(self):
        """The menu a right-click on the icon opens: the program's own pop-up, or on the
        StatusNotifierItem panel the one the panel shows for the item."""
        return self.panel_menu() if self.tray == SNI_PANEL else self.popup_menu()

    def wait_icon_menu(self):
        return wait_until(self.icon_menu, what="the icon's menu to open")

    def choose_tray_exit(self):
        """Right-click the icon and pick the pop-up menu's only item, "Выход"."""
        self.right_click_tray_icon()
        self.click_at(*self.geometry(self.wait_icon_menu()).centre)
