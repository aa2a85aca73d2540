#include "platform/ApplicationIcon.h"

#include <QFileInfo>

QIcon ApplicationIcon(const std::string& programFolder) {
    const QString file = QString::fromStdString(programFolder + "YorraPDA.png");
    if (!QFileInfo::exists(file))
        return {};
    return QIcon(file);
}
