// Print jobs under Wine on a stand-in printer whose pages are enhanced
// metafiles of a 4800-pixel-wide page: what reaches paper must be the page plan
// (texts, points, clips, colours, font heights), with the margin dialog, the
// refusal of short pages, 中断 and failures; and, when a file printer is set
// up (file_printer.sh), one real job through the system print dialog.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/messages.h"
#include "hexview/hex_view_win.h"
#include "hexview/render_recording.h"
#include "print/page_metrics.h"
#include "print/print_device_win.h"
#include "print/print_job_win.h"
#include "resources/resource_ids.h"
#include "shell/process_state.h"
#include "shell/shell.h"
#include "support/dialog_driver_win.h"
#include "support/emf_records_win.h"
#include "support/shell_fixture_win.h"

namespace {

// What the stand-in printer is told to do and what it saw.
struct Paper {
  int vertRes = 1000;       // 8 dump lines a page at the 52-pixel cell of margin 92
  bool selection = false, collate = false;
  int copies = 1, abortDuring = -1, failStartAt = -1;
  HWND progress = nullptr;  // the progress dialog, as the dialog driver saw it open
  bool selectionOffered = false;
  std::string calls;  // A abort procedure, D document, S/E page, X document ended, Z deleted
  std::string docName;
  std::vector<EmfRecords> pages;
};
Paper* g_paper = nullptr;

class EmfPrinter final : public PrintDevice {
 public:
  HDC Dc() override { return page_ != nullptr ? page_ : measure_; }
  int Caps(int index) override { return index == HORZRES ? 4800 : index == VERTRES ? g_paper->vertRes : 0; }
  bool SetAbort(ABORTPROC proc) override { return abort_ = proc, g_paper->calls += "A", true; }
  bool StartDocument(const char* name) override { return g_paper->docName = name, g_paper->calls += "D", true; }
  bool StartPage() override {
    g_paper->calls += "S";
    if (static_cast<int>(g_paper->pages.size()) == g_paper->failStartAt) return false;
    return (page_ = CreateEnhMetaFileA(measure_, nullptr, nullptr, nullptr)) != nullptr;
  }
  bool EndPage() override {
    g_paper->calls += "E";
    HENHMETAFILE emf = CloseEnhMetaFile(page_);
    page_ = nullptr;
    g_paper->pages.push_back(ReadEmfRecords(emf));
    DeleteEnhMetaFile(emf);
    if (static_cast<int>(g_paper->pages.size()) - 1 == g_paper->abortDuring) {
      SendMessageA(g_paper->progress, WM_COMMAND, IDCANCEL, 0);  // 中断 pressed while the page went out
    }
    return abort_(measure_, 0) != FALSE;  // the spooler asks whether to go on
  }
  bool EndDocument() override { return g_paper->calls += "X", true; }
  bool Delete() override { return g_paper->calls += "Z", DeleteDC(measure_) != FALSE; }

 private:
  HDC measure_ = CreateCompatibleDC(nullptr);
  HDC page_ = nullptr;
  ABORTPROC abort_ = nullptr;
};

int ChooseEmfPrinter(const PrintDialogRequest& request, PrinterChoice* choice) {
  g_paper->selectionOffered = request.selectionOffered;
  choice->device = std::make_unique<EmfPrinter>();
  choice->selection = g_paper->selection;
  choice->collate = g_paper->collate;
  choice->copies = g_paper->copies;
  return 1;
}

// The cell of font at lfHeight height: (tmHeight + 1) / 2 on the measuring device.
int32_t CellOf(const LogFont& font, int32_t height) {
  LOGFONTA f;
  std::memcpy(&f, &font, sizeof f);
  f.lfHeight = height;
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, CreateFontIndirectA(&f));
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  DeleteObject(SelectObject(dc, old));
  DeleteDC(dc);
  return (metrics.tmHeight + 1) / 2;
}

