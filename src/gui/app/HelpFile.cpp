#include "app/HelpFile.h"

#include <QCoreApplication>
#include <QFileInfo>

QString helpFilePath() {
    const QString programDir = QCoreApplication::applicationDirPath();
    const QString candidates[] = {
        programDir + QStringLiteral("/manual/index.html"),
        programDir + QStringLiteral("/../share/trevik/manual/index.html"),
        QStringLiteral(TREVIK_MANUAL_DIR "/index.html"),
    };
    for (const QString& candidate : candidates) {
        if (QFileInfo::exists(candidate)) {
            return QFileInfo(candidate).canonicalFilePath();
        }
    }
    return {};
}
