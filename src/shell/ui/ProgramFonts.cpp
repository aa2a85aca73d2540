#include "shell/ui/ProgramFonts.h"

#include <QStringList>

QFont PGothicFont(int pixelSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                      QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}
