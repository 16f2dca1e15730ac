#include "corekit/errors/reporter_chain.h"

#include <algorithm>

namespace corekit::internal {

void ReporterChain::Append(TErrorReporter* reporter) { m_entries.push_back(reporter); }

bool ReporterChain::Remove(const TErrorReporter* reporter) noexcept {
  const auto found = std::find(m_entries.begin(), m_entries.end(), reporter);
  if (found == m_entries.end()) return false;
  m_entries.erase(found);
  return true;
}

}  // namespace corekit::internal
