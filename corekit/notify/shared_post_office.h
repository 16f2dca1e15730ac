#pragma once

// One office per message type for the whole process, for any message type: the library keeps it,
// so that every module (the application, each plug-in) reaches the same one.
//
//   struct TFixReady { int Satellites; };
//   class TFixView : public TPostTarget<TFixReady> {
//     void OnPost(const TFixReady& fix) override { ... }
//   };
//   PostToOffice(TFixReady{7});  // every TFixView of the process receives it
//
// The office is found by the type's name, which must therefore be unique in the process: a type
// in an unnamed namespace that two modules declare alike shares its office.

#include <typeinfo>

#include "corekit/export.h"
#include "corekit/notify/post_office.h"
#include "corekit/notify/post_target.h"

// What an office calls on its targets of one message type: functions of the module that hands
// them over (the office keeps no code of its own for the type, so any module may be unloaded).
struct TPostCalls {
  bool (*IsWhole)(void* target);                    // true once the target's handler exists
  void (*Post)(void* target, const void* message);  // OnPost, unless the type's filter skips it
  void (*Detach)(void* target);                     // Detach, with the module's own office
};

// The library's office of one message type: target pointers in attachment order, delivered as
// kx_std::list_postoffice does. Used through GetPostOffice's TPostOffice<T>, not directly.
class COREKIT_API TSharedPostOffice {
public:
  // The office of the type named key, made at the first call for that name; the same object on
  // every later call, also after the library's unload has detached its targets.
  static TSharedPostOffice& Find(const char* key);

  // Appends target; calls must stay while the target is attached (the target's own module).
  void AddTarget(void* target, const TPostCalls& calls);
  // Removes the first entry of target; nothing when there is none.
  void RemoveTarget(void* target);
  // True when at least one entry is present.
  bool HasTargets() const;
  // Hands message to every attached target through the poster's calls.
  void Deliver(const void* message, const TPostCalls& calls);

  // One object per type name: never copied.
  TSharedPostOffice(const TSharedPostOffice&) = delete;
  TSharedPostOffice& operator=(const TSharedPostOffice&) = delete;

protected:
  // Made and kept by the library alone.
  TSharedPostOffice() = default;
  ~TSharedPostOffice() = default;
};

namespace corekit::internal {

// A module's typed view of the library's office of T: what the module's GetPostOffice yields and
// what its targets are detached with.
template <typename T>
class SharedOfficeView final : public TPostOffice<T> {
public:
  static SharedOfficeView& Get() {
    static SharedOfficeView view;
    return view;
  }

  void Deliver(const T& message) override { m_office.Deliver(&message, Calls); }
  bool HasTargets() override { return m_office.HasTargets(); }
  void RemoveTarget(TPostTargetBase<T>* target) override { m_office.RemoveTarget(target); }
  void AddTarget(TPostTargetBase<T>* target) override { m_office.AddTarget(target, Calls); }

private:
  SharedOfficeView() : m_office(TSharedPostOffice::Find(typeid(T).name())) {}

  static TPostTargetBase<T>& Target(void* target) {
    return *static_cast<TPostTargetBase<T>*>(target);
  }
  static bool IsWhole(void* target) { return IsWholeTarget(Target(target)); }
  static void Post(void* target, const void* message) {
    PostUnlessSkipped(Target(target), *static_cast<const T*>(message));
  }
  static void Detach(void* target) { Target(target).Detach(Get()); }
  static constexpr TPostCalls Calls{&IsWhole, &Post, &Detach};

  TSharedPostOffice& m_office;
};

}  // namespace corekit::internal

// The process's office of T for a message type without an overload of its own.
template <typename T>
void GetPostOffice(TPostOffice<T>*& office) {
  office = &corekit::internal::SharedOfficeView<T>::Get();
}

// Cache posts have their own office (cache_post.h), never a shared one.
class TCachePost;
template <>
void GetPostOffice<TCachePost>(TPostOffice<TCachePost>*& office) = delete;

// Posts message to every target of the office of its type, in attachment order.
template <typename T>
void PostToOffice(const T& message) {
  TPostOffice<T>* office = nullptr;
  GetPostOffice(office);
  office->Deliver(message);
}
