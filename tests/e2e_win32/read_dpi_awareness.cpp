// Prints whether the process showing the Quillpad window says it is aware of the screen's
// scale: "aware" or "unaware". The process is asked itself, on a thread started in it at
// user32's IsProcessDPIAware, which lies at the same address in every process.
#include <windows.h>

#include <cstdio>

int wmain() {
  HWND window = FindWindowW(L"QuillpadForm", L"Quillpad v2");
  DWORD id = 0;
  if (window == nullptr || GetWindowThreadProcessId(window, &id) == 0) return 1;
  HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, id);
  if (process == nullptr) return 1;
  auto* ask = reinterpret_cast<LPTHREAD_START_ROUTINE>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"user32.dll"), "IsProcessDPIAware")));
  HANDLE thread = CreateRemoteThread(process, nullptr, 0, ask, nullptr, 0, nullptr);
  DWORD aware = 0;
  const bool answered = thread != nullptr && WaitForSingleObject(thread, 10000) == WAIT_OBJECT_0 &&
                        GetExitCodeThread(thread, &aware);
  if (thread != nullptr) CloseHandle(thread);
  CloseHandle(process);
  if (!answered) return 1;
  std::puts(aware != 0 ? "aware" : "unaware");
  return 0;
}