void ExpectPlan(const EmfRecords& paper, const RecordingCanvas& plan, LONG height) {
  EXPECT_TRUE(paper.fills.empty());
  ASSERT_EQ(paper.texts.size(), plan.texts.size());
  for (size_t i = 0; i < plan.texts.size(); ++i) {
    const EmfText& e = paper.texts[i];
    const DrawnText& r = plan.texts[i];
    SCOPED_TRACE(i);
    EXPECT_EQ(e.x, r.x);
    EXPECT_EQ(e.y, r.y);
    EXPECT_EQ(e.text, r.wide);
    EXPECT_EQ(e.color, static_cast<COLORREF>(r.color));
    EXPECT_EQ(e.fontHeight, r.small ? height / 2 : height);
    ASSERT_EQ(e.clipped, r.clipped);
    if (r.clipped) EXPECT_EQ((PixelRect{e.clip.left, e.clip.top, e.clip.right, e.clip.bottom}), r.clip);
  }
}

class PrintJob : public ::testing::Test {
 protected:
  void SetUp() override {
    g_paper = &paper;
    SetPrinterChooser(ChooseEmfPrinter);
  }
  void TearDown() override {
    SetPrinterChooser(nullptr);
    g_paper = nullptr;
  }
  // Opens bytes in a new shell; dialogs are answered from then on (not the loading's progress).
  HWND Open(const std::string& bytes) {
    driver.reset();
    run.Start("/Q0 " + Quote(folder.Write("data.bin", bytes)));
    driver = std::make_unique<DialogDriver>();
    return DocumentWindows().at(0);
  }
  // The margin dialog is answered with margin (OK, then Cancel for a margin OK
  // refuses); the progress dialog, when one is to come, is remembered.
  void Answer(const char* margin, bool printing = true) {
    driver->Then([margin](HWND d) {
      DialogDriver::SetText(d, IDC_MARGIN_EDIT, margin);
      DialogDriver::Press(d, IDOK);
      DialogDriver::Press(d, IDCANCEL);
    });
    if (printing) driver->Then([](HWND d) { g_paper->progress = d; });
  }
  // Every page on paper equals the dump's page plan at the cell of margin 92.
  void ExpectDumpPlan(Document& doc, PrintRange range, int runs) {
    const int32_t cell = CellOf(doc.font, 104);  // 4800 x 2 / 92
    DumpPager pager(doc, range, DumpLinesPerPage(cell, paper.vertRes), runs);
    DumpPage page;
    size_t n = 0;
    for (; pager.Next(&page); ++n) {
      RecordingCanvas plan(0, 0, 0);
      PaintDumpPage(plan, doc, DumpPrintPalette(doc), page, cell);
      ASSERT_LT(n, paper.pages.size());
      ExpectPlan(paper.pages[n], plan, 104);
    }
    EXPECT_EQ(n, paper.pages.size());
  }

  Paper paper;
  ShellRun run;
  ScratchFolder folder;
  std::unique_ptr<DialogDriver> driver;
};

TEST_F(PrintJob, Command106PrintsThePagePlanOncePerCollatedCopy) {
  const struct { bool collate; const char* calls; } cases[] = {{true, "ADSESESESEXZ"}, {false, "ADSESEXZ"}};
  for (const auto& c : cases) {
    paper = Paper{};
    paper.collate = c.collate;
    paper.copies = 2;
    HWND view = Open(std::string(198, 'A') + "\x93\xFA");  // 13 lines, a double-byte character last
    Answer("92");
    SendMessageA(g_shell.frame, WM_COMMAND, IDM_PRINT, 0);
    EXPECT_EQ(paper.calls, c.calls);
    EXPECT_EQ(g_settings.margin, 92);
    EXPECT_FALSE(paper.selectionOffered);
    EXPECT_EQ(paper.docName, TitleOf(view));
    EXPECT_TRUE(run.messages().texts().empty());
    EXPECT_TRUE(IsWindowEnabled(g_shell.frame));
    EXPECT_FALSE(IsWindow(paper.progress));
    ExpectDumpPlan(*DocumentOf(view), PrintRange{0, 200}, c.collate ? 2 : 1);
    run.Close();
  }
}

