#pragma once

#include <QWidget>

#include <memory>
#include <vector>

// One of each dialog that is made without an owner window: the message box,
// the stop, exit and back questions, the saving-finished dialog and the two
// save prompts, each built for the current language and scale.
std::vector<std::unique_ptr<QWidget>> makeStandaloneDialogs();
