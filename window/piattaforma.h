// What the program asks of Qt's platform layer before the QApplication
// exists, and of the C library's allocator once the game is under way.
#pragma once

namespace belvane {

// Called before the QApplication is made. A setting the environment already
// has is left as it is: the player's word goes first.
void PreparaPiattaforma();

// From now on, memory the program frees stays with it for its next use
// instead of going back to the system. A resize frees the window's pixels
// and a size of card pictures and asks for as much again at the new size;
// memory new to the process is zeroed page by page by the system as it is
// first written, which at a large window costs more than drawing the cards.
// What is kept is bounded by the largest window shown. Call it once the
// start is over, so that what the start frees still goes back.
void TieniLaMemoria();

} // namespace belvane
