// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every view needs to show a control as designed: places in pixels,
// the fonts that stand in for the designed ones, texts and colours.

#include "face/placement.h"
#include "window/colour.h"

#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>

#include <string>

class QWidget;

namespace ravelin {

int pixelsOf(int twips);
QRect pixelsOf(const Twips& at);
QFont fontOf(const Face& face);

QString fromModel(const std::string& text);
std::string toModel(const QString& text);
// Captions keep their carriage returns; only the display breaks the line there.
QString captionForDisplay(const std::string& caption);

void setTextColour(QWidget& widget, const QColor& colour);
// Sets a colour role in every state, so that a disabled control keeps its colour.
void setRoleColour(QWidget& widget, QPalette::ColorRole role, const QColor& colour);

} // namespace ravelin
