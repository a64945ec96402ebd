#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/errors.h"
#include "core/window.h"

namespace quillpad {

// The program's loaded windows in the order they were loaded, each with its definition's
// name and its unload handler, as a desktop keeps them; `Held` is how the front end holds
// one of its windows.
template <typename Held>
class LoadedWindows {
 public:
  void Add(std::string name, Held window, std::function<void()> unload) {
    entries_.push_back({std::move(name), std::move(window), std::move(unload)});
  }

  int Count() const { return static_cast<int>(entries_.size()); }
  const Held& At(int index) const { return entries_.at(static_cast<std::size_t>(index)).window; }

  // The index of the first window that `matches`, or -1.
  template <typename Predicate>
  int IndexWhere(Predicate matches) const {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
      if (matches(entries_[i].window)) return static_cast<int>(i);
    }
    return -1;
  }

  // The first window loaded by that name, or null.
  Window* Find(std::string_view name) const {
    for (const Entry& entry : entries_) {
      if (entry.name == name && entry.window != nullptr) return &*entry.window;
    }
    return nullptr;
  }

  // The window that `make` creates, and adds, for the name; `make` gives null for a name it
  // does not know, and an empty `make` knows none.
  Window& Load(std::string_view name, const std::function<Window*(std::string_view)>& make) {
    Window* window = make ? make(name) : nullptr;
    if (window == nullptr) {
      throw PlatformError("Окно «" + std::string(name) + "» не удалось создать.");
    }
    return *window;
  }

  // Runs the window's unload handler, then takes it out of the loaded windows and hands it
  // back to be closed. A window already being unloaded gives nothing, its handler not
  // running twice; a handler that throws leaves its window loaded, as it was.
  std::optional<Held> Unload(int index) {
    Entry& entry = entries_.at(static_cast<std::size_t>(index));
    if (entry.unloading) return std::nullopt;
    entry.unloading = true;
    try {
      entry.unload();
    } catch (...) {
      entries_.at(static_cast<std::size_t>(index)).unloading = false;
      throw;
    }
    Held window = std::move(entries_.at(static_cast<std::size_t>(index)).window);
    entries_.erase(entries_.begin() + index);
    return window;
  }

 private:
  struct Entry {
    std::string name;
    Held window;
    std::function<void()> unload;
    bool unloading = false;
  };

  std::vector<Entry> entries_;
};

}  // namespace quillpad
