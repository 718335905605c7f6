// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadioTransfers.h"

#include "CAccessGaugeDlg.h"
#include "CWritePreviewDlg.h"
#include "LinkMessages.h"
#include "MessageBoxPrompter.h"
#include "RadioComparison.h"
#include "SerialNumber.h"
#include "UiText.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>

namespace mz58 {
namespace {

// Reads the radio for a later step; nullopt (after the gauge has said why) when it failed.
std::optional<RadioImage> readRadio(QWidget* parent, const PortOpener& openPort,
                                    const ImageState& like, const QString& step) {
    ImageState copy = like;
    CAccessGaugeDlg gauge(TransferMode::Upload, openPort, copy, {}, parent);
    gauge.setQuietSuccess(true);
    gauge.setStepText(step);
    gauge.exec();
    if (!gauge.result().succeeded())
        return std::nullopt;
    return copy.image;
}

QString serialOf(const RadioImage& radio) {
    SerialNumber serial;
    serial.decode(radio);
    return QString::fromStdString(serial.digits);
}

void tell(QWidget* parent, QMessageBox::Icon icon, const QString& text, const QString& more = {}) {
    QMessageBox box(icon, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    box.setInformativeText(more);
    box.exec();
}

TransferResult runWrite(QWidget* parent, const PortOpener& openPort, ImageState& working,
                        const DownloadOptions& options, const QString& step) {
    CAccessGaugeDlg gauge(TransferMode::Download, openPort, working, options, parent);
    gauge.setStepText(step);
    gauge.exec();
    return gauge.result();
}

} // namespace

WriteFlowResult writeToRadio(QWidget* parent, const PortOpener& openPort, ImageState& working,
                             const DownloadOptions& options, const WriteSettings& settings,
                             const QString& fileName) {
    WriteFlowResult flow;
    const auto finish = [&](TransferResult result) {
        flow.writeStarted = true;
        flow.transfer = std::move(result);
        flow.outcome = flow.transfer.succeeded() ? WriteFlowResult::Outcome::Written
                       : flow.transfer.outcome == TransferOutcome::Cancelled
                           ? WriteFlowResult::Outcome::Cancelled
                           : WriteFlowResult::Outcome::Failed;
        return flow;
    };
    if (!settings.showPreview)
        return finish(runWrite(parent, openPort, working, options, {}));

    const auto radio =
        readRadio(parent, openPort, working,
                  QCoreApplication::translate(
                      "mz58::RadioTransfers",
                      "Step 1 of 2: reading the radio to show what the write will change."));
    if (!radio) {
        flow.outcome = WriteFlowResult::Outcome::Failed;
        return flow;
    }
    // The write would stop here too, after its own read: say so before the user reads changes.
    if (!sameHardware(working.image, *radio)) {
        tell(parent, QMessageBox::Critical, uiText(msg::kHardwareMismatch),
             uiText(msg::kHintReadFirst));
        flow.outcome = WriteFlowResult::Outcome::Failed;
        return flow;
    }
    ImageState sent = working;
    takeRadioData(sent, *radio, options.maintenance);
    const RadioComparison comparison = compareWithRadio(*radio, sent);
    QString step = QCoreApplication::translate(
        "mz58::RadioTransfers", "Step 2 of 2: writing. If the radio asks for it, switch it off and "
                                "on again.");
    if (comparison.same()) {
        if (!settings.writeWhenUnchanged) {
            tell(parent, QMessageBox::Information,
                 QCoreApplication::translate(
                     "mz58::RadioTransfers",
                     "The radio already holds everything this write would send. "
                     "Nothing was written."));
            flow.outcome = WriteFlowResult::Outcome::Unchanged;
            return flow;
        }
        step = QCoreApplication::translate(
                   "mz58::RadioTransfers",
                   "The radio already holds everything this write sends: writing it "
                   "again.") +
               QLatin1Char('\n') + step;
    } else {
        CWritePreviewDlg preview(CWritePreviewDlg::Purpose::WritePreview, comparison,
                                 serialOf(*radio), fileName, parent);
        const bool go = preview.exec() == QDialog::Accepted;
        flow.previewTurnedOff = go && preview.doNotShowAgain();
        if (!go) {
            flow.outcome = WriteFlowResult::Outcome::Cancelled;
            return flow;
        }
    }
    DownloadOptions write = options;
    write.expectedRadio = *radio;
    return finish(runWrite(parent, openPort, working, write, step));
}

void compareWithRadio(QWidget* parent, const PortOpener& openPort, const ImageState& document,
                      bool maintenance, const QString& fileName) {
    const auto radio =
        readRadio(parent, openPort, document,
                  QCoreApplication::translate("mz58::RadioTransfers",
                                              "Reading the radio to compare it with %1.")
                      .arg(fileName));
    if (!radio)
        return;
    ImageState sent = document;
    ImageCodec::encodeAll(sent);
    if (!sameHardware(sent.image, *radio))
        tell(parent, QMessageBox::Warning, uiText(msg::kHardwareMismatch),
             uiText(msg::kHintReadFirst));
    takeRadioData(sent, *radio, maintenance);
    CWritePreviewDlg window(CWritePreviewDlg::Purpose::Compare, compareWithRadio(*radio, sent),
                            serialOf(*radio), fileName, parent);
    window.exec();
}

} // namespace mz58
