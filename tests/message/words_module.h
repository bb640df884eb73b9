#pragma once
// A module that only speaks the SAORI/1.0 words, for tests of the parser and
// the composer, which ask the module for them.
#include "frame/saori_base.h"

class WordsModule : public CSAORI {
 public:
  void Execute(CSAORIRequest&, CSAORIResponse&) override {}
  bool OnUnload() override { return true; }
  bool OnLoad() override { return true; }
};
