#pragma once

#include <typeinfo>

#include "corekit/notify/post_office.h"

// A target that is attached to the process's office of its message type from the end of its
// constructor to the start of its destructor. Subscribers derive from it and implement OnPost. The
// office comes from GetPostOffice(TPostOffice<T>*&): the overload of the message type where one
// exists (cache posts), else the process-wide office that the library keeps for the type.
template <typename T>
class TPostTarget : public TPostTargetBase<T> {
public:
  TPostTarget();
  // A copy is not attached: it receives no posts.
  TPostTarget(const TPostTarget& other);
  TPostTarget& operator=(const TPostTarget&);
  ~TPostTarget() override;
};

template <typename T>
TPostTarget<T>::TPostTarget() {
  TPostOffice<T>* office = nullptr;
  GetPostOffice(office);
  office->AddTarget(this);
}

template <typename T>
TPostTarget<T>::TPostTarget(const TPostTarget& other) : TPostTargetBase<T>(other) {}

template <typename T>
TPostTarget<T>& TPostTarget<T>::operator=(const TPostTarget&) {
  return *this;
}

template <typename T>
TPostTarget<T>::~TPostTarget() {
  TPostOffice<T>* office = nullptr;
  GetPostOffice(office);
  office->RemoveTarget(this);
}

namespace corekit::internal {

// False while the target's most derived part is not built yet (a cache that is another base of the
// target posts from its constructor): it is only a TPostTarget<T> or TPostTargetBase<T> then,
// without a handler, and misses that post.
template <typename T>
bool IsWholeTarget(TPostTargetBase<T>& target) {
  const std::type_info& type = typeid(target);
  return type != typeid(TPostTarget<T>) && type != typeid(TPostTargetBase<T>);
}

// Calls the target's OnPost unless the message type's filter skips it.
template <typename T>
void PostUnlessSkipped(TPostTargetBase<T>& target, const T& message) {
  if (!TPostFilter<T>::Skip(message, target)) target.OnPost(message);
}

}  // namespace corekit::internal

// Every other message type's office: the library's shared one.
#include "corekit/notify/shared_post_office.h"
