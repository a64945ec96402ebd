#pragma once

// The Windows headers the front end uses, windows.h first: the others need its types.
// clang-format off
#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>
#include <objbase.h>
#include <ocidl.h>
#include <olectl.h>
#include <shellapi.h>
// clang-format on
