// The page loop of a print job, apart from the printer: every page is started,
// drawn and ended in order, and the job stops after the page during which the
// user pressed "中断".
#pragma once

// The printer as the page loop sees it.
class PrintTarget {
 public:
  virtual ~PrintTarget() = default;
  // StartPage; 0, or -1 after the failure was reported.
  virtual int StartPage() = 0;
  // EndPage; 0, or -1 after the failure was reported.
  virtual int EndPage() = 0;
  // The abort flag, read after every page.
  virtual bool AbortRequested() = 0;
};

enum class PrintLoopEnd { Finished, Aborted, Failed };

// Prints the pages pager gives (a DumpPager or a PageSequence; Next(&page) is
// false at the end): StartPage, paint(page), EndPage, then stops when the abort
// flag is set. Whatever the outcome, the caller then ends the document and cleans up.
template <class Pager, class Paint>
PrintLoopEnd RunPrintPages(Pager& pager, PrintTarget& target, Paint paint) {
  typename Pager::Page page{};
  while (pager.Next(&page)) {
    if (target.StartPage() != 0) return PrintLoopEnd::Failed;
    paint(page);
    if (target.EndPage() != 0) return PrintLoopEnd::Failed;
    if (target.AbortRequested()) return PrintLoopEnd::Aborted;
  }
  return PrintLoopEnd::Finished;
}
