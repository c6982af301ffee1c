// Randomised runs of the information view: start-address moves, template
// switches, member edits, discarded edits, and undo and redo in the hex view
// between attachments, checked after every step against a byte model and a
// model of the undo and redo lists; undoing everything restores the bytes.
#include <gtest/gtest.h>

#include <random>

#include "structs/info_view_edit.h"
#include "support/doc_builders.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct Change {
  int32_t at;
  Bytes before, after;
};

struct Model {
  Bytes bytes;
  std::vector<Change> undo, redo;
};

StructureMember M(const char* d, int32_t n, uint32_t flags) { return {d, 0, n, flags}; }

StructureList Templates() {
  StructureList list;
  InstallBuiltinStructures(list);
  Structure s;
  s.name = "mixed";
  s.members = {M("b", 1, kMemberByte | (4u << kMemberRadixShift)), M("pad", 3, kMemberUnused),
               M("w", 2, kMemberWord | kMemberMotorola | (1u << kMemberRadixShift)),
               M("fixed", 4, kMemberDword | kMemberNotEditable), M("u", 7, kMemberString | kMemberUnicode),
               M("s", 5, kMemberString), M("q", 4, kMemberSequence | (2u << kMemberRadixShift)),
               M("d", 4, kMemberDword | (3u << kMemberRadixShift))};
  LayOutStructure(s);
  list.structures.push_back(s);
  Structure tiny;
  tiny.name = "tiny";
  tiny.members = {M("x", 1, kMemberByte)};
  LayOutStructure(tiny);
  list.structures.push_back(tiny);
  list.count = static_cast<int32_t>(list.structures.size());
  UpdateMinimumSize(list);
  return list;
}

int ListLength(const UndoStep* s) {
  int n = 0;
  for (; s; s = s->next) ++n;
  return n;
}

std::string RandomText(std::mt19937& rng) {
  static const char* const pieces[] = {"0", "1", "7", "9", "A", "F",  "f",  "-",
                                       " ", ",", ".", "Z", "あ", "ｱ", "12", "FF"};
  std::string text;
  int n = static_cast<int>(rng() % 9);
  for (int i = 0; i < n; ++i) text += pieces[rng() % 16];
  return text;
}

void Replay(Model& model, bool redo) {
  auto& from = redo ? model.redo : model.undo;
  auto& to = redo ? model.undo : model.redo;
  Change c = from.back();
  from.pop_back();
  const Bytes& put = redo ? c.after : c.before;
  std::copy(put.begin(), put.end(), model.bytes.begin() + c.at);
  to.push_back(c);
}

