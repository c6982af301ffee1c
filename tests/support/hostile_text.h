// Random text for the parser tests: mostly short, now and then up to maxLength
// bytes, biased towards the bytes a parser cares about and Shift-JIS lead bytes.
#pragma once

#include <random>
#include <string>

// interesting: the bytes the parser under test cares about.
inline std::string HostileText(std::mt19937& rng, int maxLength, const char* interesting) {
  const std::string favoured = interesting;
  std::string s(rng() % 10 == 0 ? rng() % static_cast<unsigned>(maxLength + 1) : rng() % 24, ' ');
  for (char& c : s) {
    unsigned pick = rng() % 3;
    c = static_cast<char>(pick == 0 ? favoured[rng() % favoured.size()]
                          : pick == 1 ? "\x81\x83\x95\x9F\xE0\xFC\x5C\x7C\xA0"[rng() % 9] : 1 + rng() % 255);
  }
  return s;
}
