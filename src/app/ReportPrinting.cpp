// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportPrinting.h"

#include "MessageBoxPrompter.h"

#include "AppContext.h"
#include "CMZ58Doc.h"
#include "CReportPrinter.h"
#include "ReportPdf.h"
#include "ReportRenderer.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace mz58 {
namespace {

// Sets the flag for as long as it lives.
class PrintingFlag {
public:
    explicit PrintingFlag(bool& flag) : m_flag(flag) { m_flag = true; }
    ~PrintingFlag() { m_flag = false; }
    PrintingFlag(const PrintingFlag&) = delete;
    PrintingFlag& operator=(const PrintingFlag&) = delete;

private:
    bool& m_flag;
};

} // namespace

ReportPrinting::ReportPrinting(CMZ58Doc& doc, AppContext& context, QWidget* parent)
    : QObject(parent), m_doc(doc), m_context(context) {}

QPrinter& ReportPrinting::printer() {
    // Made on first use: asking the print system for its printers takes time that start-up
    // need not spend.
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // Without any printer the print dialog still offers a PDF file.
        if (QPrinterInfo::availablePrinterNames().isEmpty())
            m_printer->setOutputFormat(QPrinter::PdfFormat);
    }
    return *m_printer;
}

ReportPrinting::~ReportPrinting() = default;

QWidget* ReportPrinting::parentWidget() const {
    return qobject_cast<QWidget*>(parent());
}

static CReportPrinter prepareReport(CMZ58Doc& doc) {
    CReportPrinter report;
    report.Prepare(doc.state(), doc.fileName());
    return report;
}

void ReportPrinting::print() {
    const CReportPrinter report = prepareReport(m_doc);
    QPrintDialog dialog(&printer(), parentWidget());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    // PDF files are written by "Print to PDF" through the atomic writer, never half-written.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setMinMax(1, report.pageCount());
    if (dialog.exec() != QDialog::Accepted)
        return;
    {
        PrintingFlag printing(m_context.printingInProgress);
        int first = 1;
        int last = 0;
        if (printer().printRange() == QPrinter::PageRange) {
            first = printer().fromPage();
            last = printer().toPage();
        }
        if (!renderReport(report, printer(), first, last))
            QMessageBox::critical(parentWidget(), QCoreApplication::applicationName(),
                                  tr("打印失败 (printing failed)"));
    }
    m_context.printerName =
        printer().outputFormat() == QPrinter::PdfFormat ? tr("PDF") : printer().printerName();
    emit printerChanged();
}

void ReportPrinting::preview() {
    const CReportPrinter report = prepareReport(m_doc);
    {
        PrintingFlag printing(m_context.printingInProgress);
        QPrintPreviewDialog dialog(&printer(), parentWidget());
        connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                [&report](QPrinter* printer) { (void)renderReport(report, *printer); });
        dialog.resize(900, 700);
        dialog.exec();
    }
    emit previewClosed();
}

void ReportPrinting::setup() {
    QPageSetupDialog dialog(&printer(), parentWidget());
    dialog.exec();
    m_context.printerName = QPrinterInfo::defaultPrinterName();
    if (printer().outputFormat() == QPrinter::NativeFormat)
        m_context.printerName = printer().printerName();
    emit printerChanged();
}

void ReportPrinting::queryDefaultPrinter() {
    m_context.printerName = QPrinterInfo::defaultPrinterName();
    emit printerChanged();
}

void ReportPrinting::printToPdf() {
    const CReportPrinter report = prepareReport(m_doc);
    QString suggested = QFileInfo(QString::fromStdString(m_doc.fileName())).completeBaseName();
    if (suggested.isEmpty() || suggested.startsWith(u'<'))
        suggested = QStringLiteral("MZ58");
    QFileDialog dialog(parentWidget(), tr("打印到PDF文件 (Print to PDF)"), suggested + ".pdf",
                       tr("PDF (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    PrintingFlag printing(m_context.printingInProgress);
    const QString path = dialog.selectedFiles().constFirst();
    MessageBoxPrompter(parentWidget())
        .tell(writeReportPdf(report, path.toStdString(), defaultReportPaper()));
}

} // namespace mz58
