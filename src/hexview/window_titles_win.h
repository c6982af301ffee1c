// Keeping the titles of document windows unique.
#pragma once

#include <windows.h>

#include <string>

struct Document;

// The record of one pass over the document windows.
struct TitleQuery {
  const char* path = nullptr;  // the path compared against
  int mode = 0;                // 0..5, see UpdateTitles
  int count = 0;
  int maxTitleNumber = -1;
  HWND exclude = nullptr;      // a window not to look at
};

// One pass over the document windows other than exclude, for document D of each:
// 0 same path: count, max titleNumber; 1 same name and extension: count;
// 2 same path: number an unnumbered D 0 and title it "path:0", then as 0;
// 3 same name and extension: count, an unnumbered D gets its full path as title;
// 4 same path: unnumber D, count, title = full path;
// 5 same name and extension: unnumber D, count, title = name and extension.
void UpdateTitles(TitleQuery& query);

// The short title of a path: its name and extension.
std::string ShortTitle(const char* path);

// The title a document window shows for base (its path, "path:n" or its short
// title): base itself, marked when the document holds only the first part of
// its file because loading was aborted.
std::string DocumentTitle(const Document& doc, const std::string& base);

// Tidies the other titles when the document window `closing` goes away.
void TidyTitlesAfterClose(HWND closing, const char* path);
