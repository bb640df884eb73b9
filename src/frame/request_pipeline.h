#pragma once
// Request bytes in, response bytes out, on the host's calling thread.
#include "frame/saori_base.h"
#include "message/text.h"

// The single module instance; null while none exists. Only the entry points
// create and destroy it.
extern CSAORIBase* g_module;

// Answers one request with g_module, which must exist. Catches nothing: an
// exception from here or from a hook is the caller's to contain.
ByteString HandleRequest(const ByteString& requestBytes);
