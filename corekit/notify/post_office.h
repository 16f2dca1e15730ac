#pragma once

// The post office: a publish/subscribe mechanism over a message type T. Targets attach to the
// office of their message type; every message posted there is handed to each attached target,
// synchronously and in attachment order.

template <typename T>
class TPostOffice;

// What an office holds and calls: a receiver of messages of type T.
template <typename T>
class TPostTargetBase {
public:
  TPostTargetBase();
  // Targets carry no data: copies copy nothing and attach nothing.
  TPostTargetBase(const TPostTargetBase&);
  TPostTargetBase& operator=(const TPostTargetBase&);
  virtual ~TPostTargetBase();

  // Called once for each delivered message. The message belongs to the poster: it must not be kept
  // after the call.
  virtual void OnPost(const T& message) = 0;

  // Called by an office that is being destroyed while this target is attached to it. It must not
  // attach or remove targets of that office.
  virtual void Detach(TPostOffice<T>& office);
};

template <typename T>
TPostTargetBase<T>::TPostTargetBase() {}

template <typename T>
TPostTargetBase<T>::TPostTargetBase(const TPostTargetBase&) {}

template <typename T>
TPostTargetBase<T>& TPostTargetBase<T>::operator=(const TPostTargetBase&) {
  return *this;
}

template <typename T>
TPostTargetBase<T>::~TPostTargetBase() {}

template <typename T>
void TPostTargetBase<T>::Detach(TPostOffice<T>&) {}

// Which posts an attached target does not receive: by default none. A message type may specialise
// it, before an office of that type is instantiated.
template <typename T>
struct TPostFilter {
  // True when target does not receive message.
  static bool Skip(const T&, TPostTargetBase<T>&) { return false; }
};

// The office interface. Offices are process-wide objects, never deleted through it.
template <typename T>
class TPostOffice {
public:
  // Hands the message to every attached target, in attachment order; targets may attach and
  // remove targets, and post again, from inside OnPost.
  virtual void Deliver(const T& message) = 0;
  // True when at least one target entry is present.
  virtual bool HasTargets() = 0;
  // Removes the first entry equal to target; nothing when there is none.
  virtual void RemoveTarget(TPostTargetBase<T>* target) = 0;
  // Appends target (a duplicate gives a second entry).
  virtual void AddTarget(TPostTargetBase<T>* target) = 0;

protected:
  // Made, copied and destroyed only as part of a derived office.
  TPostOffice() = default;
  TPostOffice(const TPostOffice&) = default;
  TPostOffice& operator=(const TPostOffice&) = default;
  ~TPostOffice() = default;
};
