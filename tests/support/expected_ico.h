#pragma once
// The ICO file that the writer must produce for given images, computed here
// from the format's layout table, independently of the engine.

#include <vector>

#include "tests/support/file_bytes.h"

namespace tavrin::test {

ByteVector ExpectedIco(const std::vector<ByteVector>& images);

// The images of an ICO file, by its directory, as a test knows them.
std::vector<ByteVector> ImagesOfIco(const ByteVector& ico);

}  // namespace tavrin::test
