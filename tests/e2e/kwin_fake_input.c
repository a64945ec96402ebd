// Input as a person gives it on KDE Plasma: pointer moves, buttons and keys sent to KWin through
// its fake input Wayland protocol, as a remote-control program does. KWin offers that protocol
// to any client when it runs with KWIN_WAYLAND_NO_PERMISSION_CHECKS=1.
//
// It connects to $WAYLAND_DISPLAY, prints "ready" and then reads one request a line:
//   move X Y          the pointer to screen pixel X, Y
//   button CODE 1|0   press or release a button (Linux codes: 272 left, 273 right)
//   key CODE 1|0      press or release a key (Linux key codes)
//   sync              wait until KWin has taken everything before, then print "done"
// It ends at the end of its input, or on a request it does not know (exit status 2).

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wayland-client.h>

#include "fake-input-client-protocol.h"

enum { kNewestVersion = 4, kAbsoluteMotionSince = 3, kKeysSince = 4 };

struct Globals {
  struct org_kde_kwin_fake_input* fake_input;
  uint32_t version;
};

static void Announce(void* data, struct wl_registry* registry, uint32_t name, const char* interface,
                     uint32_t version) {
  struct Globals* globals = data;
  if (strcmp(interface, org_kde_kwin_fake_input_interface.name) != 0) return;
  globals->version = version < kNewestVersion ? version : kNewestVersion;
  globals->fake_input =
      wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, globals->version);
}

static void Withdraw(void* data, struct wl_registry* registry, uint32_t name) {
  (void)data;
  (void)registry;
  (void)name;
}

static const struct wl_registry_listener kRegistryListener = {Announce, Withdraw};

static int Serve(struct wl_display* display, struct Globals* globals) {
  char line[256];
  while (fgets(line, sizeof line, stdin) != NULL) {
    double x = 0;
    double y = 0;
    unsigned code = 0;
    unsigned state = 0;
    if (sscanf(line, "move %lf %lf", &x, &y) == 2 && globals->version >= kAbsoluteMotionSince) {
      org_kde_kwin_fake_input_pointer_motion_absolute(globals->fake_input, wl_fixed_from_double(x),
                                                      wl_fixed_from_double(y));
    } else if (sscanf(line, "button %u %u", &code, &state) == 2) {
      org_kde_kwin_fake_input_button(globals->fake_input, code, state);
    } else if (sscanf(line, "key %u %u", &code, &state) == 2 && globals->version >= kKeysSince) {
      org_kde_kwin_fake_input_keyboard_key(globals->fake_input, code, state);
    } else if (strcmp(line, "sync\n") == 0) {
      if (wl_display_roundtrip(display) < 0) return 1;
      puts("done");
      fflush(stdout);
      continue;
    } else {
      fprintf(stderr, "kwin_fake_input: cannot do this: %s", line);
      return 2;
    }
    if (wl_display_flush(display) < 0) return 1;
  }
  return wl_display_roundtrip(display) < 0 ? 1 : 0;
}

int main(void) {
  struct wl_display* display = wl_display_connect(NULL);
  if (display == NULL) {
    fprintf(stderr, "kwin_fake_input: no Wayland display to connect to\n");
    return 1;
  }
  struct Globals globals = {NULL, 0};
  struct wl_registry* registry = wl_display_get_registry(display);
  wl_registry_add_listener(registry, &kRegistryListener, &globals);
  if (wl_display_roundtrip(display) < 0 || globals.fake_input == NULL) {
    fprintf(stderr, "kwin_fake_input: the compositor offers no fake input\n");
    return 1;
  }
  org_kde_kwin_fake_input_authenticate(globals.fake_input, "Quillpad tests",
                                       "to click and type as a person does");
  if (wl_display_roundtrip(display) < 0) return 1;
  puts("ready");
  fflush(stdout);
  const int status = Serve(display, &globals);
  org_kde_kwin_fake_input_destroy(globals.fake_input);
  wl_registry_destroy(registry);
  wl_display_disconnect(display);
  return status;
}
