// SPDX-License-Identifier: GPL-3.0-or-later
#include "Recovery.h"

#include "ProgrammingFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace mz58::recovery {
namespace {

const QString kImageSuffix = QStringLiteral(".q7m");
const QString kInfoSuffix = QStringLiteral(".ini");
const QString kFileKey = QStringLiteral("Recovery/File");
const QString kTimeKey = QStringLiteral("Recovery/Time");

} // namespace

QString folder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("recovery"));
}

bool write(const QString& folder, const ImageState& state, const std::string& originalFile,
           const QDateTime& keptAt) {
    if (!QDir().mkpath(folder))
        return false;
    const QString base =
        QDir(folder).filePath(QStringLiteral("unsaved-%1-%2")
                                  .arg(keptAt.toString(QStringLiteral("yyyyMMdd-HHmmss")))
                                  .arg(QCoreApplication::applicationPid()));
    if (!WriteProgrammingFile((base + kImageSuffix).toStdString(), state.image, state.localOffset)
             .ok())
        return false;
    // Written under a temporary name and renamed, so that a half-written ini never names it.
    const QString info = base + kInfoSuffix;
    const QString pending = info + QStringLiteral(".tmp");
    {
        QSettings settings(pending, QSettings::IniFormat);
        settings.setValue(kFileKey, QString::fromStdString(originalFile));
        settings.setValue(kTimeKey, keptAt.toString(Qt::ISODate));
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return false;
    }
    QFile::remove(info);
    return QFile::rename(pending, info);
}

std::optional<RecoveredChanges> newest(const QString& folder) {
    std::optional<RecoveredChanges> found;
    const QFileInfoList infos = QDir(folder).entryInfoList(
        {QStringLiteral("unsaved-*") + kInfoSuffix}, QDir::Files | QDir::Readable);
    for (const QFileInfo& info : infos) {
        RecoveredChanges changes;
        changes.infoPath = info.filePath();
        changes.imagePath =
            info.filePath().chopped(kInfoSuffix.size()) + kImageSuffix; // same base name
        if (!QFileInfo(changes.imagePath).isFile())
            continue;
        const QSettings settings(changes.infoPath, QSettings::IniFormat);
        changes.originalFile = settings.value(kFileKey).toString();
        changes.keptAt = QDateTime::fromString(settings.value(kTimeKey).toString(), Qt::ISODate);
        if (!changes.keptAt.isValid())
            continue;
        if (!found || changes.keptAt > found->keptAt)
            found = changes;
    }
    return found;
}

void remove(const RecoveredChanges& changes) {
    QFile::remove(changes.infoPath);
    QFile::remove(changes.imagePath);
}

} // namespace mz58::recovery
