#pragma once

namespace orvel {

// Tells the screen reader what Qt's own accessible interfaces misname here: a plain window is a
// window, not a filler; a read-only text browser is a document the reader moves through, not a
// label; a combo box is named by its caption, not by its value. Installing twice changes nothing.
void installAccessibleRoles();

} // namespace orvel
