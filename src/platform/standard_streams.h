#pragma once
// Standard input, output and error are descriptors 0, 1 and 2. When the game is started with one
// of them closed, the next file it opens (a font, a picture) would take that number and be read
// as the script or written over by the answers.
namespace tenrali {

// Call first in main, before anything is opened: every closed one of the three is taken by
// /dev/null, opened the other way round (input for writing, output for reading), so that using
// it fails as it would have failed closed, and no file of ours can take its place.
void keepStandardStreamsTaken();

}  // namespace tenrali
