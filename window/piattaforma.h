// What the program asks of Qt's platform layer before the QApplication exists.
#pragma once

namespace belvane {

// Called before the QApplication is made. A setting the environment already
// has is left as it is: the player's word goes first.
void PreparaPiattaforma();

} // namespace belvane
