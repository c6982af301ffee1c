// A long random session on a real document window: keys, characters, clicks,
// drags, scrolling, commands, undo and redo. After every action the bytes must
// equal a simple model and the pixels left by the incremental repaint must
// equal those of a full repaint (a missed invalidation shows up as a difference).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <sstream>

#include "hexview/render/dump_layout.h"
#include "hexview/view_state_win.h"
#include "hexview/input_helpers_win.h"
#include "resources/resource_ids.h"

using namespace input;

namespace {

// The bytes, and the byte strings undo and redo return to.
struct Model {
  std::string bytes;
  std::vector<std::string> undo;
  std::vector<std::string> redo;

  void Replace(int32_t lo, int32_t hi, const std::string& with) {
    undo.push_back(bytes);
    redo.clear();
    bytes.replace(static_cast<size_t>(lo), static_cast<size_t>(hi - lo), with);
  }
};

// What the view showed before an action.
struct Before {
  int32_t caret, anchor, length;
  int digit, area, mode, bytesPerLine;
  int32_t Lo() const { return anchor < caret ? anchor : caret; }
  int32_t Hi() const { return anchor < caret ? caret : anchor; }
};

Before Snapshot(const Document& doc) {
  return Before{doc.caret, doc.anchor, doc.length, doc.digitIndex, doc.activeColumn, g_view.entryMode,
                BytesPerLineFor(doc.options)};
}

int HexValue(unsigned c) {
  if (c >= '0' && c <= '9') return static_cast<int>(c - '0');
  if (c >= 'A' && c <= 'F') return static_cast<int>(c - 'A' + 10);
  if (c >= 'a' && c <= 'f') return static_cast<int>(c - 'a' + 10);
  return -1;
}

// The model's answer to typing the UTF-16 unit `unit` (ASCII, あ or ｱ).
void TypeIntoModel(Model& m, const Before& b, unsigned unit) {
  std::string written;
  if (b.area == kAreaNumeric) {
    const int v = HexValue(unit);
    if (v < 0) return;
    if (b.mode != kEntryInsert && b.caret < b.length && b.anchor == -1) {
      const uint8_t old = static_cast<uint8_t>(m.bytes[static_cast<size_t>(b.caret)]);
      const uint8_t now = b.digit == 0 ? static_cast<uint8_t>((v << 4) | (old & 0x0F))
                                       : static_cast<uint8_t>((old & 0xF0) | v);
      m.Replace(b.caret, b.caret + 1, std::string(1, static_cast<char>(now)));
      return;
    }
    written = std::string(1, static_cast<char>(v << 4));
  } else if (unit == 0x3042) {
    written = b.area == kAreaAnsi ? "\x82\xA0" : "\x42\x30";
  } else if (unit == 0xFF71) {
    written = b.area == kAreaAnsi ? "\xB1" : "\x71\xFF";
  } else {
    written = b.area == kAreaAnsi ? std::string(1, static_cast<char>(unit)) : std::string{static_cast<char>(unit), '\0'};
  }
  if (b.anchor != -1) {
    m.Replace(b.Lo(), b.Hi(), written);
  } else if (b.mode != kEntryInsert && b.area != kAreaNumeric) {
    m.Replace(b.caret, std::min<int32_t>(b.caret + static_cast<int32_t>(written.size()), b.length), written);
  } else {
    m.Replace(b.caret, b.caret, written);
  }
}

std::string StartBytes(std::mt19937& rng) {
  const char* pieces[] = {"Hello", "\x82\xA0", "\x8A\xBF", "\x00\x00", "\x81", "\xB1\xB2", "\r\n", "\xFF\xFE", "A"};
  std::string s;
  while (s.size() < 600) {
    const char* p = pieces[rng() % 9];
    s += std::string(p, p[0] == 0 ? 2 : std::strlen(p));
  }
  return s;
}

TEST(RandomSession, BytesFollowTheModelAndIncrementalPaintingMatchesAFullRepaint) {
  std::mt19937 rng(20240607);
  Model model;
  model.bytes = StartBytes(rng);
  ScratchFolder folder;
  ShellRun run;
  HWND view = OpenView(run, folder, model.bytes, 0, kEntryOverwrite, 560, 260);
  ASSERT_NE(view, nullptr);
  Document* doc = DocumentOf(view);
  ASSERT_EQ(DocumentBytes(view), model.bytes);

  const UINT keys[] = {VK_HOME, VK_END, VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_PRIOR, VK_NEXT};
  const unsigned characters[] = {'0', '7', 'a', 'F', 'c', 'z', ' ', 'Q', 0x3042, 0xFF71};
  const int kActions = 2500;
  for (int i = 0; i < kActions; ++i) {
    const Before b = Snapshot(*doc);
    int kind = static_cast<int>(rng() % 100);
    // Selections make deleting cheap; undo keeps the document long enough to scroll.
    if (b.length < 300 && !model.undo.empty() && rng() % 2 == 0) kind = 80;
    std::ostringstream what;
    if (kind < 30) {
      const UINT vk = keys[rng() % 8];
      const bool ctrl = rng() % 3 == 0, shift = rng() % 3 == 0;
      what << "key " << vk << (ctrl ? " ctrl" : "") << (shift ? " shift" : "");
      Key(view, vk, ctrl, shift);
    } else if (kind < 35) {
      what << "tab";
      Key(view, VK_TAB, false, rng() % 2 == 0);
    } else if (kind < 37) {
      what << "escape";
      Key(view, VK_ESCAPE);
    } else if (kind < 39) {
      what << "insert";
      Key(view, VK_INSERT);
    } else if (kind < 47) {
      const bool back = rng() % 2 == 0;
      what << (back ? "backspace" : "delete");
      Key(view, back ? VK_BACK : VK_DELETE);
      if (b.anchor != -1) {
        model.Replace(b.Lo(), b.Hi(), "");
      } else if (back && b.caret > 0) {
        model.Replace(b.caret - 1, b.caret, "");
      } else if (!back && b.caret < b.length) {
        model.Replace(b.caret, b.caret + 1, "");
      }
    } else if (kind < 67) {
      const unsigned unit = characters[rng() % 10];
      what << "char " << unit;
      Char(view, unit);
      TypeIntoModel(model, b, unit);
    } else if (kind < 75) {
      const int x = static_cast<int>(rng() % static_cast<unsigned>(doc->clientWidth));
      const int y = static_cast<int>(rng() % static_cast<unsigned>(doc->clientHeight));
      const bool shift = rng() % 4 == 0;
      what << "click " << x << "," << y << (shift ? " shift" : "");
      Click(view, x, y, shift ? MK_SHIFT : 0);
    } else if (kind < 79) {
      const int x = static_cast<int>(rng() % static_cast<unsigned>(doc->clientWidth));
      const int y = static_cast<int>(rng() % static_cast<unsigned>(doc->clientHeight));
      ButtonDown(view, x, y);
      what << "drag from " << x << "," << y;
      const int steps = 1 + static_cast<int>(rng() % 4);
      int dx = 0, dy = 0;
      for (int s = 0; s < steps; ++s) {
        dx = static_cast<int>(rng() % static_cast<unsigned>(doc->clientWidth + 80)) - 40;
        dy = static_cast<int>(rng() % static_cast<unsigned>(doc->clientHeight + 80)) - 40;
        what << " " << dx << "," << dy;
        Drag(view, dx, dy);
      }
      ButtonUp(view, dx, dy);
    } else if (kind < 89) {
      const bool redo = kind != 80 && rng() % 3 == 0;
      what << (redo ? "redo" : "undo");
      Command(redo ? IDM_REDO : IDM_UNDO);
      std::vector<std::string>& from = redo ? model.redo : model.undo;
      std::vector<std::string>& to = redo ? model.undo : model.redo;
      if (!from.empty()) {
        to.push_back(model.bytes);
        model.bytes = from.back();
        from.pop_back();
      }
    } else if (kind < 91) {
      what << "delete line";
      Command(IDM_DELETELINE);
      if (b.anchor != -1) {
        model.Replace(b.Lo(), b.Hi(), "");
      } else if (b.length > 0) {
        int32_t start = b.caret / b.bytesPerLine * b.bytesPerLine;
        if (b.caret == b.length && start == b.caret) start -= b.bytesPerLine;
        model.Replace(start, std::min(start + b.bytesPerLine, b.length), "");
      }
    } else if (kind < 92) {
      what << "select all";
      Command(IDM_SELECTALL);
    } else if (kind < 93) {
      what << "delete command";
      Command(IDM_DELETE);
      if (b.anchor != -1) model.Replace(b.Lo(), b.Hi(), "");
    } else if (kind < 97) {
      const WPARAM codes[] = {SB_LINEUP, SB_LINEDOWN, SB_PAGEUP, SB_PAGEDOWN};
      const bool vertical = rng() % 3 != 0;
      const WPARAM code = codes[rng() % 4];
      what << (vertical ? "vscroll " : "hscroll ") << code;
      SendMessageA(view, vertical ? WM_VSCROLL : WM_HSCROLL, code, 0);
    } else if (kind < 99) {
      what << "wheel";
      SendMessageA(view, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(rng() % 2 ? 120 : -120)), 0);
    } else {
      what << "next address radix";
      Command(IDM_NEXTADDRESS);
    }

    ASSERT_EQ(DocumentBytes(view), model.bytes) << "action " << i << ": " << what.str();
    ASSERT_EQ(CheckDocument(*doc), "") << "action " << i << ": " << what.str();
    ASSERT_EQ(doc->undoList != nullptr, !model.undo.empty()) << "action " << i;
    ASSERT_EQ(doc->redoList != nullptr, !model.redo.empty()) << "action " << i;
    ASSERT_NE(doc->anchor, doc->caret);
    ASSERT_GE(doc->scrollLine, 0);
    ASSERT_LE(doc->scrollLine, MaxScrollLine(*doc));
    ASSERT_LE(doc->scrollColumn, MaxScrollColumn(*doc));

    const std::vector<uint32_t> incremental = ClientPixels(view);
    const std::vector<uint32_t> full = RepaintedPixels(view);
    if (incremental != full) {
      size_t k = 0;
      while (incremental[k] == full[k]) ++k;
      RECT r;
      GetClientRect(view, &r);
      if (const char* dump = getenv("VARNEL_PIXEL_DUMP")) {
        WritePixels(std::string(dump) + "_incremental.ppm", incremental, r.right);
        WritePixels(std::string(dump) + "_full.ppm", full, r.right);
      }
      FAIL() << "action " << i << ": " << what.str() << " left stale pixels, first at (" << k % r.right << ","
             << k / r.right << ")";
    }
  }
  EXPECT_TRUE(run.messages().texts().empty());
}

}  // namespace
