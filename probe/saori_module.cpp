#include "saori_module.h"

#include <cstring>
#include <utility>

#include "text_codec.h"

namespace {

// The system's text for a Win32 error code, on one line.
std::string ErrorText(DWORD code) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
      reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text = length ? std::wstring(buffer, length) : L"";
  LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ' || text.back() == L'.')) {
    text.pop_back();
  }
  return "error " + std::to_string(code) + (text.empty() ? "" : ": " + Utf8FromWide(text));
}

std::wstring FolderOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? L"" : path.substr(0, slash + 1);
}

// Copies bytes into a fixed global block, the form the module expects and frees.
UniqueGlobal BlockWith(const std::string& bytes) {
  UniqueGlobal block(GlobalAlloc(GMEM_FIXED, bytes.empty() ? 1 : bytes.size()));
  if (block && !bytes.empty()) std::memcpy(block.get(), bytes.data(), bytes.size());
  return block;
}

}  // namespace

std::wstring ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return FolderOf(path);
}

SaoriModule SaoriModule::Open(const std::wstring& path, ModuleLoadError& error) {
  SaoriModule module;
  const std::string shownPath = Utf8FromWide(path);
  if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    error.message = "module not found: " + shownPath +
                    " (build it with: cmake --build --preset win32 --target Tesmir, or give --module PATH)";
    return module;
  }
  module.library_.reset(LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
  if (!module.library_) {
    error.message = "cannot load module " + shownPath + " (" + ErrorText(GetLastError()) +
                    "); it must be a 32-bit Windows DLL whose DLLs are beside it or on the PATH";
    return module;
  }
  const HMODULE library = module.library_.get();
  module.load_ = reinterpret_cast<LoadFn>(reinterpret_cast<void*>(GetProcAddress(library, "load")));
  module.request_ = reinterpret_cast<RequestFn>(reinterpret_cast<void*>(GetProcAddress(library, "request")));
  module.unload_ = reinterpret_cast<UnloadFn>(reinterpret_cast<void*>(GetProcAddress(library, "unload")));
  if (!module.load_ || !module.request_ || !module.unload_) {
    error.message = shownPath + " is not a SAORI module: it must export load, request and unload";
    module.library_.reset();
    return module;
  }
  module.folder_ = FolderOf(path);
  return module;
}

SaoriModule::SaoriModule(SaoriModule&& other) noexcept
    : library_(std::move(other.library_)),
      folder_(std::move(other.folder_)),
      load_(other.load_),
      request_(other.request_),
      unload_(other.unload_),
      loaded_(std::exchange(other.loaded_, false)) {}

SaoriModule::~SaoriModule() {
  if (loaded_) Unload();
}

bool SaoriModule::Load() {
  const std::string folderBytes = EncodeFromUtf8(Utf8FromWide(folder_), CP_OEMCP).value_or(std::string());
  UniqueGlobal block = BlockWith(folderBytes);
  loaded_ = true;  // unload is owed even when load reports failure
  // The module takes the block over and frees it, whatever load returns.
  return load_(block.release(), static_cast<long>(folderBytes.size())) != FALSE;
}

std::optional<std::string> SaoriModule::Request(const std::string& requestBytes) {
  UniqueGlobal block = BlockWith(requestBytes);
  if (!block) return std::nullopt;
  long length = static_cast<long>(requestBytes.size());
  // From here the request block is the module's; the response block is ours.
  UniqueGlobal response(request_(block.release(), &length));
  if (!response) return std::nullopt;
  const SIZE_T blockSize = GlobalSize(response.get());
  if (length < 0) length = 0;
  // Never read past the block, whatever length the module reported.
  if (blockSize != 0 && static_cast<SIZE_T>(length) > blockSize) length = static_cast<long>(blockSize);
  return std::string(static_cast<const char*>(response.get()), static_cast<std::size_t>(length));
}

bool SaoriModule::Unload() {
  if (!loaded_) return true;
  loaded_ = false;
  return unload_() != FALSE;
}
