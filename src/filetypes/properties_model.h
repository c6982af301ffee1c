// The properties dialog as a model: the options word, the 261-line colour list
// with its multiple selection and the font of one FileType-shaped record, every
// change the controls make, and what OK stores. Also the record a document's
// properties are edited through and what applying it does to the document.
#pragma once

#include <bitset>
#include <cstdint>

#include "core/display_types.h"
#include "core/document.h"
#include "filetypes/file_type.h"

// What the dialog's controls show.
struct PropertiesModel {
  int dataRadix = 0;          // 108-112: 0..4
  int addressRadix = 0;       // 113-115: 0..2
  bool motorola = false;      // 117 checked (else 116)
  bool recycleBin = false;    // 101
  bool systemColors = false;  // 102
  bool askOverwrite = false;  // 103
  ColorRef colors[kColorCount] = {};  // the colour list's item data, in list order
  std::bitset<kColorCount> selectedLines;
  LogFont font = {};          // the working copy of the font
  bool okEnabled = false;
};

// Opens on record's view, color and logfont (text and ext are not used); no
// colour line is selected and OK is disabled. Radix codes outside the buttons
// count as the first button.
PropertiesModel OpenProperties(const FileType& record);

// Enabled state: the colour list only without system colours; 変更 (105) only
// with at least one selected line while the list is enabled; OK after a change.
bool ColorListEnabled(const PropertiesModel& model);
bool ChangeColorEnabled(const PropertiesModel& model);

// A radio button or the check boxes 101 and 103 changed: the model follows and OK is enabled.
void ChooseDataRadix(PropertiesModel& model, int radix);
void ChooseAddressRadix(PropertiesModel& model, int radix);
void ChooseByteOrder(PropertiesModel& model, bool motorola);
void ChangeRecycleBin(PropertiesModel& model, bool on);
void ChangeAskOverwrite(PropertiesModel& model, bool on);

// 102 changed: every colour line is deselected (so 変更 is disabled), the list is
// enabled only without system colours, OK is enabled. The colours themselves stay.
void ChangeSystemColors(PropertiesModel& model, bool on);

// The list's selection changed: line (0..260) selected or not; ignored while
// the list is disabled or for a line outside it.
void SelectColorLine(PropertiesModel& model, int line, bool selected);

// 変更: the colour the picker starts with (the first selected line's), or
// false when no line is selected.
bool FirstSelectedColor(const PropertiesModel& model, ColorRef* color);
// The picker's OK: every selected line takes color; OK is enabled. Returns the
// number of lines changed (0: nothing happens).
int ApplyPickedColor(PropertiesModel& model, ColorRef color);

// The font picker's OK: the font is taken with FIXED_PITCH as its pitch
// (VARIABLE_PITCH cleared), whatever the picker gave; OK is enabled.
void ApplyPickedFont(PropertiesModel& model, const LogFont& font);
// lfPitchAndFamily with the pitch bits set to FIXED_PITCH.
uint8_t FixedPitch(uint8_t pitchAndFamily);

// ﾌｧｲﾙﾀｲﾌﾟ (107): the settings of a stored file type replace the controls: font,
// check boxes, colours (the selection cleared), radio buttons; OK is enabled.
// Its text and ext are not used, and nothing reaches a document here.
void LoadFileTypeSettings(PropertiesModel& model, const FileType& stored);

// The options word the controls stand for: radix, address radix, bit 5
// Motorola, bit 6 recycle bin, bit 7 system colours, bit 8 overwrite question,
// all other bits 0.
uint32_t OptionsOf(const PropertiesModel& model);

// OK: stores the options word, the 261 colours in list order and the font into
// record; text and ext are left alone.
void StoreProperties(const PropertiesModel& model, FileType& record);

// The temporary record of a document's properties: view = options, color =
// the document's colours, logfont = its font; text and ext empty.
FileType DocumentPropertiesRecord(const Document& doc);

// After OK in a document's properties: options, colours and font come from
// record, and the undo and redo lists are emptied. The view takes the line
// width of the old options before the call, then rebuilds its brushes and
// fonts and redisplays with the top byte kept (the view's format change).
void ApplyDocumentProperties(Document& doc, const FileType& record);

// The index the file type loading dialog preselects: index, or 0 when it is not
// inside the list (-1 for an empty list).
int LoadFileTypePreselection(int index, int count);

// The picker's custom colours: 16 values that live for the whole process (not saved).
ColorRef* CustomColors();
// Puts them back to their values at process start.
void ResetCustomColors();
