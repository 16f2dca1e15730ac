#pragma once

#include "corekit/notify/post_office.h"

// A target that is attached to the process's office of its message type from the end of its
// constructor to the start of its destructor. Subscribers derive from it and implement OnPost. The
// office comes from GetPostOffice(TPostOffice<T>*&), which exists for each message type served.
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
