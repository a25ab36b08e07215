#pragma once

#include "strings/string_table.h"

namespace zarvek {

// Qt's own texts (the message boxes' standard buttons, the text boxes' context menu, the file
// dialog) in `language`: German installs Qt's German translation from Qt's translations folder
// on the application, English removes it again. When the translation cannot be loaded Qt's
// English texts stay, without a message. Needs a QCoreApplication, which owns the translator.
void UseQtTranslation(Language language);

}  // namespace zarvek
