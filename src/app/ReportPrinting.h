// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QPrinter;
class QWidget;

namespace mz58 {

class CMZ58Doc;
struct AppContext;

// Print, print preview, printer setup and the report as a PDF file. Every output draws its
// pages through the one report renderer. The printing-in-progress flag is set while a job or
// the preview runs.
class ReportPrinting : public QObject {
    Q_OBJECT
public:
    ReportPrinting(CMZ58Doc& doc, AppContext& context, QWidget* parent);
    ~ReportPrinting() override;

    void print();
    void preview();
    void setup();
    // The system's default printer for the header, asked for once the window is up (the print
    // system may take a while to answer).
    void queryDefaultPrinter();
    void printToPdf();

    QPrinter& printer();

signals:
    // The printer name in the context changed.
    void printerChanged();
    void previewClosed();

private:
    QWidget* parentWidget() const;

    CMZ58Doc& m_doc;
    AppContext& m_context;
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace mz58
