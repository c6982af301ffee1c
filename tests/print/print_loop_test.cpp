// The page order of a print job (pages, collated copies) and its page loop
// with abort and failures.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "print/page_sequence.h"
#include "print/print_loop.h"

namespace {

std::string Order(PageSequence pages) {
  std::string out;
  PagePosition p;
  while (pages.Next(&p)) {
    out += std::to_string(p.copy) + ":" + std::to_string(p.number) + "@" + std::to_string(p.first) + "+" +
           std::to_string(p.count) + " ";
  }
  return out;
}

TEST(PrintLoop, PagesAndCopies) {
  EXPECT_EQ(Order(PageSequence(130, 61, 1)), "0:0@0+61 0:1@61+61 0:2@122+8 ");
  EXPECT_EQ(Order(PageSequence(130, 61, 2)), "0:0@0+61 0:1@61+61 0:2@122+8 1:0@0+61 1:1@61+61 1:2@122+8 ");
  EXPECT_EQ(Order(PageSequence(122, 61, 1)), "0:0@0+61 0:1@61+61 ");
  EXPECT_EQ(Order(PageSequence(0, 61, 2)), "0:0@0+0 1:0@0+0 ");  // an empty printout still gives its page
  EXPECT_EQ(PageSequence(130, 61, 2).PagesPerRun(), 3);
}

// Records the calls and answers as told.
class FakePrinter final : public PrintTarget {
 public:
  std::string log;
  int abortAfter = -1;     // the page after which the abort button was pressed
  int failStartAt = -1;
  int failEndAt = -1;
  int pages = 0;

  int StartPage() override {
    log += "S";
    return pages == failStartAt ? -1 : 0;
  }
  int EndPage() override {
    log += "E";
    return pages++ == failEndAt ? -1 : 0;
  }
  bool AbortRequested() override { return pages - 1 == abortAfter; }
};

PrintLoopEnd PrintAll(FakePrinter& printer, int64_t units) {
  PageSequence pages(units, 10, 2);
  return RunPrintPages(pages, printer, [&](const PagePosition& p) { printer.log += std::to_string(p.number); });
}

TEST(PrintLoop, AbortStopsAfterTheCurrentPageAndFailuresStopAtOnce) {
  FakePrinter all;
  EXPECT_EQ(PrintAll(all, 25), PrintLoopEnd::Finished);
  EXPECT_EQ(all.log, "S0ES1ES2ES0ES1ES2E");

  FakePrinter aborted;
  aborted.abortAfter = 1;
  EXPECT_EQ(PrintAll(aborted, 25), PrintLoopEnd::Aborted);
  EXPECT_EQ(aborted.log, "S0ES1E");

  FakePrinter start;
  start.failStartAt = 2;
  EXPECT_EQ(PrintAll(start, 25), PrintLoopEnd::Failed);
  EXPECT_EQ(start.log, "S0ES1ES");

  FakePrinter end;
  end.failEndAt = 0;
  EXPECT_EQ(PrintAll(end, 25), PrintLoopEnd::Failed);
  EXPECT_EQ(end.log, "S0E");
}

}  // namespace