TEST_F(PrintJob, TheChosenSelectionPrintsItsTwoLines) {
  Document& doc = *DocumentOf(Open(std::string(0x40, 'x')));
  doc.anchor = 0x13;
  doc.caret = 0x25;
  paper.selection = true;
  Answer("92");
  SendMessageA(g_shell.frame, WM_COMMAND, IDM_PRINT, 0);
  EXPECT_TRUE(paper.selectionOffered);
  ASSERT_EQ(paper.pages.size(), 1u);
  std::u16string addresses;
  for (const EmfText& t : paper.pages[0].texts) {
    if (t.x < 8 * CellOf(doc.font, 104)) addresses += t.text;  // the address column
  }
  EXPECT_EQ(addresses, u"0000001000000020");
  ExpectDumpPlan(doc, PrintRange{0x13, 0x25}, 1);
}

TEST_F(PrintJob, MarginDialogKeepsItsLimitsAndCancelEndsQuietly) {
  const struct { int stored; const char* shown; } cases[] = {{171, "171"}, {50, "92"}, {600, "512"}};
  Open("0123");
  for (const auto& c : cases) {
    paper = Paper{};
    g_settings.margin = c.stored;
    std::vector<std::string> seen;
    driver->Then([&](HWND d) {
      auto okAfter = [&](const char* text) {
        DialogDriver::SetText(d, IDC_MARGIN_EDIT, text);
        return IsWindowEnabled(GetDlgItem(d, IDOK)) ? "ok" : "no";
      };
      auto spin = [&](int code) {
        SendMessageA(d, WM_VSCROLL, code, reinterpret_cast<LPARAM>(GetDlgItem(d, IDC_MARGIN_SPIN)));
        return DialogDriver::Text(d, IDC_MARGIN_EDIT);
      };
      seen = {DialogDriver::Text(d, IDC_MARGIN_EDIT), okAfter("91"), okAfter("92"), okAfter("512"), okAfter("513"),
              spin(SB_LINEUP), spin(SB_LINEDOWN), okAfter("93"), spin(SB_LINEDOWN), spin(SB_LINEDOWN)};
      DialogDriver::Press(d, IDCANCEL);
    });
    SendMessageA(g_shell.frame, WM_COMMAND, IDM_PRINT, 0);
    EXPECT_EQ(seen, (std::vector<std::string>{c.shown, "no", "ok", "ok", "no", "512", "511", "ok", "92", "92"}));
    EXPECT_EQ(paper.calls, "Z");  // the printer's device context is deleted, nothing printed
    EXPECT_EQ(g_settings.margin, c.stored);
  }
  EXPECT_TRUE(run.messages().texts().empty());
}

TEST_F(PrintJob, APageTooShortForFiveCellsIsRefused) {
  HWND view = Open("0123");
  const int32_t cell = CellOf(DocumentOf(view)->font, 104);
  const struct { int vertRes; const char* calls; size_t messages; } cases[] = {{5 * cell, "Z", 1},
                                                                                {5 * cell + 1, "ADSEXZ", 0}};
  for (const auto& c : cases) {
    paper = Paper{};
    paper.vertRes = c.vertRes;
    run.messages().Clear();
    Answer("92", c.messages == 0);
    SendMessageA(g_shell.frame, WM_COMMAND, IDM_PRINT, 0);
    EXPECT_EQ(paper.calls, c.calls);
    ASSERT_EQ(run.messages().texts().size(), c.messages);
    if (c.messages != 0) EXPECT_EQ(run.messages().texts()[0], kMsgMarginUnsuitable);
  }
}

