// Writes the end-of-game tune (see end_tune.cpp).
//
// Usage: belvane_make_end_tune <output.mid>
#include "band.h"
#include "tunes.h"

int main(int argc, char **argv)
{
    using namespace belvane::sound;
    return GenerateFile(argc, argv, "<output.mid>", [] { return EncodeMidiFile(kTicksPerQuarter, ComposeEndTune()); });
}
