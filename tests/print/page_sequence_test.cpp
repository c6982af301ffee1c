// The order pages come out: units cut into pages, the whole run repeated per collated copy.
#include <gtest/gtest.h>

#include <string>

#include "print/page_sequence.h"

namespace {

std::string Order(PageSequence pages) {
  std::string out;
  for (PagePosition p; pages.Next(&p);) {
    out += std::to_string(p.copy) + ":" + std::to_string(p.number) + "@" + std::to_string(p.first) + "+" +
           std::to_string(p.count) + " ";
  }
  return out;
}

TEST(PageSequence, PagesInOrderOncePerRun) {
  EXPECT_EQ(Order(PageSequence(130, 61, 2)), "0:0@0+61 0:1@61+61 0:2@122+8 1:0@0+61 1:1@61+61 1:2@122+8 ");
  EXPECT_EQ(Order(PageSequence(122, 61, 1)), "0:0@0+61 0:1@61+61 ");
  EXPECT_EQ(Order(PageSequence(0, 61, 2)), "0:0@0+0 1:0@0+0 ");  // an empty printout still gives its page
}

}  // namespace
