// What the system comparison does with single Shift-JIS characters, learnt
// through CompareAnsi alone, so that a width-insensitive search can rule out
// positions without asking the system about each of them.
//
// The locale comparison behaves as if each character had sort weights: a list of
// primary weights (usually one) and lower weights (case, width, diacritics); two
// texts compare by their whole lists of primary weights first. Marks add lower
// weights only and may add them to a neighbour, never a primary weight. Most
// characters carry one primary weight of their own, the same wherever they stand.
// The exceptions are found here by probing:
// - weightless characters carry no primary weight: ignorable ones (a zero byte)
//   carry no weight at all, marks (voicing marks, apostrophe and hyphen) carry
//   lower weights only and may merge with a neighbour;
// - contextual characters take their weight from the character before them
//   (prolonged sound and repeat marks);
// - characters with several primary weights (ligatures such as the unit
//   squares) are recognised relative to a pattern character (see the wide
//   matcher), with the ceiling below.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// A character as a number: a single byte b is b, a lead byte L with the byte T
// after it is L * 256 + T. A lone lead byte has no code.
using CharCode = uint16_t;

// The bytes of code: one for codes below 256, else two.
std::string_view CharBytes(CharCode code, char (&buffer)[2]);

class CharTraits {
 public:
  // The facts under one set of CompareAnsi flags, learnt once per process.
  static CharTraits& For(unsigned compareFlags);

  explicit CharTraits(unsigned compareFlags);

  // True when the character carries no primary weight.
  bool Weightless(CharCode code) const { return weightless_[code] != 0; }
  // True when the character carries no weight at all: a text compares as if it were not there.
  bool Ignorable(CharCode code) const { return weightless_[code] == 2; }
  // True when the character's weight depends on the character before it. Learnt on first use.
  bool Contextual(CharCode code);
  // Four times the character with the highest weight that is neither weightless
  // nor contextual: no text beginning with a character x and holding at most
  // five primary weights sorts after x followed by it.
  std::string_view Ceiling();

  unsigned flags() const { return flags_; }
  int Compare(std::string_view a, std::string_view b) const;

 private:
  unsigned flags_;
  std::unique_ptr<uint8_t[]> weightless_;   // per code: 0 no, 1 weightless, 2 ignorable
  std::unique_ptr<uint8_t[]> contextual_;   // per code: 0 unknown, 1 no, 2 yes
  std::string ceiling_;
};
