// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportPdf.h"

#include "ReportRenderer.h"

#include "ProgrammingFile.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QLocale>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include <cstdio>
#include <memory>

namespace mz58 {
namespace {

constexpr qreal kMarginMm = 15.0;

// Qt's own notes (such as a missing runtime folder) mean nothing to a command-line user, and a
// failed write comes back as the result; only errors are passed on.
void errorsOnly(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// A QGuiApplication for the lifetime of this object, unless the program already has one.
class GuiApplicationScope {
public:
    GuiApplicationScope() {
        if (QCoreApplication::instance())
            return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        m_previousHandler = qInstallMessageHandler(errorsOnly);
        m_app = std::make_unique<QGuiApplication>(s_argc, s_argv);
    }
    ~GuiApplicationScope() {
        if (!m_app)
            return;
        m_app.reset();
        qInstallMessageHandler(m_previousHandler);
    }
    GuiApplicationScope(const GuiApplicationScope&) = delete;
    GuiApplicationScope& operator=(const GuiApplicationScope&) = delete;

private:
    QtMessageHandler m_previousHandler = nullptr;
    static inline char s_name[] = "mz58";
    static inline char* s_argv[] = {s_name, nullptr};
    static inline int s_argc = 1;
    std::unique_ptr<QGuiApplication> m_app;
};

} // namespace

ReportPaper defaultReportPaper() {
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? ReportPaper::Letter
                                                                              : ReportPaper::A4;
}

std::optional<std::string> reportPdf(const CReportPrinter& report, ReportPaper paper) {
    const GuiApplicationScope app;
    // Drawn into memory: the file is written by the atomic writer, which sees every disk error.
    QBuffer buffer;
    if (!buffer.open(QIODevice::WriteOnly))
        return std::nullopt;
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("mz58"));
    writer.setTitle(QStringLiteral("QM-610 report"));
    const QPageSize size(paper == ReportPaper::Letter ? QPageSize::Letter : QPageSize::A4);
    writer.setPageLayout(QPageLayout(size, QPageLayout::Portrait,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                     QPageLayout::Millimeter));
    if (!renderReport(report, writer) || buffer.data().isEmpty())
        return std::nullopt;
    return buffer.data().toStdString();
}

Status writeReportPdf(const CReportPrinter& report, const std::filesystem::path& path,
                      ReportPaper paper) {
    const auto pdf = reportPdf(report, paper);
    if (!pdf)
        return UserMessage{
            msg::kFileWriteError, {}, path.string() + ": the PDF could not be drawn"};
    return WriteFileAtomically(path, *pdf);
}

} // namespace mz58
