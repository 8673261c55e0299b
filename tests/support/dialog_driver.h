#pragma once

#include "dialog_look.h"

#include <QString>

#include <functional>

class QTranslator;
class QWidget;

// Makes `language` the one current interface language of GlobalState.
void setInterfaceLanguage(LayoutLanguage language);

// Once a modal widget is on screen (looked for every `delayMs`, at least 50,
// for up to 100 tries), runs `action` on it; on null when none appeared.
void whenModal(int delayMs, std::function<void(QWidget*)> action);

// Loads the German catalogue compiled by the build and installs it; the
// toolkit then sends every window a language-change event.
bool installGerman(QTranslator& translator);

// The rectangle a widget of `dialog` found by object name occupies.
QRect childGeometry(const QWidget* dialog, const char* objectName);
