#pragma once

#include <cstddef>
#include <vector>

class TErrorReporter;

namespace corekit::internal {

// The reporter chain: the registered reporters in order of registration, index 0 asked first. It
// does not own them. Callers keep its use to one thread at a time.
class ReporterChain {
public:
  // Adds reporter at the end.
  void Append(TErrorReporter* reporter);
  // Removes the first entry equal to reporter, the later ones moving down in order; false when
  // reporter is not in the chain.
  bool Remove(const TErrorReporter* reporter) noexcept;

  std::size_t Count() const noexcept { return m_entries.size(); }
  // The reporter at index, which must be below Count().
  TErrorReporter* At(std::size_t index) const noexcept { return m_entries[index]; }

private:
  std::vector<TErrorReporter*> m_entries;
};

// The process's reporter chain, a static object of the library.
ReporterChain& TheReporterChain() noexcept;

}  // namespace corekit::internal
