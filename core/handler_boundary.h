#pragma once

#include <functional>
#include <string_view>

namespace quillpad {

// How a front end calls every handler: a failure ends that handler only and is reported
// to the user with `report` (what failed and why), and the program goes on; the end of the
// process unwinds quietly; once the process has ended no handler runs again. Nothing is
// thrown out of it, so no exception crosses the toolkit's own code.
void RunHandler(bool process_ended, const std::function<void()>& handler,
                const std::function<void(std::string_view what)>& report);

}  // namespace quillpad
