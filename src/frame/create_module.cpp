#include "frame/create_module.h"

#include "bridge/saori_di.h"

CSAORIBase* CreateModule() { return new CSAORIDi(); }
