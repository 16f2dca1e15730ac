#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "corekit/notify/list_postoffice.h"
#include "corekit/notify/post_target.h"

namespace {

struct Letter {
  int number;
};

}  // namespace

// Letter 0 reaches no one.
template <>
struct TPostFilter<Letter> {
  static bool Skip(const Letter& letter, TPostTargetBase<Letter>&) { return letter.number == 0; }
};

namespace {

using Office = kx_std::list_postoffice<Letter>;

// A target that writes what it receives into a shared log ("A1" for A receiving letter 1) and
// runs an action on each post.
class Recorder : public TPostTargetBase<Letter> {
public:
  Recorder(std::string name, std::vector<std::string>& log) : m_name(std::move(name)), m_log(log) {}

  void OnPost(const Letter& letter) override {
    m_log.push_back(m_name + std::to_string(letter.number));
    if (action) action(letter);
  }
  void Detach(TPostOffice<Letter>&) override { m_log.push_back(m_name + " detached"); }

  std::function<void(const Letter&)> action;

private:
  std::string m_name;
  std::vector<std::string>& m_log;
};

using Log = std::vector<std::string>;

class PostOfficeWalk : public ::testing::Test {
protected:
  Log log;
  Recorder a{"A", log}, b{"B", log}, c{"C", log}, d{"D", log};
  Office office;  // destroyed first: it detaches targets that still exist

  void Attach(std::initializer_list<Recorder*> targets) {
    for (Recorder* target : targets) office.AddTarget(target);
  }
  Log Post(int number) {
    log.clear();
    office.Deliver(Letter{number});
    return log;
  }
};

// B removes targets while letter 1 is delivered.
TEST_F(PostOfficeWalk, RemovalsDuringTheWalk) {
  const struct {
    std::vector<Recorder*> removed;
    Log first, second;
  } cases[] = {
      {{&b}, {"A1", "B1", "C1", "D1"}, {"A2", "C2", "D2"}},  // itself: C still receives it
      {{&a}, {"A1", "B1", "C1", "D1"}, {"B2", "C2", "D2"}},  // an earlier one: the walk stays put
      // Both: C moves from the third place to the first, behind the walk, and misses it.
      {{&a, &b}, {"A1", "B1", "D1"}, {"C2", "D2"}},
  };
  for (const auto& row : cases) {
    office.DetachAll();
    Attach({&a, &b, &c, &d});
    b.action = [&](const Letter& letter) {
      for (Recorder* target : row.removed)
        if (letter.number == 1) office.RemoveTarget(target);
    };
    EXPECT_EQ(Post(1), row.first);
    EXPECT_EQ(Post(2), row.second);
  }
}

TEST_F(PostOfficeWalk, ChangesAheadOfTheWalkCountForTheCurrentLetter) {
  Attach({&a, &b, &c});
  a.action = [this](const Letter& letter) {
    if (letter.number != 1) return;
    office.AddTarget(&d);     // appended: receives it
    office.RemoveTarget(&c);  // removed further on: misses it
  };
  EXPECT_EQ(Post(1), (Log{"A1", "B1", "D1"}));
}

TEST_F(PostOfficeWalk, NestedPostsAreWholeWalksOfTheirOwn) {
  Attach({&a, &b, &c});
  b.action = [this](const Letter& letter) {
    if (letter.number == 1) office.Deliver(Letter{2});
  };
  EXPECT_EQ(Post(1), (Log{"A1", "B1", "A2", "B2", "C2", "C1"}));
}

// The list office of this module and the library's shared office of the type, alike.
TEST_F(PostOfficeWalk, DuplicatesNullEntriesAndFilteredLetters) {
  const struct {
    std::vector<Recorder*> attached;
    Recorder* removed;
    int number;
    Log expected;
  } cases[] = {
      {{&a, &b, &a}, nullptr, 1, {"A1", "B1", "A1"}},
      {{&a, &b, &a}, &a, 2, {"B2", "A2"}},  // the first entry goes
      {{&a, &b}, &c, 3, {"A3", "B3"}},      // not attached: nothing changes
      {{&a, nullptr, &b}, nullptr, 4, {"A4", "B4"}},
      {{&a, &b}, nullptr, 0, {}},
  };
  TPostOffice<Letter>& shared = corekit::internal::SharedOfficeView<Letter>::Get();
  for (TPostOffice<Letter>* each : {static_cast<TPostOffice<Letter>*>(&office), &shared}) {
    for (const auto& row : cases) {
      for (Recorder* target : row.attached) each->AddTarget(target);
      if (row.removed != nullptr) each->RemoveTarget(row.removed);
      log.clear();
      each->Deliver(Letter{row.number});
      EXPECT_EQ(log, row.expected) << row.number;
      for (Recorder* target : {&a, &b, &a, static_cast<Recorder*>(nullptr)})
        each->RemoveTarget(target);
      EXPECT_FALSE(each->HasTargets());
    }
  }
}

TEST(PostOffice, DestructionDetachesEveryTargetInOrder) {
  Log log;
  Recorder a("A", log), b("B", log);
  {
    Office office;
    for (Recorder* target : {&a, static_cast<Recorder*>(nullptr), &b, &a}) office.AddTarget(target);
  }
  EXPECT_EQ(log, (Log{"A detached", "B detached", "A detached"}));
}

// TPostTarget finds the office of its message type through GetPostOffice.
Office& LetterOffice() {
  static Office office;
  return office;
}

void GetPostOffice(TPostOffice<Letter>*& office) { office = &LetterOffice(); }

class Subscriber : public TPostTarget<Letter> {
public:
  void OnPost(const Letter& letter) override { received.push_back(letter.number); }
  std::vector<int> received;
};

TEST(PostTarget, AttachedFromConstructionToDestructionCopiesNever) {
  {
    Subscriber subscriber;
    EXPECT_TRUE(LetterOffice().HasTargets());
    {
      Subscriber copy(subscriber);
      LetterOffice().Deliver(Letter{1});
      EXPECT_TRUE(copy.received.empty());
      Subscriber assigned;
      assigned = subscriber;  // stays attached once
      assigned.received.clear();
      LetterOffice().Deliver(Letter{2});
      EXPECT_EQ(assigned.received, std::vector<int>{2});
    }
    LetterOffice().Deliver(Letter{3});
    EXPECT_EQ(subscriber.received, (std::vector<int>{1, 2, 3}));
  }
  EXPECT_FALSE(LetterOffice().HasTargets());
}

// A type without an office of its own has the library's. A target whose own type's part is not
// built yet misses the posts made meanwhile.
struct Beacon {
  int number;
};

struct PostsWhenBuilt {
  PostsWhenBuilt() { PostToOffice(Beacon{1}); }
};

class Beacons : public TPostTarget<Beacon>, public PostsWhenBuilt {
public:
  void OnPost(const Beacon& beacon) override { received.push_back(beacon.number); }
  std::vector<int> received;
};

TEST(PostTarget, TargetsThatAreNotWholeMissPosts) {
  Beacons early, late;  // early receives the 1 of late's construction
  PostToOffice(Beacon{2});
  EXPECT_EQ(early.received, (std::vector<int>{1, 2}));
  EXPECT_EQ(late.received, std::vector<int>{2});
}

}  // namespace
