#include "corekit/gnss/gnss_frame_scanner.h"

#include <algorithm>
#include <array>
#include <limits>

#include "corekit/gnss/frame_format.h"

using corekit::internal::FrameCheck;
using corekit::internal::FrameFormat;
using corekit::internal::FrameFormats;
using corekit::internal::FrameMatch;

namespace {

// The bytes that may start a frame of some format.
const std::array<bool, 256>& SyncBytes() {
  static const std::array<bool, 256> table = [] {
    std::array<bool, 256> bytes{};
    for (const FrameFormat* format : FrameFormats()) {
      for (char c : format->syncBytes) bytes[static_cast<unsigned char>(c)] = true;
    }
    return bytes;
  }();
  return table;
}

struct Decision {
  FrameCheck check;
  const FrameFormat* format = nullptr;
};

// What the bytes from a sync byte on are. While any format of that sync byte still waits, the
// decision waits too, so that it does not depend on how many bytes have come.
Decision Decide(const unsigned char* data, std::size_t size) {
  Decision decision;
  bool waiting = false;
  for (const FrameFormat* format : FrameFormats()) {
    if (format->syncBytes.find(static_cast<char>(data[0])) == std::string_view::npos) continue;
    const FrameCheck check = format->check(data, size);
    if (check.match == FrameMatch::NeedMore) {
      waiting = true;
    } else if (check.match == FrameMatch::Complete && decision.format == nullptr) {
      decision = {check, format};
    }
  }
  if (waiting) return {{FrameMatch::NeedMore}};
  if (decision.format == nullptr) decision.check.match = FrameMatch::NoFrame;
  return decision;
}

ULONG Saturated(std::uint64_t count) {
  return static_cast<ULONG>(std::min<std::uint64_t>(count, std::numeric_limits<ULONG>::max()));
}

}  // namespace

struct TGnssFrameScanner::State {
  std::vector<unsigned char> held;  // held[head...]: an undecided frame's bytes
  std::size_t head = 0;
  std::uint64_t position = 0;      // bytes fed
  std::uint64_t at = 0;            // the offset of the first undecided byte
  std::uint64_t coveredUntil = 0;  // the end of the last reported frame that reaches furthest
  std::uint64_t skipped = 0;
  std::uint64_t skippedSinceFrame = 0;

  // Passes over count bytes that start no frame; those beyond every reported frame are garbage.
  void Skip(std::size_t count) {
    const std::uint64_t end = at + count;
    const std::uint64_t from = std::max(at, coveredUntil);
    if (end > from) {
      skipped += end - from;
      skippedSinceFrame += end - from;
    }
    at = end;
  }

  void Report(const unsigned char* data, const Decision& decision,
              std::vector<TGnssFrame>& frames) {
    TGnssFrame frame;
    frame.Protocol = decision.format->protocol;
    frame.Length = static_cast<ULONG>(decision.check.length);
    frame.Valid = decision.check.valid;
    frame.Skipped = Saturated(skippedSinceFrame);
    frame.Offset = at;
    decision.format->describe(data, decision.check.length, frame);
    frames.push_back(std::move(frame));
    skippedSinceFrame = 0;
    coveredUntil = std::max(coveredUntil, at + decision.check.length);
  }

  // Decides what it can of size bytes that begin at the first undecided byte, and returns how
  // many it decided; fewer than size when a frame may go on beyond them.
  std::size_t Scan(const unsigned char* data, std::size_t size, std::vector<TGnssFrame>& frames) {
    const std::array<bool, 256>& sync = SyncBytes();
    std::size_t i = 0;
    while (i < size) {
      if (!sync[data[i]]) {
        const std::size_t next =
            std::find_if(data + i, data + size, [&sync](unsigned char c) { return sync[c]; }) -
            data;
        Skip(next - i);
        i = next;
        continue;
      }
      const Decision decision = Decide(data + i, size - i);
      if (decision.check.match == FrameMatch::NeedMore) break;
      if (decision.check.match == FrameMatch::NoFrame) {
        Skip(1);
        ++i;
        continue;
      }
      Report(data + i, decision, frames);
      // A valid frame is taken whole; a bad one may be a false start, so the search goes on
      // inside it.
      const std::size_t taken = decision.check.valid ? decision.check.length : 1;
      at += taken;
      i += taken;
    }
    return i;
  }
};

TGnssFrameScanner::TGnssFrameScanner() : m_state(new State) {}

TGnssFrameScanner::~TGnssFrameScanner() { delete m_state; }

void TGnssFrameScanner::Feed(const unsigned char* data, std::size_t count,
                             std::vector<TGnssFrame>& frames) {
  State& s = *m_state;
  s.position += count;
  std::size_t i = 0;
  while (s.head < s.held.size()) {
    // The held bytes start a frame that waits for more: add what fits and decide again.
    if (i == count) return;
    s.held.erase(s.held.begin(), s.held.begin() + static_cast<std::ptrdiff_t>(s.head));
    s.head = 0;
    const std::size_t take = std::min(count - i, MaxHeld - s.held.size());
    s.held.insert(s.held.end(), data + i, data + i + take);
    i += take;
    s.head = s.Scan(s.held.data(), s.held.size(), frames);
  }
  s.held.clear();
  s.head = 0;
  // Nothing held: the new bytes are decided where they lie, and the rest of a frame that waits
  // for more is kept.
  const std::size_t decided = s.Scan(data + i, count - i, frames);
  s.held.assign(data + i + decided, data + count);
}

std::uint64_t TGnssFrameScanner::Position() const { return m_state->position; }

std::uint64_t TGnssFrameScanner::Skipped() const { return m_state->skipped; }

std::size_t TGnssFrameScanner::Held() const { return m_state->held.size() - m_state->head; }
