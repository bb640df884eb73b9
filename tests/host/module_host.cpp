#include "host/module_host.h"

#include <cstring>

namespace {

// A fixed block holding the bytes, as a host hands it over.
HGLOBAL BlockOf(const std::string& bytes) {
  HGLOBAL block = ::GlobalAlloc(GMEM_FIXED, bytes.size() == 0 ? 1 : bytes.size());
  if (block != nullptr && !bytes.empty()) std::memcpy(block, bytes.data(), bytes.size());
  return block;
}

template <typename Fn>
Fn Export(HMODULE library, const char* name) {
  if (library == nullptr) return nullptr;
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(library, name)));
}

}  // namespace

ModuleHost::ModuleHost(const wchar_t* fileName)
    : library_(::LoadLibraryW(fileName)),
      load_(Export<LoadFn>(library_, "load")),
      request_(Export<RequestFn>(library_, "request")),
      unload_(Export<UnloadFn>(library_, "unload")) {}

ModuleHost::~ModuleHost() { FreeNow(); }

void ModuleHost::FreeNow() {
  if (library_ != nullptr) ::FreeLibrary(library_);
  library_ = nullptr;
  load_ = nullptr;
  request_ = nullptr;
  unload_ = nullptr;
}

BOOL ModuleHost::Load(const std::string& text, long lengthBytes) {
  return load_(BlockOf(text), lengthBytes < 0 ? static_cast<long>(text.size()) : lengthBytes);
}

BOOL ModuleHost::LoadWithoutBlock() { return load_(nullptr, 0); }

ModuleResponse ModuleHost::Request(const std::string& bytes, long lengthBytes) {
  long length = lengthBytes < 0 ? static_cast<long>(bytes.size()) : lengthBytes;
  HGLOBAL block = request_(BlockOf(bytes), &length);
  ModuleResponse response;
  response.storedLength = length;
  response.blockReturned = block != nullptr;
  if (block != nullptr) {
    const char* data = static_cast<const char*>(block);
    response.bytes.assign(data, static_cast<std::size_t>(length));
    response.nulAfterBytes = data[length] == '\0';
    ::GlobalFree(block);  // the host's to free
  }
  return response;
}

BOOL ModuleHost::Unload() { return unload_(); }

std::string ExecuteRequest(const std::vector<std::string>& args) {
  std::string text = "EXECUTE SAORI/1.0\r\nCharset: UTF-8\r\n";
  for (std::size_t i = 0; i < args.size(); ++i) {
    text += "Argument" + std::to_string(i) + ": " + args[i] + "\r\n";
  }
  return text + "\r\n";
}

int StatusOf(const std::string& response) {
  const std::size_t space = response.find(' ');
  if (space == std::string::npos || response.size() < space + 4) return -1;
  int status = 0;
  for (std::size_t i = space + 1; i < space + 4; ++i) {
    if (response[i] < '0' || response[i] > '9') return -1;
    status = status * 10 + (response[i] - '0');
  }
  return status;
}
