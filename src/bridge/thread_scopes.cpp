#include "bridge/thread_scopes.h"

#include <mmsystem.h>
#include <objbase.h>

ComApartmentScope::ComApartmentScope() {
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
}

void ComApartmentScope::end() {
  if (!active_) return;
  active_ = false;
  ::CoUninitialize();
}

TimerResolutionScope::TimerResolutionScope() { ::timeBeginPeriod(1); }

void TimerResolutionScope::end() {
  if (!active_) return;
  active_ = false;
  ::timeEndPeriod(1);
}
