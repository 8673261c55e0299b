#pragma once

#include <initializer_list>

class QPushButton;
class QWidget;

// Makes a dialog answerable from the keyboard. Tab visits `order` (buttons
// and fields) in that sequence; Return presses `defaultButton`, or the
// button Tab has moved to; Escape presses `cancelButton` when there is one
// (else the dialog's own Escape stays). The default button has the focus
// when the dialog opens.
void setKeyboardAnswers(QWidget* dialog, QPushButton* defaultButton, QPushButton* cancelButton,
                        std::initializer_list<QWidget*> order);

// A button that opens something else (a file dialog, a folder, a link):
// Tab reaches it, but a click leaves the focus where it was, so Return
// still presses the dialog's answer afterwards.
void keepFocusOnClick(QPushButton* button);
