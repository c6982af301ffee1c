// The settings controls shared by the properties dialog and the file type detail
// dialog: radixes, byte order, save options, system colours, the owner-drawn
// colour list with the colour picker, and the font picker, over a PropertiesModel.
// Every failure is reported with FailDialog (the dialog then ends with 2).
#pragma once

#include <windows.h>

#include "filetypes/file_type.h"
#include "filetypes/properties_model.h"

// Opening: measures the colour list's lines (2w high, w = (tmHeight + 1) / 2 of
// the list's font) and shows model. Returns false after a reported failure.
bool OpenSettings(HWND dialog, PropertiesModel& model);

// Shows model in the controls: 101-103, the 261 colour lines, the radio
// buttons; the list is enabled only without system colours, 変更 only with a
// selected line. Returns false after a reported failure.
bool ShowSettings(HWND dialog, const PropertiesModel& model);

// A command from the shared controls (101-106, 108-117): the model follows the
// controls and OK is enabled after a change. Returns false for other ids.
bool SettingsCommand(HWND dialog, PropertiesModel& model, int id, int code);

// Replaces what the controls show by the settings of a stored file type (its
// text and ext are not used) and enables OK.
void ShowStoredSettings(HWND dialog, PropertiesModel& model, const FileType& stored);

// WM_DRAWITEM: draws a line of the colour list. Returns false for other controls.
bool DrawColorLine(HWND dialog, const PropertiesModel& model, const DRAWITEMSTRUCT& item);
