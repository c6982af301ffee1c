// The properties dialog's model and the document properties record.
#include "filetypes/properties_model.h"

#include <algorithm>
#include <array>

#include "core/undo.h"

namespace {

// Pitch bits of lfPitchAndFamily.
constexpr uint8_t kPitchMask = 0x03;
constexpr uint8_t kFixedPitch = 0x01;

constexpr std::array<ColorRef, 16> kInitialCustomColors = {0x404040, 0xFF8000, 0x80FF00, 0xFF0080, 0x00FF80, 0x8000FF,
                                                          0x0080FF, 0xFF8080, 0x80FF80, 0x8080FF, 0xFFFF80, 0xFF80FF,
                                                          0x80FFFF, 0xFFFFC0, 0xFFC0FF, 0xC0FFFF};
std::array<ColorRef, 16> g_customColors = kInitialCustomColors;

int RadioIndex(int value, int count) { return value >= 0 && value < count ? value : 0; }

void LoadSettings(PropertiesModel& model, const FileType& record) {
  model.dataRadix = RadioIndex(DataRadixOf(record.view), 5);
  model.addressRadix = RadioIndex(AddressRadixOf(record.view), 3);
  model.motorola = (record.view & kOptMotorola) != 0;
  model.recycleBin = (record.view & kOptRecycleBin) != 0;
  model.systemColors = (record.view & kOptSystemColors) != 0;
  model.askOverwrite = (record.view & kOptAskOverwrite) != 0;
  std::copy(std::begin(record.color), std::end(record.color), std::begin(model.colors));
  model.selectedLines.reset();
  model.font = record.logfont;
}

}  // namespace

PropertiesModel OpenProperties(const FileType& record) {
  PropertiesModel model;
  LoadSettings(model, record);
  return model;
}

bool ColorListEnabled(const PropertiesModel& model) { return !model.systemColors; }

bool ChangeColorEnabled(const PropertiesModel& model) {
  return ColorListEnabled(model) && model.selectedLines.any();
}

void ChooseDataRadix(PropertiesModel& model, int radix) {
  model.dataRadix = RadioIndex(radix, 5);
  model.okEnabled = true;
}

void ChooseAddressRadix(PropertiesModel& model, int radix) {
  model.addressRadix = RadioIndex(radix, 3);
  model.okEnabled = true;
}

void ChooseByteOrder(PropertiesModel& model, bool motorola) {
  model.motorola = motorola;
  model.okEnabled = true;
}

void ChangeRecycleBin(PropertiesModel& model, bool on) {
  model.recycleBin = on;
  model.okEnabled = true;
}

void ChangeAskOverwrite(PropertiesModel& model, bool on) {
  model.askOverwrite = on;
  model.okEnabled = true;
}

void ChangeSystemColors(PropertiesModel& model, bool on) {
  model.systemColors = on;
  model.selectedLines.reset();
  model.okEnabled = true;
}

void SelectColorLine(PropertiesModel& model, int line, bool selected) {
  if (!ColorListEnabled(model) || line < 0 || line >= kColorCount) return;
  model.selectedLines.set(static_cast<size_t>(line), selected);
}

bool FirstSelectedColor(const PropertiesModel& model, ColorRef* color) {
  for (int line = 0; line < kColorCount; ++line) {
    if (model.selectedLines.test(static_cast<size_t>(line))) {
      *color = model.colors[line];
      return true;
    }
  }
  return false;
}

int ApplyPickedColor(PropertiesModel& model, ColorRef color) {
  int changed = 0;
  for (int line = 0; line < kColorCount; ++line) {
    if (!model.selectedLines.test(static_cast<size_t>(line))) continue;
    model.colors[line] = color;
    ++changed;
  }
  if (changed > 0) model.okEnabled = true;
  return changed;
}

uint8_t FixedPitch(uint8_t pitchAndFamily) {
  return static_cast<uint8_t>((pitchAndFamily & ~kPitchMask) | kFixedPitch);
}

void ApplyPickedFont(PropertiesModel& model, const LogFont& font) {
  model.font = font;
  model.font.lfPitchAndFamily = FixedPitch(font.lfPitchAndFamily);
  model.okEnabled = true;
}

void LoadFileTypeSettings(PropertiesModel& model, const FileType& stored) {
  LoadSettings(model, stored);
  model.okEnabled = true;
}

uint32_t OptionsOf(const PropertiesModel& model) {
  return static_cast<uint32_t>(model.dataRadix) | (static_cast<uint32_t>(model.addressRadix) << kOptAddressRadixShift) |
         (model.motorola ? kOptMotorola : 0) | (model.recycleBin ? kOptRecycleBin : 0) |
         (model.systemColors ? kOptSystemColors : 0) | (model.askOverwrite ? kOptAskOverwrite : 0);
}

void StoreProperties(const PropertiesModel& model, FileType& record) {
  record.view = OptionsOf(model);
  std::copy(std::begin(model.colors), std::end(model.colors), std::begin(record.color));
  record.logfont = model.font;
}

FileType DocumentPropertiesRecord(const Document& doc) {
  FileType record;
  record.view = doc.options;
  std::copy(std::begin(doc.color), std::end(doc.color), std::begin(record.color));
  record.logfont = doc.font;
  return record;
}

void ApplyDocumentProperties(Document& doc, const FileType& record) {
  doc.options = record.view;
  std::copy(std::begin(record.color), std::end(record.color), std::begin(doc.color));
  doc.font = record.logfont;
  FreeStepList(doc.undoList);
  FreeStepList(doc.redoList);
}

int LoadFileTypePreselection(int index, int count) {
  if (count <= 0) return -1;
  return index >= 0 && index < count ? index : 0;
}

ColorRef* CustomColors() { return g_customColors.data(); }

void ResetCustomColors() { g_customColors = kInitialCustomColors; }
