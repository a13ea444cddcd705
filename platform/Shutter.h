#pragma once

#include <QString>

class QWidget;
struct Services;

namespace Shutter {

// The caption and text shown when "Shutter.wav" is missing from the program folder.
QString missingCaption();
QString missingText();

QString path(const QString &exeDir);

// Plays the sound when the file is there; says nothing when it is not.
void playIfPresent(const QString &exeDir, Services &services);

// Plays the program folder's "Shutter.wav". When the file is missing, tells the user and returns
// false; callers decide whether their operation goes on.
bool play(const QString &exeDir, Services &services, QWidget *parent);

} // namespace Shutter
