// The library's exports and its entry-point callback: the only code the host
// calls. Host blocks are copied and freed at once, responses go back in a fixed
// global block with one NUL after them, and no exception ever reaches the host.
#include <windows.h>

#include <cstring>
#include <exception>
#include <utility>

#include "frame/create_module.h"
#include "frame/request_pipeline.h"
#include "frame/win32_owners.h"
#include "message/charset.h"

extern "C" {
BOOL __cdecl load(HGLOBAL text, long length);
HGLOBAL __cdecl request(HGLOBAL requestBlock, long* length);
BOOL __cdecl unload();
}

namespace {

constexpr char16_t kInternalErrorTail[] = u" 500 Internal Server Error\r\n\r\n";
// What is answered when even composing the fallback fails (for example out of
// memory): the same 39 bytes, from read-only data.
constexpr char kBareInternalError[] = "SAORI/1.0 500 Internal Server Error\r\n\r\n";

// Takes ownership of a block the host handed over, copies `length` bytes out of
// it (never more than the block holds) and frees it, also if copying throws.
ByteString TakeHostBlock(HGLOBAL block, long length) {
  UniqueGlobal owned(block);
  if (!owned || length <= 0) return ByteString();
  // A length beyond the block would read memory that is not the host's text.
  const SIZE_T available = ::GlobalSize(owned.get());
  const SIZE_T wanted = static_cast<SIZE_T>(length);
  // A fixed block's handle is its address.
  return ByteString(static_cast<const char*>(owned.get()), wanted < available ? wanted : available);
}

// The status line and empty line of a bare 500 answer, in the OEM code page.
ByteString BareInternalError(const WideString& protocolVersion) {
  return WideToMultiByte(protocolVersion + kInternalErrorTail, kCodepageOem);
}

// A block the host frees: the bytes and one NUL after them. Null when
// allocating fails.
HGLOBAL MakeResponseBlock(const char* bytes, std::size_t size) {
  UniqueGlobal block(::GlobalAlloc(GMEM_FIXED, size + 1));
  if (!block) return nullptr;
  char* out = static_cast<char*>(block.get());
  std::memcpy(out, bytes, size);
  out[size] = '\0';
  return block.release();
}

}  // namespace

extern "C" BOOL __cdecl load(HGLOBAL text, long length) {
  UniqueGlobal hostBlock(text);  // ours from here on, whatever happens
  try {
    if (g_module != nullptr) unload();
    g_module = CreateModule();
    if (hostBlock) {
      const ByteString bytes = TakeHostBlock(hostBlock.release(), length);
      g_module->m_moduleDir = MultiByteToWide(bytes, kCodepageOem);
      g_module->m_hModule = g_hModule;
    }
  } catch (...) {
    // Without an instance there is no load hook to run.
    if (g_module == nullptr) return FALSE;
  }
  try {
    return g_module->OnLoad() ? TRUE : FALSE;
  } catch (...) {
    return FALSE;  // the instance stays; unload releases it
  }
}

extern "C" HGLOBAL __cdecl request(HGLOBAL requestBlock, long* length) {
  ByteString response;
  bool answered = false;
  try {
    const ByteString requestBytes = TakeHostBlock(requestBlock, length != nullptr ? *length : 0);
    // Without an instance there is nobody to serve the request.
    response = g_module != nullptr ? HandleRequest(requestBytes) : BareInternalError(u"SAORI/1.0");
    answered = true;
  } catch (...) {
    try {
      response = BareInternalError(g_module != nullptr ? g_module->GetProtocolVersion()
                                                            : WideString(u"SAORI/1.0"));
      answered = true;
    } catch (...) {
      // Falls through to the read-only answer below.
    }
  }
  const char* bytes = answered ? response.data() : kBareInternalError;
  const std::size_t size = answered ? response.size() : sizeof(kBareInternalError) - 1;
  if (length != nullptr) *length = static_cast<long>(size);
  return MakeResponseBlock(bytes, size);
}

extern "C" BOOL __cdecl unload() {
  if (g_module == nullptr) return TRUE;
  bool unloaded = false;
  try {
    unloaded = g_module->OnUnload();
  } catch (...) {
    unloaded = false;
  }
  // The instance goes whatever the hook did; destructors do not throw.
  CSAORIBase* instance = std::exchange(g_module, nullptr);
  delete instance;
  return unloaded ? TRUE : FALSE;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      g_hModule = instance;
      break;
    case DLL_PROCESS_DETACH:
      // At process exit the polling thread is already gone, so the stop inside
      // returns at once. A FreeLibrary while polling cannot get here: the
      // thread holds its own reference until it has stopped.
      unload();
      break;
    default:
      break;
  }
  return TRUE;
}
