#pragma once
// The module base class: what every module offers the frame. CSAORIBase fixes
// the slots; CSAORI supplies the words of SAORI/1.0; a concrete module supplies
// Execute and the load and unload hooks.
#include "message/saori_records.h"
#include "message/text.h"

// HINSTANCE without <windows.h>: mingw-w64 declares it as HINSTANCE__* (STRICT).
struct HINSTANCE__;
using ModuleHandle = HINSTANCE__*;

// The library's own image handle, recorded at process attach and never changed.
extern ModuleHandle g_hModule;

class CSAORIBase {
 public:
  // Leaves m_moduleDir empty and sets the run-time locale to "Japanese"
  // (ignored when the platform has no such locale).
  CSAORIBase();
  virtual ~CSAORIBase();
  CSAORIBase(const CSAORIBase&) = delete;
  CSAORIBase& operator=(const CSAORIBase&) = delete;

  // Protocol words; each returns the same constant string on every call.
  virtual const WideString& GetProtocolVersion() = 0;
  virtual const WideString& GetProtocolMarker() = 0;
  virtual const WideString& GetArgumentPrefix() = 0;
  virtual const WideString& GetValuePrefix() = 0;
  virtual const WideString& GetResultKey() = 0;

  // Hooks around the execution of one request; the defaults change nothing.
  virtual void BeforeExecute(CSAORIRequest& request, CSAORIResponse& response);
  virtual void AfterExecute(CSAORIRequest& request, CSAORIResponse& response);
  // Must set response.status (the pipeline presets 500).
  virtual void Execute(CSAORIRequest& request, CSAORIResponse& response) = 0;
  // Whether a request from a non-local source was accepted; the default refuses.
  virtual bool ExecuteNonLocal(CSAORIRequest& request, CSAORIResponse& response);
  virtual bool OnUnload() = 0;
  virtual bool OnLoad() = 0;

  WideString m_moduleDir;             // the text given to load
  ModuleHandle m_hModule = nullptr;   // copy of g_hModule, set by load
};

// Speaks SAORI/1.0: "SAORI/1.0", " SAORI/", "Argument", "Value", "Result".
class CSAORI : public CSAORIBase {
 public:
  const WideString& GetProtocolVersion() override;
  const WideString& GetProtocolMarker() override;
  const WideString& GetArgumentPrefix() override;
  const WideString& GetValuePrefix() override;
  const WideString& GetResultKey() override;
};
