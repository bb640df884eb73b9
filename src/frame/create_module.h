#pragma once
// The one place a frame names its concrete module class.
#include "frame/saori_base.h"

// Returns a new, fully constructed module; the entry points own and delete it.
CSAORIBase* CreateModule();
