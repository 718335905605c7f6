#include "AppConfig.h"

#include <QDir>
#include <QSettings>

namespace mz58 {
namespace {

const QString kInitialize = QStringLiteral("Initialize");
const QString kItem = QStringLiteral("ITEM");
const QString kPorts = QStringLiteral("Ports");

QString itemKey(int group) {
    return QStringLiteral("ITEM%1").arg(group);
}

void writeColumnGroupsTo(QSettings& settings, const std::array<int, kColumnGroupCount>& groups) {
    settings.beginGroup(kItem);
    for (int g = 0; g < kColumnGroupCount; ++g)
        settings.setValue(itemKey(g), groups[static_cast<std::size_t>(g)]);
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
    settings.endGroup();

    settings.beginGroup(kItem);
    for (int g = 0; g < kColumnGroupCount; ++g)
        config.columnGroups[static_cast<std::size_t>(g)] =
            settings.value(itemKey(g), columnGroupShownByDefault(g) ? 1 : 0).toInt();
    settings.endGroup();

    settings.beginGroup(kPorts);
    for (int n = 1; n <= kComPortCount; ++n) {
        const QString key = QString::fromStdString(ComPortMap::key(n));
        auto& device = config.ports.devices[static_cast<std::size_t>(n - 1)];
        device = settings.value(key, QString::fromStdString(device)).toString().toStdString();
    }
    settings.endGroup();
    return config;
}

void AppConfig::writeStartup(const QString& path) const {
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(kInitialize + QStringLiteral("/COM_PORT"), comPort);
    writeColumnGroupsTo(settings, columnGroups);
    settings.beginGroup(kPorts);
    for (int n = 1; n <= kComPortCount; ++n)
        settings.setValue(QString::fromStdString(ComPortMap::key(n)),
                          QString::fromStdString(ports.devices[static_cast<std::size_t>(n - 1)]));
    settings.endGroup();
}

void AppConfig::writeAtExit(const QString& path) const {
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(kInitialize);
    settings.setValue(QStringLiteral("COM_PORT"), comPort);
    settings.setValue(QStringLiteral("CX"), cx);
    settings.setValue(QStringLiteral("CY"), cy);
    settings.endGroup();
    writeColumnGroupsTo(settings, columnGroups);
}

void AppConfig::writeColumnGroups(const QString& path) const {
    QSettings settings(path, QSettings::IniFormat);
    writeColumnGroupsTo(settings, columnGroups);
}

} // namespace mz58
