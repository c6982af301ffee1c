// Code-page services through the Win32 calls of the system's ANSI code page.
#include "core/codepage.h"

#include <windows.h>

bool IsLeadByte(unsigned char b) { return IsDBCSLeadByteEx(CP_ACP, b) != 0; }

std::u16string AnsiToUtf16(std::string_view text) {
  if (text.empty()) return {};
  int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (n <= 0) return {};
  std::u16string out(static_cast<size_t>(n), u'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                      reinterpret_cast<wchar_t*>(out.data()), n);
  return out;
}

std::string Utf16ToAnsi(std::u16string_view text) {
  if (text.empty()) return {};
  auto* src = reinterpret_cast<const wchar_t*>(text.data());
  int n = WideCharToMultiByte(CP_ACP, 0, src, static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  if (n <= 0) return {};
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, src, static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

unsigned char UpperAnsiChar(unsigned char c) {
  // CharUpperA takes a lone character in the low word of its argument.
  auto r = reinterpret_cast<UINT_PTR>(CharUpperA(reinterpret_cast<LPSTR>(static_cast<UINT_PTR>(c))));
  return static_cast<unsigned char>(r & 0xFF);
}

int CompareAnsi(std::string_view a, std::string_view b, unsigned flags) {
  DWORD f = 0;
  if (flags & kCompareIgnoreCase) f |= NORM_IGNORECASE;
  if (flags & kCompareIgnoreWidth) f |= NORM_IGNOREWIDTH;
  int r = CompareStringA(LOCALE_USER_DEFAULT, f, a.data(), static_cast<int>(a.size()), b.data(),
                         static_cast<int>(b.size()));
  return r - CSTR_EQUAL;
}
