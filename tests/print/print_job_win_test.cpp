// Print jobs under Wine on a stand-in printer whose pages are enhanced
// metafiles of a 4800-pixel-wide page: what reaches paper must be the page plan
// (texts, points, clips, colours, font heights), with the refusal of short
// pages, 中断 and failures; and, when a file printer is set up
// (file_printer.sh), one real job through the system print dialog.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
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
  int vertRes = 1000;  // 8 dump lines a page at the 52-pixel cell of margin 92
  bool selection = false, collate = false;
  int copies = 1, abortDuring = -1, failStartAt = -1;
  HWND progress = nullptr;  // the progress dialog, as the dialog driver saw it open
  bool selectionOffered = false;
  std::string calls, docName;  // calls: A abort procedure, D document, S E page, X document ended, Z deleted
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
    HENHMETAFILE emf = CloseEnhMetaFile(std::exchange(page_, nullptr));
    g_paper->pages.push_back(ReadEmfRecords(emf));
    DeleteEnhMetaFile(emf);
    // 中断 pressed while the page went out.
    if (static_cast<int>(g_paper->pages.size()) - 1 == g_paper->abortDuring)
      SendMessageA(g_paper->progress, WM_COMMAND, IDCANCEL, 0);
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
  *choice = PrinterChoice{std::make_unique<EmfPrinter>(), g_paper->selection, g_paper->collate, g_paper->copies};
  return 1;
}

// The cell of the 104-pixel-high printer font of margin 92 (4800 x 2 / 92): half its height.
constexpr int32_t kCell = 52;

// A text on paper (EmfText) or in the plan (DrawnText) as "x,y #colour hHeight text", with
// " clip l,t,r,b" when clipped.
template <typename Text>
std::string Drawn(const Text& t, long height, const std::u16string& text) {
  auto n = [](auto v) { return std::to_string(v); };
  std::string out = n(t.x) + "," + n(t.y) + " #" + n(t.color) + " h" + n(height) + " " + Utf16ToAnsi(text);
  const auto& c = t.clip;
  return t.clipped ? out + " clip " + n(c.left) + "," + n(c.top) + "," + n(c.right) + "," + n(c.bottom) : out;
}

class PrintJob : public ::testing::Test {
 protected:
  void SetUp() override { g_paper = &paper, SetPrinterChooser(ChooseEmfPrinter); }
  void TearDown() override { SetPrinterChooser(nullptr), g_paper = nullptr; }
  // Opens bytes in a new shell; dialogs are answered from then on (not the loading's progress).
  Document& Open(const std::string& bytes) {
    driver.reset();
    run.Close();
    run.Start("/Q0 " + Quote(folder.Write("data.bin", bytes)));
    driver = std::make_unique<DialogDriver>();
    return *DocumentOf(DocumentWindows().at(0));
  }
  // Runs command 106 with the margin dialog answered with 92 (OK, then Cancel in case OK refuses it),
  // then, when printing follows, remembers the progress dialog.
  void Print(bool printing = true) {
    driver->Then([](HWND d) {
      DialogDriver::SetText(d, IDC_MARGIN_EDIT, "92");
      DialogDriver::Press(d, IDOK);
      DialogDriver::Press(d, IDCANCEL);
    });
    if (printing) driver->Then([](HWND d) { g_paper->progress = d; });
    SendMessageA(g_shell.frame, WM_COMMAND, IDM_PRINT, 0);
  }
  // The pages on paper, each ended by "--", are the dump's page plan drawn with the fonts of margin 92
  // (104 pixels high, the small one 52) at their cell; nothing is filled.
  void ExpectDumpPlan(Document& doc, PrintRange range, int runs) {
    std::vector<std::string> got, want;
    for (const EmfRecords& page : paper.pages) {
      for (const EmfText& t : page.texts) got.push_back(Drawn(t, t.fontHeight, t.text));
      got.push_back(page.fills.empty() ? "--" : "filled");
    }
    DumpPager pager(doc, range, DumpLinesPerPage(kCell, paper.vertRes), runs);
    for (DumpPage page; pager.Next(&page); want.push_back("--")) {
      RecordingCanvas plan(0, 0, 0);
      PaintDumpPage(plan, doc, DumpPrintPalette(doc), page, kCell);
      for (const DrawnText& t : plan.texts) want.push_back(Drawn(t, t.small ? 52 : 104, t.wide));
    }
    EXPECT_EQ(got, want);
  }
  void ExpectEndedCleanly(const std::vector<std::string>& messages = {}) {
    EXPECT_EQ(run.messages().texts(), messages);
    EXPECT_TRUE(IsWindowEnabled(g_shell.frame) && !IsWindow(paper.progress));
  }

  Paper paper;
  ShellRun run;
  ScratchFolder folder;
  std::unique_ptr<DialogDriver> driver;
};

// Collated copies, uncollated ones (the printer makes them), and the chosen selection; then the refusal of
// short pages, 中断 and a failure.
TEST_F(PrintJob, Command106PrintsThePlanPerCollatedCopyOrTheSelectionRefusesShortPagesAndStops) {
  const char* passCalls[] = {"ADSESESESEXZ", "ADSESEXZ", "ADSEXZ"};
  for (int pass = 0; pass < 3; ++pass) {
    paper = Paper{};
    paper.collate = pass == 0;
    paper.copies = 2;
    paper.selection = pass == 2;
    Document& doc = Open(std::string(198, 'A') + "\x93\xFA");  // 13 lines: 2 pages, a double-byte character last
    if (pass > 0) doc.anchor = 0x13, doc.caret = 0x25;  // offered; printed only when chosen
    Print();
    EXPECT_TRUE(paper.calls == passCalls[pass] && g_settings.margin == 92 && paper.selectionOffered == (pass > 0));
    EXPECT_EQ(paper.docName, TitleOf(DocumentWindows().at(0)));
    ExpectEndedCleanly();
    ExpectDumpPlan(doc, pass == 2 ? PrintRange{0x13, 0x25} : PrintRange{0, 200}, pass == 0 ? 2 : 1);
  }
  // A page shorter than five cells is refused; abort and failure end the document after the current page.
  Open(std::string(4096, 'q'));  // 32 pages
  // Page height, page during which 中断 is pressed, page that fails to start; the calls and the messages.
  const std::tuple<int, int, int, const char*, std::vector<std::string>> cases[] = {
      {5 * kCell, -1, -1, "Z", {kMsgMarginUnsuitable}},
      {1000, 2, -1, "ADSESESEXZ", {}},
      {1000, -1, 1, "ADSESXZ", {kMsgCannotStartPage}}};
  for (const auto& [vertRes, abortDuring, failStartAt, calls, messages] : cases) {
    paper = Paper{};
    paper.vertRes = vertRes, paper.abortDuring = abortDuring, paper.failStartAt = failStartAt;
    run.messages().Clear();
    Print(vertRes == 1000);
    EXPECT_EQ(paper.calls, calls);
    ExpectEndedCleanly(messages);
  }
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
    EXPECT_TRUE(IsDlgButtonChecked(d, 0x411) && !IsWindowEnabled(GetDlgItem(d, 0x421)));  // collate; no selection
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
