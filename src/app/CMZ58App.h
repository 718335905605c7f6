// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AppContext.h"
#include "MessageBoxPrompter.h"
#include "QtFileChooser.h"

#include <QObject>
#include <QStringList>

#include <filesystem>
#include <memory>

namespace mz58 {

class CMZ58Doc;
class CMainFrame;
class SimulatorProcess;
class SingleInstance;
class TerminationSignals;

// The application object: start-up in order (single instance, configuration, maintenance
// mode, default printer, document and main window) and what lives for the whole run.
class CMZ58App : public QObject {
    Q_OBJECT
public:
    struct Options {
        // The command-line arguments after the program name.
        QStringList arguments;
        // Where default images live; empty: the program's folder or the user's data folder.
        std::filesystem::path imageDir;
        // The single-instance name; empty: the executable's base name and the user.
        QString instanceName;
        // Extra arguments for the simulated radio (tests make it fast).
        QStringList simulatorArguments;
        // Where unsaved changes are kept at an ending without a user to ask; empty: the
        // "recovery" folder in the user's data folder.
        QString recoveryDir;
    };

    explicit CMZ58App(Options options, QObject* parent = nullptr);
    ~CMZ58App() override;

    // Runs the start-up; false when the program must end without a window (a second start,
    // which has asked the first to come to the front).
    [[nodiscard]] bool InitInstance();

    [[nodiscard]] CMainFrame* mainFrame() const { return m_frame.get(); }
    [[nodiscard]] CMZ58Doc* document() const { return m_doc.get(); }
    [[nodiscard]] AppContext& context() { return m_context; }
    [[nodiscard]] SingleInstance* singleInstance() const { return m_instance; }

    // The folder of the default images: the executable's folder when it holds one or can be
    // written, else the user's data folder (created on demand).
    static std::filesystem::path defaultImageDirectory();

    // Ends the program as a close does, without a user to ask (SIGTERM, SIGHUP): unsaved
    // changes go to the recovery folder, the configuration is written, the event loops end
    // and every temporary file and folder goes with the objects that made it.
    void endWithoutAsking();

private:
    bool startSimulator();
    // Offers changes kept by an earlier ending; Yes opens their file and applies them (one
    // undo step, the document stays modified), No discards them.
    void offerRecoveredChanges();
    [[nodiscard]] QString recoveryDir() const;

    Options m_options;
    AppContext m_context;
    MessageBoxPrompter m_prompter;
    QtFileChooser m_chooser;
    SingleInstance* m_instance = nullptr;
    TerminationSignals* m_signals = nullptr;
    bool m_ending = false;
    std::unique_ptr<SimulatorProcess> m_simulator;
    std::unique_ptr<CMZ58Doc> m_doc;
    std::unique_ptr<CMainFrame> m_frame;
};

} // namespace mz58
