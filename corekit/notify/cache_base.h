#pragma once

#include "corekit/core/kstring.h"
#include "corekit/export.h"

// The base of the suite's caches. A cache registers with the cache manager when it is constructed
// and unregisters when it is destroyed; both are announced to the targets of cache posts. A copy is
// not registered (its destruction still announces an unregistration).
class COREKIT_API TCacheBase {
public:
  // Registers the cache; a copy is not registered.
  TCacheBase();
  TCacheBase(const TCacheBase& other);
  // Changes nothing: the cache keeps its registration.
  TCacheBase& operator=(const TCacheBase& other);
  virtual ~TCacheBase();

  // Announces that the cache's content changed (a CacheUpdated post).
  virtual void OnCacheUpdate();

  // What every cache offers its users; the library itself calls none of these.
  // Empties the cache.
  virtual void ClearCache() = 0;
  // Reads the cache's content again from its source.
  virtual void ReloadCache() = 0;
  // True when the cache holds nothing.
  virtual bool IsCacheEmpty() const = 0;
  // The number of entries the cache holds.
  virtual unsigned long GetCacheSize() const = 0;
  // A name of the cache for its users.
  virtual KString GetCacheName() const = 0;

  // True when the cache holds changes that FlushCache should write; asked by the manager's Flush.
  virtual bool NeedsFlush() = 0;
  // Writes the cache's changes; called by the manager's Flush when NeedsFlush said so.
  virtual void FlushCache() = 0;

  // 1 when both are the same object.
  int operator==(const TCacheBase& other) const;
};
