// Prints the application manifest that a Windows program carries: resource 1 of type
// RT_MANIFEST, which Windows reads as the process starts.
#include <windows.h>

#include <cstdio>

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  HMODULE program = LoadLibraryExW(argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (program == nullptr) return 1;
  HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  HGLOBAL loaded = found != nullptr ? LoadResource(program, found) : nullptr;
  const void* manifest = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (manifest == nullptr) return 1;
  std::fwrite(manifest, 1, SizeofResource(program, found), stdout);
  return 0;
}
