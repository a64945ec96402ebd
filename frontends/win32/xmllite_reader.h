#pragma once

#include <string>
#include <string_view>

#include "frontends/win32/unique_handle.h"
#include "frontends/win32/windows_api.h"
// clang-format off
#include <xmllite.h>
// clang-format on

namespace quillpad::win32 {

// An XmlLite reader over `bytes` that refuses any document type declaration, so that no
// entity is expanded and nothing outside the bytes is read; null, with the reason in
// `failure`, when the system cannot make one.
UniqueObject<IXmlReader> OpenXmlReader(std::string_view bytes, HRESULT& failure);

// What an error of XmlLite's means, for the user: its codes have no system messages.
std::wstring XmlLiteErrorText(HRESULT error);

}  // namespace quillpad::win32