void RunSeed(uint32_t seed) {
  SCOPED_TRACE(seed);
  std::mt19937 rng(seed);
  StructureList list = Templates();
  Document doc;
  int32_t length = 18 + static_cast<int32_t>(rng() % 200);
  SetBlocks(doc, {length / 3, length / 3, length - 2 * (length / 3)});
  Model model{Contents(doc), {}, {}};
  const Bytes original = model.bytes;
  doc.caret = static_cast<int32_t>(rng() % static_cast<uint32_t>(length + 1));
  InfoViewState view;
  ASSERT_EQ(AttachInfoView(view, doc, list, nullptr), 0);
  int commits = 0;

  for (int step = 0; step < 1500; ++step) {
    std::string action;
    const int32_t start = doc.caret;
    switch (rng() % 8) {
      case 0:
      case 1: {
        auto move = static_cast<StartMove>(rng() % 6);
        action = "move " + std::to_string(static_cast<int>(move));
        MoveStart(view, move);
        break;
      }
      case 2: {
        int item = static_cast<int>(rng() % view.comboItems.size());
        action = "template item " + std::to_string(item);
        ASSERT_EQ(SelectTemplateItem(view, list, item), 0);
        ASSERT_LE(static_cast<int64_t>(doc.caret) + view.structureSize, doc.length) << action;
        ASSERT_LE(doc.caret, start) << action;
        break;
      }
      case 3:
      case 4:
      case 5: {
        if (view.rows.empty()) break;
        view.currentRow = static_cast<int32_t>(rng() % view.rows.size());
        const StructureMember row = view.rows[static_cast<size_t>(view.currentRow)];
        bool utf16 = (rng() & 1) != 0;
        MemberEditor editor;
        int opened = OpenEditor(view, utf16, &editor);
        action = "edit row " + std::to_string(view.currentRow);
        ASSERT_EQ(opened, IsEditableRow(row) ? 0 : 1) << action;
        if (opened != 0) break;
        if (rng() % 5 == 0) {
          ASSERT_EQ(PressEscape(view), EscapeAction::DiscardEdit);
          break;
        }
        std::string text = RandomText(rng);
        Bytes parsed;
        if (editor.text.isUtf16) {
          std::u16string units(text.begin(), text.end());
          parsed = ParseMemberValue(row, std::u16string_view(units));
          ASSERT_EQ(CommitEditor(view, std::u16string_view(units), nullptr), 0) << action;
        } else {
          parsed = ParseMemberValue(row, std::string_view(text));
          ASSERT_EQ(CommitEditor(view, std::string_view(text), nullptr), 0) << action;
        }
        ASSERT_EQ(parsed.size(), static_cast<size_t>(row.byteCount));
        int32_t at = start + row.offset;
        Change c{at, Bytes(model.bytes.begin() + at, model.bytes.begin() + at + row.byteCount), parsed};
        std::copy(parsed.begin(), parsed.end(), model.bytes.begin() + at);
        model.undo.push_back(c);
        model.redo.clear();
        ++commits;
        ASSERT_EQ(doc.caret, start) << action;
        ASSERT_EQ(doc.anchor, -1) << action;
        ASSERT_EQ(doc.modified, 1) << action;
        break;
      }
      case 6: {
        // The hex view undoes or redoes between two attachments.
        action = "undo/redo";
        ASSERT_EQ(PressEscape(view), EscapeAction::Close);
        int times = static_cast<int>(rng() % 3);
        for (int i = 0; i < times; ++i) {
          bool redo = (rng() & 1) != 0;
          if ((redo ? model.redo : model.undo).empty()) continue;
          ASSERT_EQ(UndoOrRedo(doc, redo, nullptr), 0);
          Replay(model, redo);
        }
        ASSERT_EQ(AttachInfoView(view, doc, list, nullptr), 0);
        ASSERT_EQ(doc.anchor, -1);
        break;
      }
      default: {
        action = "combo step";
        const int count = static_cast<int>(view.comboItems.size());
        int item = SteppedComboItem(view.comboItem, count, (rng() & 1) != 0, rng() % 4 == 0);
        ASSERT_EQ(SelectTemplateItem(view, list, item), 0);
        break;
      }
    }
    ASSERT_EQ(CheckDocument(doc), "") << "step " << step << " " << action;
    ASSERT_TRUE(Contents(doc) == model.bytes) << "step " << step << " " << action;
    ASSERT_EQ(ListLength(doc.undoList), static_cast<int>(model.undo.size())) << "step " << step << " " << action;
    ASSERT_EQ(ListLength(doc.redoList), static_cast<int>(model.redo.size())) << "step " << step << " " << action;
    ASSERT_EQ(view.phase, InfoPhase::Shown) << "step " << step << " " << action;
    ASSERT_GE(doc.caret, 0);
    ASSERT_LE(static_cast<int64_t>(doc.caret) + view.structureSize, doc.length) << "step " << step << " " << action;
    NavigationButtons b = NavigationState(view);
    ASSERT_EQ(b.byteBack, doc.caret > 0);
    ASSERT_EQ(b.structureForward, doc.caret + view.structureSize < doc.length);
  }
  EXPECT_GT(commits, 200) << "the run must edit often enough to mean something";
  CloseInfoView(view);
  while (doc.undoList) ASSERT_EQ(UndoOrRedo(doc, false, nullptr), 0);
  EXPECT_TRUE(Contents(doc) == original);
}

TEST(InfoViewRandom, EditsMovesAndSwitchesMatchTheModel) {
  for (uint32_t seed : {1u, 2u, 3u, 20240611u}) RunSeed(seed);
}

}  // namespace
