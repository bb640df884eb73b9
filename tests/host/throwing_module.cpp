// The module of ThrowingModule.dll: the same frame as Tesmir.dll, with hooks
// that throw, so a test can watch the exports contain every exception. The
// text given to load picks which hooks throw.
#include <stdexcept>

#include "frame/create_module.h"

namespace {

class ThrowingModule final : public CSAORI {
 public:
  void Execute(CSAORIRequest&, CSAORIResponse&) override {
    throw std::runtime_error("execute hook failed");
  }
  bool OnLoad() override {
    if (m_moduleDir == u"throw on load") throw std::runtime_error("load hook failed");
    return m_moduleDir != u"fail load";
  }
  bool OnUnload() override {
    if (m_moduleDir == u"throw on unload") throw 42;  // not even a std::exception
    return true;
  }
};

}  // namespace

CSAORIBase* CreateModule() { return new ThrowingModule(); }
