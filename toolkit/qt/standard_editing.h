#pragma once

#include "toolkit/peer.h"

#include <optional>
#include <string>

class QWidget;

namespace tk::qt {

// The edit command a menu item stands for, by the item's name ("EditCopy"...), if any.
std::optional<tk::EditCommand> EditCommandFor(const std::string& itemName);

// Whether the focused widget is a text field that can carry out the command now.
bool CanEdit(const QWidget* focus, tk::EditCommand command);

// Carries out the command on the focused text field; false if it is no text field.
bool Edit(QWidget* focus, tk::EditCommand command);

} // namespace tk::qt