TEST_F(PrintJob, AbortAndFailureEndTheDocumentAfterTheCurrentPage) {
  Open(std::string(4096, 'q'));  // 32 pages
  paper.abortDuring = 2;
  Answer("92");
  SendMessageA(g_shell.frame, WM_COMMAND, IDM_PRINT, 0);
  EXPECT_EQ(paper.calls, "ADSESESEXZ");
  EXPECT_TRUE(run.messages().texts().empty());
  EXPECT_TRUE(IsWindowEnabled(g_shell.frame));
  EXPECT_FALSE(IsWindow(paper.progress));

  paper = Paper{};
  paper.failStartAt = 1;
  Answer("92");
  SendMessageA(g_shell.frame, WM_COMMAND, IDM_PRINT, 0);
  EXPECT_EQ(paper.calls, "ADSESXZ");
  EXPECT_EQ(run.messages().texts(), std::vector<std::string>{kMsgCannotStartPage});
  EXPECT_TRUE(IsWindowEnabled(g_shell.frame));
}

TEST_F(PrintJob, StructureRowsPutTheirValuesAtTheLabelWidth) {
  HWND view = Open(std::string("\x41\x12\x34", 3));
  Document& doc = *DocumentOf(view);
  std::vector<StructureMember> members(2);
  members[0].description = "Id";
  members[0].byteCount = 1;
  members[0].viewFlags = kMemberByte;
  members[1].description = "Size";
  members[1].offset = 1;
  members[1].byteCount = 2;
  members[1].viewFlags = kMemberWord | kMemberMotorola | kMemberNotEditable;
  StructureContent content(StructurePrintRows(doc, members, 0), 5, StructurePrintInk(doc));
  PrintJobSetup setup;
  setup.owner = setup.disable = view;
  setup.lineWidth = 120;
  setup.font = doc.font;
  Answer("96", false);  // below the minimum 120: OK refuses it, the dialog is cancelled
  EXPECT_EQ(RunPrintJob(setup, content), 0);
  EXPECT_EQ(paper.calls, "Z");
  Answer("240");
  EXPECT_EQ(RunPrintJob(setup, content), 0);
  EXPECT_TRUE(IsWindowEnabled(view));
  ASSERT_EQ(paper.pages.size(), 1u);
  const int32_t cell = CellOf(doc.font, 40);  // 4800 x 2 / 240
  RecordingCanvas plan(0, 0, 0);
  PaintStructurePage(plan, StructurePrintRows(doc, members, 0), PagePosition{0, 0, 0, 2}, cell, 5, 4800,
                     StructurePrintInk(doc));
  ExpectPlan(paper.pages[0], plan, 40);
  EXPECT_EQ(paper.pages[0].texts.at(1).x, 5 * cell);
}

// A real job through the system print dialog to the printer file_printer.sh made;
// the script then reads the PDF back.
TEST(FilePrinter, PrintsADumpThroughThePrintDialog) {
  if (std::getenv("VARNEL_TEST_PRINTER") == nullptr) GTEST_SKIP() << "no file printer (file_printer.sh check)";
  ShellRun run;
  ScratchFolder folder;
  std::string bytes(4096, 'a');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>('a' + i % 26);
  ASSERT_TRUE(run.Start("/Q0 " + Quote(folder.Write("letters.bin", bytes))));
  Document& doc = *DocumentOf(DocumentWindows().at(0));
  std::strcpy(doc.font.lfFaceName, "DejaVu Sans Mono");  // its glyph names let the PDF's text be read back
  doc.font.lfCharSet = ANSI_CHARSET;
  DialogDriver driver;
  driver.Then([](HWND d) {
    EXPECT_TRUE(IsDlgButtonChecked(d, 0x411));   // collate
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d, 0x421)));  // the selection choice
    DialogDriver::Press(d, IDOK);
  });
  driver.Then([](HWND d) {
    DialogDriver::SetText(d, IDC_MARGIN_EDIT, "92");
    DialogDriver::Press(d, IDOK);
  });
  driver.Then([](HWND) {});
  SendMessageA(g_shell.frame, WM_COMMAND, IDM_PRINT, 0);
  EXPECT_EQ(driver.dialogsSeen(), 3);
  EXPECT_TRUE(run.messages().texts().empty());
}

}  // namespace
