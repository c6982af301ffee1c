// Options word changes of the format commands.
#include "hexview/commands/view_commands_format.h"

#include "core/display_types.h"

uint32_t WithDataRadix(uint32_t options, int dataRadix) {
  return (options & ~kOptDataRadixMask) | (static_cast<uint32_t>(dataRadix) & kOptDataRadixMask);
}

uint32_t WithAddressRadix(uint32_t options, int addressRadix) {
  return (options & ~kOptAddressRadixMask) |
         ((static_cast<uint32_t>(addressRadix) << kOptAddressRadixShift) & kOptAddressRadixMask);
}

uint32_t WithByteOrder(uint32_t options, bool motorola) {
  return motorola ? options | kOptMotorola : options & ~kOptMotorola;
}

uint32_t WithNextDataRadix(uint32_t options) {
  const int radix = DataRadixOf(options);
  return WithDataRadix(options, radix >= 4 ? 0 : radix + 1);
}

uint32_t WithNextAddressRadix(uint32_t options) {
  const int radix = AddressRadixOf(options);
  return WithAddressRadix(options, radix >= 2 ? 0 : radix + 1);
}

int32_t TopLineAfterFormatChange(int32_t scrollLine, int oldBytesPerLine, int newBytesPerLine) {
  if (newBytesPerLine <= 0) return scrollLine;
  return static_cast<int32_t>(static_cast<int64_t>(scrollLine) * oldBytesPerLine / newBytesPerLine);
}
