#pragma once
// One press of Extract: the Windows program's run of ExtractIconGroup over
// the indices 1 to 100. While an ExtractPress lives, the module that one call
// opened is kept for the next call that names the same path, as long as the
// path still names that very file, unchanged: a press then reads what
// separate calls would, but opens the module once instead of a hundred
// times. What was kept is closed when the press ends.

namespace tavrin::icons {

class ExtractPress {
  public:
    ExtractPress();
    ExtractPress(const ExtractPress&) = delete;
    ExtractPress& operator=(const ExtractPress&) = delete;
    ~ExtractPress();
};

}  // namespace tavrin::icons
