// What the program asks of Qt's platform layer before the QApplication
// exists, and of the C library's allocator once the game is under way.
#pragma once

namespace belvane {

// Called before the QApplication is made. A setting the environment already
// has is left as it is: the player's word goes first.
void PreparaPiattaforma();

// From now on, memory the program frees stays with it for its next use
// instead of going back to the system, and its next large blocks come in
// pages of two megabytes where the system allows. A resize frees the
// window's pixels and a size of card pictures and asks for as much again
// at the new size, and memory new to the process is zeroed by the system
// page by page as it is first written: at a large window that costs more
// than drawing the cards. What is kept is bounded by the largest window
// shown. Called at the first resize, so that the start and a game in a
// window never resized keep nothing.
void TieniLaMemoria();

} // namespace belvane
