// Threads that make the first calls of the process-wide objects at the same moment share one of
// each. The program has this test alone, so that its calls are the process's first; the thread
// sanitizer configuration runs it as well.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "corekit/core/app_info.h"
#include "corekit/dllload/dll_func_loader.h"
#include "corekit/errors/error_reporter.h"
#include "corekit/gpstime/gps_time.h"
#include "corekit/gpstime/leap_seconds.h"
#include "corekit/notify/cache_manager.h"
#include "corekit/notify/cache_post.h"
#include "corekit/platform/global_memory.h"
#include "corekit/translate/translation_cache.h"

namespace {

// What one thread found at its first calls.
struct FirstCalls {
  TTranslationCache* cache = nullptr;
  TTranslationDict* dictionary = nullptr;
  TPostOffice<TCachePost>* office = nullptr;
  TCacheManager* manager = nullptr;
  TDLLFuncLoader* loader = nullptr;
  KString userFolder;
  KString errorText;
  KString timeText;
  bool memoryKept = false;
  int gpsMinusUtc = 0;
};

FirstCalls MakeFirstCalls() {
  FirstCalls calls;
  calls.cache = &TTranslationCache::Instance();
  calls.dictionary = calls.cache->GetDict(0x0407, 0x0409, "first_use");
  GetPostOffice(calls.office);
  calls.manager = &TCacheManager::GetManager();
  calls.loader = TDLLFuncLoader::LoadDLL("first_use_plugin");
  calls.userFolder = GetUserDir();
  calls.errorText = TErrorReporter::ErrorToText(0x80040510);
  calls.timeText = TGPSTime(802873845).AsString(3, 0, "yyyy-MM-dd", "HH:mm:ss");
  calls.gpsMinusUtc = TLeapSeconds::AtUTC(TGPSTime(802873845));
  // Global memory blocks live in a table of their own on POSIX.
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 64);
  calls.memoryKept = block != nullptr && GlobalSize(block) == 64;
  GlobalFree(block);
  return calls;
}

TEST(FirstUse, ThreadsStartingTogetherShareEveryProcessWideObject) {
  constexpr int Threads = 8;
  std::vector<FirstCalls> found(Threads);
  // A spinning start line rather than std::latch: GCC 12's latch for Windows waits without a
  // futex and can miss the last arrival's wake-up, hanging the test.
  std::atomic<int> starting(Threads);
  std::vector<std::thread> threads;
  for (int i = 0; i < Threads; ++i) {
    threads.emplace_back([&found, &starting, i] {
      starting.fetch_sub(1);
      while (starting.load() != 0) std::this_thread::yield();
      found[i] = MakeFirstCalls();
    });
  }
  for (std::thread& thread : threads) thread.join();

  const FirstCalls& first = found[0];
  EXPECT_NE(first.dictionary, nullptr);
  EXPECT_NE(first.office, nullptr);
  EXPECT_STREQ(first.errorText, "could not open file");
  EXPECT_STREQ(first.timeText, "2005-06-15 12:30:45");
  for (const FirstCalls& calls : found) {
    EXPECT_EQ(calls.cache, first.cache);
    EXPECT_EQ(calls.dictionary, first.dictionary);
    EXPECT_EQ(calls.office, first.office);
    EXPECT_EQ(calls.manager, first.manager);
    EXPECT_EQ(calls.loader, first.loader);
    EXPECT_STREQ(calls.userFolder, first.userFolder);
    EXPECT_STREQ(calls.errorText, first.errorText);
    EXPECT_STREQ(calls.timeText, first.timeText);
    EXPECT_TRUE(calls.memoryKept);
    EXPECT_EQ(calls.gpsMinusUtc, 13);
  }

  // Each thread gives its load of the shared loader back; the last one destroys it.
  for (int i = 0; i < Threads; ++i) {
    threads[i] = std::thread([loader = found[i].loader] { TDLLFuncLoader::ReleaseDLL(loader); });
  }
  for (std::thread& thread : threads) thread.join();
}

}  // namespace
