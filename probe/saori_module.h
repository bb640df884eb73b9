#pragma once
// A SAORI module loaded into the probe: the library, its three exports, and
// the memory hand-off they define (blocks in with GlobalAlloc, taken over by
// the module; the response block freed by the host).
#include <windows.h>

#include <optional>
#include <string>

#include "frame/win32_owners.h"

// Why a module could not be used, in one line for the person at the terminal.
struct ModuleLoadError {
  std::string message;
};

class SaoriModule {
 public:
  // Loads the library at path (a full path; its own folder is searched first for
  // the DLLs it needs) and finds load, request and unload. Nothing is called yet.
  static SaoriModule Open(const std::wstring& path, ModuleLoadError& error);

  SaoriModule(SaoriModule&& other) noexcept;
  SaoriModule& operator=(SaoriModule&&) = delete;
  // Calls unload when load was called and unload was not, then frees the library.
  ~SaoriModule();

  explicit operator bool() const { return static_cast<bool>(library_); }
  HMODULE library() const { return library_.get(); }

  // Calls the module's load with its own folder (ending in a backslash, in the
  // OEM code page, as modules read it). True when load returned non-zero.
  bool Load();

  // Sends the request bytes; the response bytes, or nullopt when the module
  // returned no block. The module owns the request block once it is passed.
  std::optional<std::string> Request(const std::string& requestBytes);

  // Calls unload once; true when it returned non-zero.
  bool Unload();

 private:
  using LoadFn = BOOL(__cdecl*)(HGLOBAL, long);
  using RequestFn = HGLOBAL(__cdecl*)(HGLOBAL, long*);
  using UnloadFn = BOOL(__cdecl*)();

  SaoriModule() = default;

  UniqueHmodule library_;
  std::wstring folder_;
  LoadFn load_ = nullptr;
  RequestFn request_ = nullptr;
  UnloadFn unload_ = nullptr;
  bool loaded_ = false;
};

// The folder of the running program, ending in a backslash.
std::wstring ProgramFolder();
