#include "corekit/notify/cache_base.h"

#include "corekit/notify/cache_manager.h"

TCacheBase::TCacheBase() { TCacheManager::Register(*this); }

TCacheBase::TCacheBase(const TCacheBase&) {}

TCacheBase& TCacheBase::operator=(const TCacheBase&) { return *this; }

TCacheBase::~TCacheBase() { TCacheManager::UnRegister(*this); }

void TCacheBase::OnCacheUpdate() { TCacheManager::GetManager().OnCacheUpdate(*this); }

int TCacheBase::operator==(const TCacheBase& other) const { return this == &other; }
