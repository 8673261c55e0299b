#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

class QWidget;

// The registry key of the application's settings.
extern const char* const kSettingsPath;

// Key of the single-instance guard, fixed for every build of the product.
extern const char* const kInstanceKey;

// Reads "ResizeAppforDPI", writing it as true first when it is missing.
bool ReadResizeForDpi();

// Takes the interface scale from the primary monitor when "ResizeAppforDPI"
// says so and sets the toolkit's scaling variables; runs before the
// application object exists, which reads them once.
void PrepareStartScale();

// Fills the start-up fields of g_state and installs the stored language:
// launch flags, tool names, "LanguageType" and "OptionShowAsDisabled".
void ApplyStartSettings();

// Removes what earlier runs left behind: the scratch and update folders of
// runs that were killed, and the fallback temporary folders of earlier
// starts that no running instance holds. Called once the guard is held.
void RemoveLeftoversOfEarlierRuns();

// Where a window of this size (its frame included) starts: centred on the
// work area and 25 pixels higher, but never above the area's top.
QPoint StartPosition(const QSize& window, const QRect& workArea);

// Moves the widget to its start position on the work area it was fitted to
// (the one the interface scale was chosen for).
void CenterOnDesktop(QWidget* widget);
