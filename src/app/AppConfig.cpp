// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppConfig.h"

#include <QDir>
#include <QSettings>

#include <algorithm>

namespace mz58 {
namespace {

const QString kInitialize = QStringLiteral("Initialize");
const QString kItem = QStringLiteral("ITEM");
const QString kPorts = QStringLiteral("Ports");
const QString kTransfer = QStringLiteral("Transfer");
constexpr int kMaxSeveralRadios = 999;
const QString kLanguage = QStringLiteral("Language");

QString itemKey(int group) {
    return QStringLiteral("ITEM%1").arg(group);
}

// Writing the file costs far more than reading it: keys that already hold the value stay
// untouched, so a start with a complete file writes nothing.
void setValue(QSettings& settings, const QString& key, const QVariant& value) {
    const QVariant current = settings.value(key);
    if (!current.isValid() || current.toString() != value.toString())
        settings.setValue(key, value);
}

QString widthKey(int column) {
    return QStringLiteral("WIDTH%1").arg(column);
}
constexpr int kLargestColumnWidth = 1000;

void writeColumnGroupsTo(QSettings& settings, const AppConfig& config) {
    settings.beginGroup(kItem);
    for (int g = 0; g < kColumnGroupCount; ++g)
        setValue(settings, itemKey(g), config.columnGroups[static_cast<std::size_t>(g)]);
    for (int c = 0; c < kColumnCount; ++c) {
        const int width = config.columnWidths[static_cast<std::size_t>(c)];
        if (width > 0)
            setValue(settings, widthKey(c), width);
        else if (settings.contains(widthKey(c)))
            settings.remove(widthKey(c));
    }
    settings.endGroup();
}

} // namespace

std::array<int, kColumnGroupCount> AppConfig::defaultColumnGroups() {
    std::array<int, kColumnGroupCount> groups{};
    for (int g = 0; g < kColumnGroupCount; ++g)
        groups[static_cast<std::size_t>(g)] = columnGroupShownByDefault(g) ? 1 : 0;
    return groups;
}

QString configurationFilePath() {
    return QDir::current().filePath(QStringLiteral("MZ58Win.ini"));
}

AppConfig AppConfig::read(const QString& path) {
    QSettings settings(path, QSettings::IniFormat);
    AppConfig config;
    settings.beginGroup(kInitialize);
    config.comPort = validComPort(settings.value(QStringLiteral("COM_PORT"), 1).toInt());
    config.cx = validWindowWidth(settings.value(QStringLiteral("CX"), kMinWindowWidth).toInt());
    config.cy = validWindowHeight(settings.value(QStringLiteral("CY"), kMinWindowHeight).toInt());
    config.language = settings.value(kLanguage).toString();
    settings.endGroup();

    settings.beginGroup(kItem);
    for (int g = 0; g < kColumnGroupCount; ++g)
        config.columnGroups[static_cast<std::size_t>(g)] =
            settings.value(itemKey(g), columnGroupShownByDefault(g) ? 1 : 0).toInt();
    for (int c = 0; c < kColumnCount; ++c) {
        const int width = settings.value(widthKey(c), 0).toInt();
        config.columnWidths[static_cast<std::size_t>(c)] =
            width > 0 && width <= kLargestColumnWidth ? width : 0;
    }
    settings.endGroup();

    settings.beginGroup(kPorts);
    for (int n = 1; n <= kComPortCount; ++n) {
        const QString key = QString::fromStdString(ComPortMap::key(n));
        auto& device = config.ports.devices[static_cast<std::size_t>(n - 1)];
        device = settings.value(key, QString::fromStdString(device)).toString().toStdString();
    }
    settings.endGroup();

    settings.beginGroup(kTransfer);
    config.showWritePreview = settings.value(QStringLiteral("WritePreview"), 1).toInt() != 0;
    config.writeWhenUnchanged = settings.value(QStringLiteral("WriteUnchanged"), 1).toInt() != 0;
    config.severalRadios =
        std::clamp(settings.value(QStringLiteral("SeveralRadios"), config.severalRadios).toInt(), 1,
                   kMaxSeveralRadios);
    config.severalRadiosLog = settings.value(QStringLiteral("SeveralRadiosLog")).toString();
    settings.endGroup();
    return config;
}

void AppConfig::writeStartup(const QString& path) const {
    QSettings settings(path, QSettings::IniFormat);
    setValue(settings, kInitialize + QStringLiteral("/COM_PORT"), comPort);
    writeColumnGroupsTo(settings, *this);
    settings.beginGroup(kPorts);
    for (int n = 1; n <= kComPortCount; ++n)
        setValue(settings, QString::fromStdString(ComPortMap::key(n)),
                 QString::fromStdString(ports.devices[static_cast<std::size_t>(n - 1)]));
    settings.endGroup();
}

void AppConfig::writeAtExit(const QString& path) const {
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(kInitialize);
    setValue(settings, QStringLiteral("COM_PORT"), comPort);
    setValue(settings, QStringLiteral("CX"), cx);
    setValue(settings, QStringLiteral("CY"), cy);
    settings.endGroup();
    writeColumnGroupsTo(settings, *this);
}

void AppConfig::writeTransferSettings(const QString& path) const {
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(kTransfer);
    setValue(settings, QStringLiteral("WritePreview"), showWritePreview ? 1 : 0);
    setValue(settings, QStringLiteral("WriteUnchanged"), writeWhenUnchanged ? 1 : 0);
    setValue(settings, QStringLiteral("SeveralRadios"), severalRadios);
    setValue(settings, QStringLiteral("SeveralRadiosLog"), severalRadiosLog);
    settings.endGroup();
}

void AppConfig::writeColumnGroups(const QString& path) const {
    QSettings settings(path, QSettings::IniFormat);
    writeColumnGroupsTo(settings, *this);
}

void AppConfig::writeLanguage(const QString& path) const {
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(kInitialize);
    if (language.isEmpty())
        settings.remove(kLanguage);
    else
        setValue(settings, kLanguage, language);
    settings.endGroup();
}

} // namespace mz58
