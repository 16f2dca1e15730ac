// The library's office of a message type that has no GetPostOffice of its own.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "corekit/notify/post_target.h"

namespace {

struct Beacon {
  int number;
};

}  // namespace

// Beacon 0 reaches no one.
template <>
struct TPostFilter<Beacon> {
  static bool Skip(const Beacon& beacon, TPostTargetBase<Beacon>&) { return beacon.number == 0; }
};

namespace {

using Log = std::vector<std::string>;

TPostOffice<Beacon>& Beacons() {
  TPostOffice<Beacon>* office = nullptr;
  GetPostOffice(office);
  return *office;
}

// What the second target does with beacon 1.
enum class Act { Nothing, RemoveItself, RemoveFirst, AttachFourth, PostTwo };

// Writes "A1" for A receiving beacon 1.
class Recorder : public TPostTargetBase<Beacon> {
public:
  Recorder(const char* name, Log& log) : m_name(name), m_log(log) {}
  void OnPost(const Beacon& beacon) override {
    m_log.push_back(m_name + std::to_string(beacon.number));
    if (beacon.number != 1) return;
    if (act == Act::RemoveItself) Beacons().RemoveTarget(this);
    if (act == Act::RemoveFirst) Beacons().RemoveTarget(first);
    if (act == Act::AttachFourth) Beacons().AddTarget(fourth);
    if (act == Act::PostTwo) Beacons().Deliver(Beacon{2});
  }

  Act act = Act::Nothing;
  Recorder* first = nullptr;
  Recorder* fourth = nullptr;

private:
  std::string m_name;
  Log& m_log;
};

TEST(SharedPostOffice, DeliversInAttachmentOrderWhileTargetsChange) {
  Log log;
  Recorder a("A", log), b("B", log), c("C", log), d("D", log);
  b.first = &a;
  b.fourth = &d;
  const struct {
    std::vector<Recorder*> attached;
    Act act;
    int number;
    Log first, second;  // beacon number, then beacon 2
  } cases[] = {
      {{&a, &b, &a}, Act::Nothing, 1, {"A1", "B1", "A1"}, {"A2", "B2", "A2"}},  // duplicates
      {{&a, nullptr, &b}, Act::Nothing, 1, {"A1", "B1"}, {"A2", "B2"}},
      {{&a, &b, &c}, Act::Nothing, 0, {}, {"A2", "B2", "C2"}},  // filtered
      {{&a, &b, &c}, Act::RemoveItself, 1, {"A1", "B1", "C1"}, {"A2", "C2"}},
      {{&a, &b, &c}, Act::RemoveFirst, 1, {"A1", "B1", "C1"}, {"B2", "C2"}},  // the walk stays put
      {{&a, &b, &c}, Act::AttachFourth, 1, {"A1", "B1", "C1", "D1"}, {"A2", "B2", "C2", "D2"}},
      {{&a, &b, &c}, Act::PostTwo, 1, {"A1", "B1", "A2", "B2", "C2", "C1"}, {"A2", "B2", "C2"}},
  };
  for (const auto& row : cases) {
    for (Recorder* target : row.attached) Beacons().AddTarget(target);
    b.act = row.act;
    Beacons().Deliver(Beacon{row.number});
    b.act = Act::Nothing;
    EXPECT_EQ(std::exchange(log, {}), row.first) << row.number << " " << static_cast<int>(row.act);
    Beacons().Deliver(Beacon{2});
    EXPECT_EQ(std::exchange(log, {}), row.second);
    for (Recorder* target : {&a, &b, &c, &d, &a, static_cast<Recorder*>(nullptr)})
      Beacons().RemoveTarget(target);
    EXPECT_FALSE(Beacons().HasTargets());
  }
}

// A target whose own type's part is not built yet misses the posts made meanwhile.
struct PostsWhenBuilt {
  PostsWhenBuilt() { PostToOffice(Beacon{3}); }
};

class Subscriber : public TPostTarget<Beacon>, public PostsWhenBuilt {
public:
  void OnPost(const Beacon& beacon) override { received.push_back(beacon.number); }
  std::vector<int> received;
};

TEST(SharedPostOffice, EachTypeHasOneOfficeWithoutGetPostOfficeOfItsOwn) {
  EXPECT_EQ(&Beacons(), &Beacons());
  Subscriber early;
  {
    Subscriber late;  // early receives the 3 of late's construction
    PostToOffice(Beacon{4});
    EXPECT_EQ(late.received, std::vector<int>{4});
  }
  PostToOffice(Beacon{5});
  EXPECT_EQ(early.received, (std::vector<int>{3, 4, 5}));
}

}  // namespace
