#include "main_window/form1_events.h"

namespace quillpad {

MainWindowEvents Form1Events(Form1& form, Desktop& desktop, const HandlerRunner& run) {
  return {
      .window =
          {
              .click = [&form,
                        run](ControlId control) { run([&] { form.Control_Click(control); }); },
              .menu_item = [&form,
                            run](MenuItemId item) { run([&] { form.MenuItem_Click(item); }); },
              .mouse_move =
                  [&form, run](float x, float y) { run([&] { form.Form_MouseMove(0, 0, x, y); }); },
              .close_requested = [&desktop, run] { run([&] { desktop.UnloadWindow(0); }); },
              .notification_area_created = [&form,
                                            run] { run([&] { form.NotificationArea_Created(); }); },
              .files_dropped =
                  [&form, run](const std::vector<Text>& paths) {
                    run([&] { form.Form_OLEDragDrop(paths); });
                  },
              .session_save_requested = [&form,
                                         run] { run([&] { form.Session_SaveRequested(); }); },
              .run_ended = [&form, run] { run([&] { form.Run_Ended(); }); },
          },
      .tray_activated =
          [&form, run](TrayActivation activation, std::int64_t time_ms,
                       std::int64_t double_click_interval_ms) {
            run([&] { form.TrayIcon_Activated(activation, time_ms, double_click_interval_ms); });
          },
      .notification_area_changed =
          [&form, run](bool present) {
            run([&] {
              if (present) {
                form.NotificationArea_Created();
              } else {
                form.NotificationArea_Gone();
              }
            });
          },
      .started_again =
          [&form, run](bool message_open) {
            auto answer = StartedAgainAnswer::kEnding;
            run([&] { answer = form.Form_StartedAgain(message_open); });
            return answer;
          },
      .load = [&form, run] { run([&] { form.Form_Load(); }); },
  };
}

}  // namespace quillpad
