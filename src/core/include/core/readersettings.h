#pragma once
// What the reading of the screen keeps in zentrima13.ini (group "Lettura"):
// the rectangle of the screen that shows the casino's strip, and the end of
// the strip where the newest number is.

#include <QRect>
#include <QString>

#include <optional>

namespace zt {

enum class NewestEnd { Left, Right };

struct ReaderSettings {
    QRect rectangle; // empty: not marked yet
    NewestEnd newest = NewestEnd::Left;
};

// What the file holds; a missing or wrong value gives its default.
ReaderSettings readReaderSettings(const QString& path);

// Writes the group, keeping the rest of the file.  False when the file
// could not be written.
bool writeReaderSettings(const QString& path, const ReaderSettings& settings);

// "X,Y,W,H" in pixels, as typed after --read-screen; nothing for any other
// text or a rectangle without area or beyond 100000 pixels.
std::optional<QRect> rectangleFromText(const QString& text);
QString rectangleText(const QRect& rectangle);

// "left" or "right" (as --newest takes it); nothing for any other text.
std::optional<NewestEnd> newestEndFromText(const QString& text);
QString newestEndText(NewestEnd end);

} // namespace zt
