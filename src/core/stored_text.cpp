// Cutting texts to the stored length.
#include "core/stored_text.h"

#include "core/codepage.h"
#include "core/text_limits.h"

std::string StoredText(std::string_view text) {
  const size_t limit = kMaxTextLength;
  if (text.size() <= limit) return std::string(text);
  size_t end = 0;
  while (end < text.size()) {
    size_t step = IsLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1;
    if (end + step > limit) break;
    end += step;
  }
  return std::string(text.substr(0, end));
}
