#pragma once

#include <cstdint>

#include "core/window.h"

namespace quillpad::win32 {

// Handles are 32-bit significant: the core keeps the low half, and 64-bit Windows
// sign-extends it back.
inline NativeHandle AsNative(const void* handle) {
  return static_cast<NativeHandle>(reinterpret_cast<std::uintptr_t>(handle));
}

template <typename Handle>
Handle FromNative(NativeHandle handle) {
  return reinterpret_cast<Handle>(static_cast<std::intptr_t>(static_cast<std::int32_t>(handle)));
}

}  // namespace quillpad::win32
