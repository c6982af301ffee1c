// Sizes of the program's text buffers.
#pragma once

// Paths, descriptions, patterns and names: at most 3074 bytes of Shift-JIS text
// and the terminating NUL.
inline constexpr int kTextBufferSize = 3075;
inline constexpr int kMaxTextLength = kTextBufferSize - 1;
