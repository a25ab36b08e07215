#include "window/qt/system_locale.h"

#include <QLocale>

#include "form/locale_separators.h"

namespace zarvek {

NumberLocale SystemNumberLocale() {
    const QLocale system = QLocale::system();
    // A locale that writes numbers without grouping still has a group separator; the fields skip
    // it either way.
    return NumberLocaleFromSeparators(system.decimalPoint().toStdString(),
                                      system.groupSeparator().toStdString());
}

}  // namespace zarvek
