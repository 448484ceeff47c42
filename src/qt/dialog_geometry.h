// Sizes and places the dialogs from their templates' dialog units. Platform side (Qt).
// The templates' font (8-point "MS Sans Serif") has base units of 6 x 13 pixels, so
// one horizontal unit is 6/4 = 1.5 px and one vertical unit 13/8 = 1.625 px.
// Floor 4, the Qt layer: for the Qt program and its tests only.
#pragma once

#include <QFont>
#include <QRect>
#include <QWidget>

namespace keyrill::qt {

// The dialogs' type: the desktop's face at the size whose average character is the
// templates' 6-pixel base unit wide (about 8 points, as the templates ask).
QFont DialogFont();

// Dialog units to pixels, rounded to the nearest pixel (halves away from zero).
int DialogUnitsX(int units);
int DialogUnitsY(int units);
// A control's template rectangle (x, y, width, height in dialog units) in pixels.
QRect DialogRect(int x, int y, int width, int height);

// The point a dialog's outer top-left corner goes to, centred on the owner's
// outer rectangle by the core's rule (app/dialog_placement.h).
QPoint CentredTopLeft(const QRect& owner, const QSize& dialog);

enum class Centre { OnMainWindow, OnScreen };

// Fixes a dialog's client size, gives it the dialogs' type and places it
// centred on the main window's outer rectangle (CentreOnMainWindow) or on the
// available area of the main window's screen (the Report).
void PlaceDialog(QWidget& dialog, const QSize& clientSize, const QWidget& mainWindow,
                 Centre centre);

}  // namespace keyrill::qt
