// Move-to-front entry of a pattern into a history.
#include "search/search_history.h"

#include <algorithm>

#include "core/number_text.h"

void EnterPatternHistory(PatternHistory& history, const uint8_t* bytes, int count) {
  if (count <= 0 || count > kByteSequenceCapacity) return;
  auto same = std::find_if(history.begin(), history.end(), [&](const std::vector<uint8_t>& entry) {
    return std::equal(entry.begin(), entry.end(), bytes, bytes + count);
  });
  if (same != history.end()) {
    std::rotate(history.begin(), same, same + 1);
    return;
  }
  std::vector<uint8_t> entry(bytes, bytes + count);
  // Everything that can throw happens before the history changes.
  if (history.size() < static_cast<size_t>(kPatternHistoryLimit)) {
    history.reserve(history.size() + 1);
  } else {
    history.resize(kPatternHistoryLimit - 1);
  }
  history.insert(history.begin(), std::move(entry));
}
