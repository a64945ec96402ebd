#pragma once

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace quillpad {

// The program's loaded windows in the order they were loaded, each with its unload handler,
// as a desktop keeps them; `Held` is how the front end holds one of its windows.
template <typename Held>
class LoadedWindows {
 public:
  void Add(Held window, std::function<void()> unload) {
    entries_.push_back({std::move(window), std::move(unload)});
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
    Held window;
    std::function<void()> unload;
    bool unloading = false;
  };

  std::vector<Entry> entries_;
};

}  // namespace quillpad
