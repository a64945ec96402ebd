#pragma once

#include <memory>
#include <type_traits>

#include "frontends/win32/windows_api.h"

namespace quillpad::win32 {

// Calls the system function that gives a handle back.
template <auto Free>
struct FreeWith {
  template <typename Handle>
  void operator()(Handle handle) const {
    Free(handle);
  }
};

// A handle owned by one object and given back by `Free` when that object goes.
template <typename Handle, auto Free>
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<Handle>, FreeWith<Free>>;

inline void ReleaseObject(IUnknown* object) {
  object->Release();
}

using UniqueWindow = UniqueHandle<HWND, &DestroyWindow>;
using UniqueMenu = UniqueHandle<HMENU, &DestroyMenu>;
using UniqueAccelerators = UniqueHandle<HACCEL, &DestroyAcceleratorTable>;
using UniqueFont = UniqueHandle<HFONT, &DeleteObject>;
using UniqueBrush = UniqueHandle<HBRUSH, &DeleteObject>;
using UniqueKey = UniqueHandle<HKEY, &RegCloseKey>;
using UniqueGlobal = UniqueHandle<HGLOBAL, &GlobalFree>;
using UniqueLocal = UniqueHandle<HLOCAL, &LocalFree>;
template <typename Interface>
using UniqueObject = UniqueHandle<Interface*, &ReleaseObject>;

}  // namespace quillpad::win32
