#pragma once
// The module's one lock: a critical section set up with the best initialiser
// the running platform offers.
#include <windows.h>

class CSectionLock {
 public:
  // Initialises the section (extended initialiser with spin count 1500 and no
  // debug information, else the spin-count initialiser, else the plain one).
  // The platform version is probed once per process.
  CSectionLock();
  ~CSectionLock();
  CSectionLock(const CSectionLock&) = delete;
  CSectionLock& operator=(const CSectionLock&) = delete;

  // Both do nothing when the section could not be initialised.
  void Lock();
  void Unlock();

  // Whether the section was initialised; Lock and Unlock are no-ops otherwise.
  bool IsReady() const { return ready; }

 private:
  CRITICAL_SECTION section;
  bool ready;
};

// Holds a CSectionLock for one scope.
class [[nodiscard]] SectionGuard {
 public:
  explicit SectionGuard(CSectionLock& lock) : lock_(lock) { lock_.Lock(); }
  ~SectionGuard() { lock_.Unlock(); }
  SectionGuard(const SectionGuard&) = delete;
  SectionGuard& operator=(const SectionGuard&) = delete;

 private:
  CSectionLock& lock_;
};
