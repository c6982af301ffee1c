// Code page 932 for the native build: lead bytes, conversions through iconv and a
// width/case fold for comparisons, so the same tests run natively and under Wine.
#include "core/codepage.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <mutex>

namespace {

// Windows maps the unassigned single bytes of code page 932 to private-use points.
char16_t SingleByteToUtf16(unsigned char b) {
  if (b < 0x80) return b;
  if (b == 0x80) return 0x0080;
  if (b == 0xA0) return 0xF8F0;
  if (b >= 0xA1 && b <= 0xDF) return static_cast<char16_t>(0xFF61 + (b - 0xA1));
  if (b >= 0xFD) return static_cast<char16_t>(0xF8F1 + (b - 0xFD));
  return 0x30FB;  // a lone lead byte: the code page's default character
}

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  // Converts one whole character; false when iconv refuses it.
  bool Convert(const char* in, size_t inLen, char* out, size_t outCap, size_t* outLen) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) return false;
    std::lock_guard<std::mutex> lock(mutex_);
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in);
    char* dst = out;
    size_t left = inLen, room = outCap;
    if (iconv(cd_, &src, &left, &dst, &room) == static_cast<size_t>(-1) || left != 0) return false;
    *outLen = outCap - room;
    return true;
  }

 private:
  iconv_t cd_;
  std::mutex mutex_;
};

Converter& ToUtf16() {
  static Converter c("UTF-16LE", "CP932");
  return c;
}
Converter& FromUtf16() {
  static Converter c("CP932", "UTF-16LE");
  return c;
}

char16_t FoldWidth(char16_t c) {
  // Full-width ASCII and the ideographic space fold to their half-width forms;
  // half-width katakana fold to the full-width letters.
  static const char16_t kKana[] =
      u"。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン゛゜";
  if (c >= 0xFF01 && c <= 0xFF5E) return static_cast<char16_t>(c - 0xFF01 + 0x21);
  if (c == 0x3000) return 0x20;
  if (c >= 0xFF61 && c <= 0xFF9F) return kKana[c - 0xFF61];
  return c;
}

std::u16string Fold(std::string_view s, unsigned flags) {
  std::u16string u = AnsiToUtf16(s);
  for (auto& c : u) {
    if (flags & kCompareIgnoreWidth) c = FoldWidth(c);
    if ((flags & kCompareIgnoreCase) && c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - 0x20);
    if ((flags & kCompareIgnoreCase) && c >= 0xFF41 && c <= 0xFF5A) c = static_cast<char16_t>(c - 0x20);
  }
  return u;
}

}  // namespace

bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

std::u16string AnsiToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    auto b = static_cast<unsigned char>(text[i]);
    if (!IsLeadByte(b) || i + 1 >= text.size()) {
      out.push_back(SingleByteToUtf16(b));
      continue;
    }
    char buf[8];
    size_t n = 0;
    if (ToUtf16().Convert(text.data() + i, 2, buf, sizeof buf, &n) && n == 2) {
      out.push_back(static_cast<char16_t>(static_cast<unsigned char>(buf[0]) |
                                          (static_cast<unsigned char>(buf[1]) << 8)));
    } else {
      out.push_back(0x30FB);
    }
    ++i;
  }
  return out;
}

std::string Utf16ToAnsi(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
      continue;
    }
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      ++i;  // a surrogate pair has no code page 932 form
      out.push_back('?');
      continue;
    }
    char in[2] = {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    char buf[8];
    size_t n = 0;
    if (FromUtf16().Convert(in, 2, buf, sizeof buf, &n) && n > 0) {
      out.append(buf, n);
    } else {
      out.push_back('?');
    }
  }
  return out;
}

unsigned char UpperAnsiChar(unsigned char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 0x20) : c;
}

int CompareAnsi(std::string_view a, std::string_view b, unsigned flags) {
  std::u16string fa = Fold(a, flags), fb = Fold(b, flags);
  int r = fa.compare(fb);
  return r < 0 ? -1 : (r > 0 ? 1 : 0);
}
