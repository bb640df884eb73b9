#pragma once
// A host's side of the module interface: loads a SAORI DLL with LoadLibrary
// and calls its exports the way a host does, with global blocks that the
// module takes over and response blocks that the host frees.
#include <windows.h>

#include <string>
#include <vector>

struct ModuleResponse {
  std::string bytes;           // the stored length's worth of bytes
  long storedLength = -1;      // what request stored through the length pointer
  bool nulAfterBytes = false;  // whether the byte after them is NUL
  bool blockReturned = false;  // whether request returned a block at all
};

class ModuleHost {
 public:
  // Loads the DLL; loaded() is false when it or one of its exports is missing.
  explicit ModuleHost(const wchar_t* fileName);
  // Frees the library (whose detach unloads any instance still there).
  ~ModuleHost();
  ModuleHost(const ModuleHost&) = delete;
  ModuleHost& operator=(const ModuleHost&) = delete;

  bool loaded() const { return load_ != nullptr && request_ != nullptr && unload_ != nullptr; }
  HMODULE library() const { return library_; }

  // Calls load with a block holding `text` (lengthBytes of it; -1 for all), or
  // with no block at all.
  BOOL Load(const std::string& text, long lengthBytes = -1);
  BOOL LoadWithoutBlock();
  ModuleResponse Request(const std::string& bytes, long lengthBytes = -1);
  BOOL Unload();

  // Frees the library now (the destructor then does nothing).
  void FreeNow();

 private:
  using LoadFn = BOOL(__cdecl*)(HGLOBAL, long);
  using RequestFn = HGLOBAL(__cdecl*)(HGLOBAL, long*);
  using UnloadFn = BOOL(__cdecl*)();

  HMODULE library_ = nullptr;
  LoadFn load_ = nullptr;
  RequestFn request_ = nullptr;
  UnloadFn unload_ = nullptr;
};

// EXECUTE request text in UTF-8 with the given arguments as Argument0, 1, ...
std::string ExecuteRequest(const std::vector<std::string>& args);

// The status code of a SAORI response ("SAORI/1.0 204 No Content ..."), or -1.
int StatusOf(const std::string& response);
