// The document window's procedure as a whole: a long random session of keys,
// characters, clicks, drags, scrolling, commands, undo and redo, after each of
// which the bytes must equal a simple model and the pixels left by the
// incremental repaint those of a full repaint (a missed invalidation shows up as
// a difference).
#include "hexview/hex_view_win.h"

#include <cctype>
#include <random>

#include "hexview/render/dump_layout.h"
#include "hexview/render/view_resources_win.h"
#include "hexview/view_fixture_win.h"
#include "hexview/view_state_win.h"

namespace {

// The bytes, and the byte strings undo and redo return to.
struct Model {
  std::string bytes;
  std::vector<std::string> undo, redo;

  void Replace(int32_t lo, int32_t hi, const std::string& with) {
    undo.push_back(bytes);
    redo.clear();
    bytes.replace(static_cast<size_t>(lo), static_cast<size_t>(hi - lo), with);
  }
};

// What the view showed before an action.
struct Before {
  explicit Before(const Document* d)
      : caret(d->caret), anchor(d->anchor), length(d->length), digit(d->digitIndex), area(d->activeColumn),
        mode(g_view.entryMode), bytesPerLine(BytesPerLineFor(d->options)) {}
  int32_t caret, anchor, length;
  int digit, area, mode, bytesPerLine;
  int32_t Lo() const { return anchor < caret ? anchor : caret; }
  int32_t Hi() const { return anchor < caret ? caret : anchor; }
};

// The model's answer to typing the UTF-16 unit `unit` (ASCII, あ or ｱ).
void TypeIntoModel(Model& m, const Before& b, unsigned unit) {
  std::string written;
  if (b.area == kAreaNumeric) {
    if (unit > 'f' || !std::isxdigit(static_cast<int>(unit))) return;
    const int v = std::stoi(std::string(1, static_cast<char>(unit)), nullptr, 16);
    if (b.mode != kEntryInsert && b.caret < b.length && b.anchor == -1) {
      const uint8_t old = static_cast<uint8_t>(m.bytes[static_cast<size_t>(b.caret)]);
      const int now = b.digit == 0 ? (v << 4) | (old & 0x0F) : (old & 0xF0) | v;
      m.Replace(b.caret, b.caret + 1, std::string(1, static_cast<char>(now)));
      return;
    }
    written = std::string(1, static_cast<char>(v << 4));
  } else if (unit == 0x3042) {
    written = b.area == kAreaAnsi ? "\x82\xA0" : "\x42\x30";
  } else if (unit == 0xFF71) {
    written = b.area == kAreaAnsi ? "\xB1" : "\x71\xFF";
  } else {
    written = std::string(1, static_cast<char>(unit)) + (b.area == kAreaAnsi ? "" : std::string(1, '\0'));
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
  const std::string pieces[] = {"Hello", "\x82\xA0", "\x8A\xBF", std::string(2, '\0'), "\x81", "\xB1\xB2",
                                "\r\n",  "\xFF\xFE", "A"};
  std::string s;
  while (s.size() < 600) s += pieces[rng() % 9];
  return s;
}

using HexViewSession = ViewTest;

TEST_F(HexViewSession, BytesFollowTheModelAndIncrementalPaintingMatchesAFullRepaint) {
  std::mt19937 rng(20240607);
  Model model;
  model.bytes = StartBytes(rng);
  ASSERT_NE(Open(model.bytes, 0, kEntryOverwrite, 560, 260), nullptr);
  const UINT keys[] = {VK_HOME,  VK_END,  VK_LEFT, VK_RIGHT,  VK_UP,    VK_DOWN,
                       VK_PRIOR, VK_NEXT, VK_TAB,  VK_ESCAPE, VK_INSERT};
  const unsigned characters[] = {'0', '7', 'a', 'F', 'c', 'z', ' ', 'Q', 0x3042, 0xFF71};
  const UINT commands[] = {IDM_UNDO, IDM_REDO, IDM_DELETELINE, IDM_SELECTALL, IDM_DELETE, IDM_NEXTADDRESS};
  auto below = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  for (int i = 0; i < 1000; ++i) {
    const Before b(doc);
    int kind = below(100);
    // Selections make deleting cheap; undo keeps the document long enough to scroll.
    if (b.length < 300 && !model.undo.empty() && rng() % 2 == 0) kind = 80;
    if (kind < 39) {
      const int k = below(11);
      const bool ctrl = k < 8 && below(3) == 0, shift = below(3) == 0;
      Key(view, keys[k], ctrl, shift);
    } else if (kind < 47) {
      const bool back = below(2) == 0;
      Key(view, back ? VK_BACK : VK_DELETE);
      if (b.anchor != -1) {
        model.Replace(b.Lo(), b.Hi(), "");
      } else if (back ? b.caret > 0 : b.caret < b.length) {
        model.Replace(b.caret - back, b.caret - back + 1, "");
      }
    } else if (kind < 67) {
      const unsigned unit = characters[below(10)];
      Char(view, unit);
      TypeIntoModel(model, b, unit);
    } else if (kind < 79) {
      int x = below(doc->clientWidth), y = below(doc->clientHeight);
      const bool drag = kind >= 75, shift = !drag && below(4) == 0;
      ButtonDown(view, x, y, shift ? MK_SHIFT : 0);
      for (int s = drag ? 1 + below(4) : 0; s > 0; --s) {
        x = below(doc->clientWidth + 80) - 40;
        y = below(doc->clientHeight + 80) - 40;
        Drag(view, x, y);
      }
      ButtonUp(view, x, y);
    } else if (kind < 95) {
      const UINT id = kind == 80 ? IDM_UNDO : commands[kind < 89 ? below(2) : (kind - 89) % 6];
      Command(id);
      const bool redo = id == IDM_REDO;
      std::vector<std::string>& from = redo ? model.redo : model.undo;
      std::vector<std::string>& to = redo ? model.undo : model.redo;
      if ((id == IDM_UNDO || redo) && !from.empty()) {
        to.push_back(model.bytes);
        model.bytes = from.back();
        from.pop_back();
      } else if ((id == IDM_DELETELINE || id == IDM_DELETE) && b.anchor != -1) {
        model.Replace(b.Lo(), b.Hi(), "");
      } else if (id == IDM_DELETELINE && b.length > 0) {
        int32_t start = b.caret / b.bytesPerLine * b.bytesPerLine;
        if (b.caret == b.length && start == b.caret) start -= b.bytesPerLine;
        model.Replace(start, std::min(start + b.bytesPerLine, b.length), "");
      }
    } else {
      const bool vertical = below(3) != 0, wheel = kind >= 98;
      const WPARAM code = wheel ? MAKEWPARAM(0, static_cast<WORD>(below(2) ? 120 : -120)) : below(4);
      SendMessageA(view, wheel ? WM_MOUSEWHEEL : vertical ? WM_VSCROLL : WM_HSCROLL, code, 0);
    }
    SCOPED_TRACE("action " + std::to_string(i) + " of kind " + std::to_string(kind));  // the run is seeded
    ASSERT_EQ(DocumentBytes(view), model.bytes);
    ASSERT_EQ(CheckDocument(*doc), "");
    ASSERT_EQ(doc->undoList != nullptr, !model.undo.empty());
    ASSERT_EQ(doc->redoList != nullptr, !model.redo.empty());
    ASSERT_TRUE(doc->anchor != doc->caret && doc->scrollLine >= 0 && doc->scrollLine <= MaxScrollLine(*doc) &&
                doc->scrollColumn <= MaxScrollColumn(*doc));
    const std::vector<uint32_t> incremental = ClientPixels(view);
    InvalidateRect(view, nullptr, TRUE);
    const std::vector<uint32_t> full = ClientPixels(view);
    if (incremental != full) {
      size_t k = 0;
      while (incremental[k] == full[k]) ++k;
      FAIL() << "stale pixels, first at (" << k % doc->clientWidth << "," << k / doc->clientWidth << ")";
    }
  }
  EXPECT_TRUE(run.messages().texts().empty());
}

}  // namespace
