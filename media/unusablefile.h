#pragma once

#include <QString>

namespace quintarlow {

// Tells whoever started the game, in one line on stderr, that a picture or sound it needs is
// missing or damaged and what the game does instead. Each file is reported once per run, however
// often a screen asks for it again. `saying` is the whole line, with the file's path as %1.
void reportUnusableFile(const QString& fileName, const QString& saying);

} // namespace quintarlow
