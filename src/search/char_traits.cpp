// Probing the system comparison for weightless and contextual characters.
#include "search/char_traits.h"

#include "core/codepage.h"

namespace {

constexpr size_t kCodes = 65536;

int Sign(int v) { return (v > 0) - (v < 0); }

template <typename F>
void ForEachCharacter(F f) {
  for (int b = 0; b < 256; ++b) {
    if (!IsLeadByte(static_cast<unsigned char>(b))) {
      f(static_cast<CharCode>(b));
      continue;
    }
    for (int t = 0; t < 256; ++t) f(static_cast<CharCode>(b << 8 | t));
  }
}

}  // namespace

std::string_view CharBytes(CharCode code, char (&buffer)[2]) {
  if (code < 256) {
    buffer[0] = static_cast<char>(code);
    return {buffer, 1};
  }
  buffer[0] = static_cast<char>(code >> 8);
  buffer[1] = static_cast<char>(code & 0xFF);
  return {buffer, 2};
}

CharTraits& CharTraits::For(unsigned compareFlags) {
  static std::unique_ptr<CharTraits> traits[4];
  auto& slot = traits[compareFlags & 3];
  if (!slot) slot = std::make_unique<CharTraits>(compareFlags & 3);
  return *slot;
}

int CharTraits::Compare(std::string_view a, std::string_view b) const { return Sign(CompareAnsi(a, b, flags_)); }

// A character without primary weight leaves "xj" between "i" and "k", and "xq"
// between "p" and "r". A character with a primary weight w does the first only
// when i <= w < k and the second only when p <= w < r, never both.
CharTraits::CharTraits(unsigned compareFlags)
    : flags_(compareFlags), weightless_(new uint8_t[kCodes]()), contextual_(new uint8_t[kCodes]()) {
  ForEachCharacter([&](CharCode code) {
    char buffer[2];
    std::string x(CharBytes(code, buffer));
    bool weightless = Compare(x + "j", "k") < 0 && Compare(x + "j", "i") > 0 && Compare(x + "q", "r") < 0 &&
                      Compare(x + "q", "p") > 0;
    if (!weightless) return;
    weightless_[code] = Compare(x, "") == 0 ? 2 : 1;
  });
}

// A character of its own weight compares with s after any plain character r as
// it compares with s alone. The references span the order: space, a Latin
// letter, two katakana and a kanji; the comparands sit at a letter, a katakana
// and the kanji.
bool CharTraits::Contextual(CharCode code) {
  uint8_t& known = contextual_[code];
  if (known == 0) {
    static const char* const kBefore[] = {" ", "A", "\x83\x41", "\x83\x93", "\x88\x9F"};
    static const char* const kAgainst[] = {"M", "\x83\x41", "\x88\x9F"};
    char buffer[2];
    std::string x(CharBytes(code, buffer));
    bool contextual = false;
    for (const char* s : kAgainst) {
      int alone = Compare(x, s);
      for (const char* r : kBefore) contextual = contextual || Compare(r + x, r + std::string(s)) != alone;
    }
    known = contextual ? 2 : 1;
  }
  return known == 2;
}

std::string_view CharTraits::Ceiling() {
  while (ceiling_.empty()) {
    bool any = false;
    CharCode best = 0;
    char bestBuffer[2];
    ForEachCharacter([&](CharCode code) {
      if (Weightless(code) || contextual_[code] == 2) return;
      char buffer[2];
      if (!any || Compare(CharBytes(code, buffer), CharBytes(best, bestBuffer)) > 0) best = code;
      any = true;
    });
    if (!any) return {};
    if (Contextual(best)) continue;
    std::string top(CharBytes(best, bestBuffer));
    ceiling_ = top + top + top + top;
  }
  return ceiling_;
}
